#include "platform/win32/control_windows.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/frame_pacer.h"
#include "platform/model_link.h"
#include "platform/picture_raster.h"
#include "platform/scaling.h"

namespace dorvanta {

namespace {

constexpr wchar_t kPictureClass[] = L"DorvantaPicture";
constexpr UINT_PTR kFrameTimerId = 0x4456;  // clear of the ids the system controls use
constexpr wchar_t kFirstPrintable = L' ';
constexpr wchar_t kLastPrintable = L'~';
constexpr WORD kTextMargin = 0;  // pixels between a text box's border and its text

bool HasStyle(HWND hwnd, LONG_PTR style) {
    return (GetWindowLongPtrW(hwnd, GWL_STYLE) & style) != 0;
}

// Only what changed is passed on: each call asks the window system, under Wine
// a round trip to its server, and a gauge's box is refreshed at every step.
void SyncCommon(HWND hwnd, const Control& control) {
    if (HasStyle(hwnd, WS_DISABLED) == control.Enabled()) {
        EnableWindow(hwnd, control.Enabled() ? TRUE : FALSE);
    }
    if (HasStyle(hwnd, WS_VISIBLE) != control.Visible()) {
        ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
    }
}

// A control paints only where no control above it lies: a label's box may
// reach under a button.
HWND CreateChild(Win32Platform& platform, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                 HWND parent) {
    return CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0,
                           0, parent, nullptr, platform.Instance(), nullptr);
}

// The shared pacing of paints on a timer of the window. The timer keeps
// ringing while every frame has a change to show, as a moving gauge's has,
// and stops at the first frame without one: setting and killing it are round
// trips to the window system under Wine.
class WindowFramePacer {
  public:
    WindowFramePacer(HWND& hwnd, std::function<void()> show)
        : pacer_(std::move(show), [this, &hwnd](int millis) {
              if (!ringing_) {
                  SetTimer(hwnd, kFrameTimerId, millis, nullptr);
                  ringing_ = true;
              }
          }) {}

    bool InFrame() const { return pacer_.InFrame(); }
    void Changed() { pacer_.Changed(); }
    // Whether the message was the frame's end, which it then handles.
    bool OnTimer(HWND hwnd, WPARAM timerId) {
        if (timerId != kFrameTimerId) {
            return false;
        }
        pacer_.FrameEnded();
        if (!pacer_.InFrame()) {
            KillTimer(hwnd, kFrameTimerId);
            ringing_ = false;
        }
        return true;
    }

  private:
    bool ringing_ = false;
    FramePacer pacer_;
};

template <class Shown>
class ModelWindow : public ControlWindow, protected ModelLink<Shown, ControlView> {
  public:
    ModelWindow(Win32Platform& platform, Shown& model)
        : ModelLink<Shown, ControlView>(platform, model, *this), desktop_(platform) {}
    ~ModelWindow() override {
        this->Unlink();
        if (hwnd_ != nullptr) {
            DestroyWindow(hwnd_);
        }
    }

    const Control* Model() const override { return this->model_; }
    void Detach() override { this->Unlink(); }

  protected:
    // Subclasses a system control so that `OnMessage` sees its messages first.
    // The window keeps its owner in its user data rather than in a property,
    // which under Wine would be a round trip to its server at every message.
    void Subclass() {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        systemProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ModelWindow::SubclassProc)));
    }
    // Returns true when it handled the message itself, with `result`.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // The system control's own handling.
    LRESULT SystemProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(systemProc_, hwnd_, message, wParam, lParam);
    }

    Win32Platform& desktop_;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ModelWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (self->OnMessage(message, wParam, lParam, result)) {
            return result;
        }
        return self->SystemProc(message, wParam, lParam);
    }

    WNDPROC systemProc_ = nullptr;
};

int MouseButtonCode(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return kLeftButton;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return kRightButton;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return kMiddleButton;
        default:
            return 0;
    }
}

// Clicks come from the mouse and from the keyboard; presses only from the
// mouse, and a double click is a second press. A caption wider than its
// button wraps at its blanks (the buttons that need it are tall enough).
class ButtonWindow : public ModelWindow<Button> {
  public:
    ButtonWindow(Win32Platform& platform, Button& model, HWND parent)
        : ModelWindow(platform, model) {
        hwnd_ =
            CreateChild(platform, WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, parent);
        Subclass();
    }

    void Refresh() override {
        SyncCommon(hwnd_, *model_);
        SetWindowTextW(hwnd_, CaptionText(model_->Caption()).c_str());
    }

    void OnCommand(WORD code) override {
        if (code == BN_CLICKED) {
            Deliver([](Button& m) { m.Click(); });
        }
    }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const int code = MouseButtonCode(message);
        if (code == 0) {
            return false;
        }
        result = SystemProc(message, wParam, lParam);
        Deliver([code](Button& m) { m.PressMouse(code); });
        return true;
    }
};

// Characters reach the model one at a time through its key-press handling, so
// a handler can discard them. A thin border and no margins leave the narrow
// number boxes room for the widest number the game writes into them. Cursor keys, shortcuts and
// paste are the edit control's; a text changed that way is handed to the model afterwards.
class TextBoxWindow : public ModelWindow<TextBox> {
  public:
    TextBoxWindow(Win32Platform& platform, TextBox& model, HWND parent)
        : ModelWindow(platform, model) {
        hwnd_ = CreateChild(platform, WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, parent);
        Subclass();
    }

    // What the player types or pastes must edit the latest text, so the box
    // takes a change at once, except within a frame: a gauge rewrites its box
    // at every step, each rewrite a round trip to the window system under
    // Wine, so the text waits for the frame's end or for the next message
    // that could read or edit it, whichever comes first.
    void Refresh() override {
        SyncCommon(hwnd_, *model_);
        SyncReadOnly();
        ShowToolTip();
        textStale_ = true;
        if (!pacer_.InFrame()) {
            SyncText();
        }
        pacer_.Changed();
    }

    // A new font resets the margins to the font's own, too wide for the
    // narrow number boxes.
    void SetScale(double) override {
        SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(kTextMargin, kTextMargin));
    }

    void OnCommand(WORD code) override {
        if (code == EN_CHANGE && !syncing_) {
            AdoptEditedText();
        }
    }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message == WM_TIMER) {
            return pacer_.OnTimer(hwnd_, wParam);
        }
        if (message != WM_PAINT && message != WM_ERASEBKGND) {
            SyncText();
        }
        if (message != WM_CHAR) {
            return false;
        }
        const auto character = static_cast<wchar_t>(wParam);
        if (character == L'\b' || (character >= kFirstPrintable && character <= kLastPrintable)) {
            Type(static_cast<char>(character));
            result = 0;
            return true;
        }
        // The model holds bytes; a character outside ASCII would break its positions.
        return character > kLastPrintable;
    }

  private:
    void SyncReadOnly() {
        if (HasStyle(hwnd_, ES_READONLY) == model_->ReadOnly()) {
            return;
        }
        SendMessageW(hwnd_, EM_SETREADONLY, model_->ReadOnly() ? TRUE : FALSE, 0);
        // Tab passes a read-only box by; the mouse can still select its text.
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        SetWindowLongPtrW(hwnd_, GWL_STYLE,
                          model_->ReadOnly() ? style & ~WS_TABSTOP : style | WS_TABSTOP);
    }

    // The messages this sends come back through OnMessage, which finds the
    // text current by then.
    void SyncText() {
        if (!std::exchange(textStale_, false) || model_ == nullptr) {
            return;
        }
        syncing_ = true;
        const std::wstring text = Widen(model_->Text());
        if (WindowText() != text) {
            SetWindowTextW(hwnd_, text.c_str());
        }
        SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(model_->SelStart()),
                     static_cast<LPARAM>(model_->SelStart() + model_->SelLength()));
        syncing_ = false;
    }

    std::wstring WindowText() const {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    std::pair<int, int> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    void Type(char key) {
        const auto [start, end] = Selection();
        Deliver([start, end, key](TextBox& m) {
            m.SetSelection(start, end - start);
            m.TypeKey(key);
        });
    }

    void AdoptEditedText() {
        const std::string edited = Narrow(WindowText());
        const int caret = Selection().second;
        Deliver([&edited, caret](TextBox& m) {
            m.SetText(edited);
            m.SetSelection(caret, 0);
        });
    }

    void ShowToolTip() {
        if (toolTip_ != nullptr || model_->ToolTip().empty()) {
            return;
        }
        toolTipText_ = Widen(model_->ToolTip());
        toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   desktop_.Instance(), nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(hwnd_);
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
        tool.lpszText = toolTipText_.data();
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }

    WindowFramePacer pacer_{hwnd_, [this] {
                                SyncText();
                                InvalidateRect(hwnd_, nullptr, TRUE);
                            }};
    bool syncing_ = false;
    bool textStale_ = false;
    HWND toolTip_ = nullptr;
    std::wstring toolTipText_;
};

class LabelWindow : public ModelWindow<Label> {
  public:
    LabelWindow(Win32Platform& platform, Label& model, HWND parent) : ModelWindow(platform, model) {
        hwnd_ = CreateChild(platform, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, parent);
    }

    void Refresh() override {
        SyncCommon(hwnd_, *model_);
        SetWindowTextW(hwnd_, Widen(model_->Caption()).c_str());
    }
};

// Arrows, track clicks and the release of a dragged thumb report a change; a
// drag reports scrolling. Small and large changes are both one step.
class ScrollBarWindow : public ModelWindow<ScrollBar> {
  public:
    ScrollBarWindow(Win32Platform& platform, ScrollBar& model, HWND parent)
        : ModelWindow(platform, model) {
        hwnd_ =
            CreateChild(platform, WC_SCROLLBARW,
                        model.Kind() == ControlKind::VScrollBar ? SBS_VERT : SBS_HORZ, 0, parent);
    }

    void Refresh() override {
        SyncCommon(hwnd_, *model_);
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        info.nMin = std::min(model_->Min(), model_->Max());
        info.nMax = std::max(model_->Min(), model_->Max());
        info.nPage = 1;
        info.nPos = model_->Value();
        SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
    }

    void OnScroll(WORD request) override {
        if (model_ == nullptr) {
            return;
        }
        const int value = model_->Value();
        switch (request) {
            case SB_LINELEFT:
            case SB_PAGELEFT:
                Change(value - 1);
                break;
            case SB_LINERIGHT:
            case SB_PAGERIGHT:
                Change(value + 1);
                break;
            case SB_LEFT:
                Change(std::min(model_->Min(), model_->Max()));
                break;
            case SB_RIGHT:
                Change(std::max(model_->Min(), model_->Max()));
                break;
            case SB_THUMBPOSITION:
                Change(TrackPosition());
                break;
            case SB_THUMBTRACK: {
                const auto track = Clamp(TrackPosition());
                Deliver([track](ScrollBar& m) { m.UserScroll(track); });
                break;
            }
            default:
                break;
        }
    }

  private:
    static std::int16_t Clamp(int value) {
        return static_cast<std::int16_t>(std::clamp<int>(value, INT16_MIN, INT16_MAX));
    }

    int TrackPosition() const {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, SB_CTL, &info);
        return info.nTrackPos;
    }

    void Change(int value) {
        const std::int16_t clamped = Clamp(value);
        Deliver([clamped](ScrollBar& m) { m.UserChange(clamped); });
        if (model_ != nullptr) {
            Refresh();  // an unchanged value leaves the thumb where the model has it
        }
    }
};

class LineWindow : public ModelWindow<SeparatorLine> {
  public:
    LineWindow(Win32Platform& platform, SeparatorLine& model, HWND parent)
        : ModelWindow(platform, model) {
        const Geometry& path = model.Geom();
        hwnd_ = CreateChild(platform, WC_STATICW,
                            path.width >= path.height ? SS_ETCHEDHORZ : SS_ETCHEDVERT, 0, parent);
    }

    void Refresh() override { SyncCommon(hwnd_, *model_); }
};

Rgb ButtonFace() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

// Renders once per finished drawing into a device-independent bitmap and
// copies it on every paint, so covering the window loses nothing and a flight
// does not flicker. The drawing starts inside the sunken border, as the
// picture units' origin does.
class PictureWindow : public ModelWindow<Picture> {
  public:
    PictureWindow(Win32Platform& platform, Picture& model, HWND parent)
        : ModelWindow(platform, model) {
        hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, kPictureClass, L"", WS_CHILD, 0, 0, 0, 0, parent,
                                nullptr, platform.Instance(), this);
    }

    void Refresh() override {
        SyncCommon(hwnd_, *model_);
        stale_ = true;
        pacer_.Changed();
    }

    void SetScale(double scale) override {
        scale_ = scale;
        if (model_ != nullptr) {
            Refresh();
        }
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = WindowOwner<PictureWindow>(hwnd, message, lParam);
        LRESULT result = 0;
        if (self != nullptr && self->OnMessage(message, wParam, lParam, result)) {
            return result;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) override {
        switch (message) {
            case WM_PAINT:
                Paint();
                return true;
            // A copy of the latest drawing, such as a capture of the window asks for.
            case WM_PRINTCLIENT:
                Render();
                Blit(reinterpret_cast<HDC>(wParam));
                return true;
            case WM_ERASEBKGND:
                return true;
            case WM_TIMER:
                return pacer_.OnTimer(hwnd_, wParam);
            case WM_LBUTTONDOWN:
                pressed_ = true;
                SetCapture(hwnd_);
                return true;
            case WM_LBUTTONUP:
                return Release(lParam);
            case WM_NCDESTROY:
                SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
                return false;
            default:
                return false;
        }
    }

  private:
    bool Release(LPARAM lParam) {
        ReleaseCapture();
        RECT client;
        GetClientRect(hwnd_, &client);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool click = std::exchange(pressed_, false) && PtInRect(&client, at);
        if (click) {
            Deliver([](Picture& m) { m.Click(); });
        }
        return true;
    }

    void Render() {
        RECT client;
        GetClientRect(hwnd_, &client);
        const bool resized = raster_.Width() != client.right || raster_.Height() != client.bottom;
        if (model_ == nullptr || !(stale_ || resized)) {
            return;
        }
        if (resized) {
            raster_ = Raster(client.right, client.bottom, Rgb{});
        }
        RasterizeDisplayListInto(raster_, model_->DisplayList(), model_->BackColor(), ButtonFace(),
                                 scale_, 1);
        stale_ = false;
    }

    void Blit(HDC dc) const {
        BITMAPINFO bitmap{};
        bitmap.bmiHeader.biSize = sizeof(bitmap.bmiHeader);
        bitmap.bmiHeader.biWidth = raster_.Width();
        bitmap.bmiHeader.biHeight = -raster_.Height();  // rows from the top
        bitmap.bmiHeader.biPlanes = 1;
        bitmap.bmiHeader.biBitCount = 32;
        bitmap.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(raster_.Width()),
                          static_cast<DWORD>(raster_.Height()), 0, 0, 0,
                          static_cast<UINT>(raster_.Height()), raster_.Pixels().data(), &bitmap,
                          DIB_RGB_COLORS);
    }

    void Paint() {
        Render();
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd_, &paint);
        Blit(dc);
        EndPaint(hwnd_, &paint);
    }

    Raster raster_{0, 0, Rgb{}};
    WindowFramePacer pacer_{hwnd_, [this] { InvalidateRect(hwnd_, nullptr, FALSE); }};
    bool stale_ = true;
    double scale_ = 1;
    bool pressed_ = false;
};

template <class Window, class Shown>
std::unique_ptr<ControlWindow> Make(Win32Platform& platform, Control& control, HWND parent) {
    return std::make_unique<Window>(platform, static_cast<Shown&>(control), parent);
}

std::unique_ptr<ControlWindow> MakeControlWindow(Win32Platform& platform, Control& control,
                                                 HWND parent) {
    switch (control.Kind()) {
        case ControlKind::Button:
            return Make<ButtonWindow, Button>(platform, control, parent);
        case ControlKind::TextBox:
            return Make<TextBoxWindow, TextBox>(platform, control, parent);
        case ControlKind::Label:
            return Make<LabelWindow, Label>(platform, control, parent);
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            return Make<ScrollBarWindow, ScrollBar>(platform, control, parent);
        case ControlKind::Picture:
            return Make<PictureWindow, Picture>(platform, control, parent);
        case ControlKind::Line:
            break;
    }
    return Make<LineWindow, SeparatorLine>(platform, control, parent);
}

}  // namespace

std::unique_ptr<ControlWindow> CreateControlWindow(Win32Platform& platform, Control& control,
                                                   HWND parent) {
    std::unique_ptr<ControlWindow> window = MakeControlWindow(platform, control, parent);
    window->Refresh();
    return window;
}

void RegisterPictureClass(HINSTANCE instance) {
    RegisterWindowClass(instance, kPictureClass, &PictureWindow::WindowProc);
}

}  // namespace dorvanta
