#include "platform/win32/form_frame.h"

#include <cctype>
#include <utility>

#include "platform/scaling.h"
#include "platform/win32/win32_resources.h"

namespace dorvanta {

namespace {

constexpr wchar_t kFrameClass[] = L"DorvantaForm";
constexpr wchar_t kClientClass[] = L"DorvantaClient";
constexpr WORD kFirstMenuId = 100;
constexpr DWORD kFixedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// A shortcut by name ("F1", "Ctrl+Q") as an accelerator; false for a name it
// does not know.
bool ParseShortcut(std::string name, ACCEL& accel) {
    accel.fVirt = FVIRTKEY;
    for (const auto& [prefix, flag] :
         {std::pair{"Ctrl+", FCONTROL}, std::pair{"Shift+", FSHIFT}, std::pair{"Alt+", FALT}}) {
        if (name.starts_with(prefix)) {
            accel.fVirt |= flag;
            name.erase(0, std::string(prefix).size());
        }
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])) != 0) {
        accel.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    if (name.size() > 1 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        accel.key = static_cast<WORD>(VK_F1 + std::stoi(name.substr(1)) - 1);
        return true;
    }
    return false;
}

PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelRect WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return ToPixelRect(rect);
}

// The free area of the screen the window is on, without the taskbar.
PixelRect WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return ToPixelRect(monitor.rcWork);
}

}  // namespace

// A check mark shows only on items that carry one; the game, not Windows,
// decides the marks.
class MenuItemView : public ControlView {
  public:
    MenuItemView(Win32Platform& platform, MenuItem& model, HMENU menu, HWND barOwner)
        : platform_(platform),
          model_(&model),
          menu_(menu),
          position_(static_cast<UINT>(GetMenuItemCount(menu) - 1)),
          barOwner_(barOwner) {
        model.AttachView(this);
    }
    ~MenuItemView() override { Detach(); }
    MenuItemView(const MenuItemView&) = delete;
    MenuItemView& operator=(const MenuItemView&) = delete;

    void Refresh() override {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE;
        info.fState = (model_->Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                      (model_->Enabled() ? MFS_ENABLED : MFS_DISABLED);
        SetMenuItemInfoW(menu_, position_, TRUE, &info);
        if (barOwner_ != nullptr) {
            DrawMenuBar(barOwner_);
        }
    }

    void Click() {
        platform_.Guarded([this] {
            if (model_ != nullptr) {
                model_->Click();
            }
        });
    }

    void Detach() {
        if (model_ != nullptr) {
            model_->AttachView(nullptr);
            model_ = nullptr;
        }
    }

  private:
    Win32Platform& platform_;
    MenuItem* model_;
    HMENU menu_;
    UINT position_;
    HWND barOwner_;  // the frame, for a title in its menu bar
};

void FormFrame::RegisterClasses(HINSTANCE instance) {
    RegisterWindowClass(instance, kFrameClass, &FormFrame::FrameProc,
                        LoadIconW(instance, MAKEINTRESOURCEW(DORVANTA_ICON)));
    RegisterWindowClass(instance, kClientClass, &FormFrame::ClientProc, nullptr);
    RegisterPictureClass(instance);
}

FormFrame::FormFrame(Win32Platform& platform, Form& form)
    : platform_(platform),
      form_(&form),
      designWidth_(form.ClientWidth()),
      designHeight_(form.ClientHeight()),
      sizable_(form.Sizable()) {
    frame_ = CreateWindowExW(0, kFrameClass, Widen(form.Caption()).c_str(), Style(), CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             platform.Instance(), this);
    BuildMenuBar();
    client_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClientClass, L"",
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, frame_, nullptr,
                              platform.Instance(), this);
    for (const auto& control : form.Controls()) {
        controls_.push_back(CreateControlWindow(platform, *control, client_));
    }
    // A child window goes under those made before it, and Tab follows that
    // order from the top, so the labels and lines move down only now.
    for (const auto& window : controls_) {
        if (LiesUnderOtherControls(window->Model()->Kind())) {
            SetWindowPos(window->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    dpi_ = Dpi();
    SetScale(ScreenScale());
    FitFrameToClient();
}

FormFrame::~FormFrame() {
    Detach();
    controls_.clear();
    SetWindowLongPtrW(client_, GWLP_USERDATA, 0);
    SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
    DestroyWindow(frame_);
    if (shortcuts_ != nullptr) {
        DestroyAcceleratorTable(shortcuts_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void FormFrame::Detach() {
    for (const auto& control : controls_) {
        control->Detach();
    }
    for (const auto& view : menuViews_) {
        view->Detach();
    }
    form_ = nullptr;
}

HWND FormFrame::ControlHwnd(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Model() != nullptr && control->Model()->Name() == name) {
            return control->Hwnd();
        }
    }
    return nullptr;
}

void FormFrame::Show(double scale, HWND mainWindow) {
    if (!sizable_) {
        SetScale(scale);
        FitFrameToClient();
    }
    PlaceOnFirstShowing(mainWindow);
    ShowWindow(frame_, SW_SHOW);
    SetForegroundWindow(frame_);
    BringWindowToTop(frame_);
}

bool FormFrame::TranslateShortcut(MSG& message) const {
    return shortcuts_ != nullptr && TranslateAcceleratorW(frame_, shortcuts_, &message) != 0;
}

// The key's down message is taken before it is translated, so no character follows.
bool FormFrame::TranslateKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || form_ == nullptr) {
        return false;
    }
    switch (message.wParam) {
        case VK_TAB:
            MoveFocus(GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_RETURN:
            platform_.Guarded([this] { form_->PressEnter(); });
            return true;
        case VK_ESCAPE:
            platform_.Guarded([this] { form_->PressEscape(); });
            return true;
        default:
            return false;
    }
}

// Windows skips the controls without a tab stop, the hidden and the disabled.
void FormFrame::MoveFocus(bool backwards) {
    const HWND focus = GetFocus();
    const HWND next =
        GetNextDlgTabItem(client_, IsChild(client_, focus) ? focus : nullptr, backwards);
    if (next != nullptr) {
        SetFocus(next);
    }
}

void FormFrame::PlaceOnFirstShowing(HWND mainWindow) {
    if (std::exchange(placed_, true)) {
        return;
    }
    const bool overMain = !sizable_ && mainWindow != nullptr;
    const PixelRect screen = WorkArea(overMain ? mainWindow : frame_);
    if (sizable_) {
        TakeOpeningSize(screen);
    }
    const PixelRect outer = WindowRect(frame_);
    const PixelRect placed =
        PlaceOver(overMain ? WindowRect(mainWindow) : screen, {outer.width, outer.height}, screen);
    SetWindowPos(frame_, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormFrame::TakeOpeningSize(const PixelRect& screen) {
    const SIZE decoration = FrameSize(0, 0);
    const double scale = OpeningScale({screen.width, screen.height}, {designWidth_, designHeight_},
                                      {decoration.cx, decoration.cy}, ScreenScale());
    const SIZE frame =
        FrameSize(UnitsToPixels(designWidth_, scale), UnitsToPixels(designHeight_, scale));
    SetWindowPos(frame_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormFrame::BuildMenuBar() {
    if (form_->MenuBar().empty()) {
        return;
    }
    menuBar_ = CreateMenu();
    for (const auto& title : form_->MenuBar()) {
        const std::wstring text = CaptionText(title->Caption(), title->Mnemonic());
        if (title->Items().empty()) {
            const auto id = static_cast<WORD>(kFirstMenuId + menuViews_.size());
            AppendMenuW(menuBar_, MF_STRING, id, text.c_str());
        } else {
            const HMENU popup = CreatePopupMenu();
            AddItems(popup, *title);
            AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        }
        menuViews_.push_back(std::make_unique<MenuItemView>(platform_, *title, menuBar_, frame_));
    }
    SetMenu(frame_, menuBar_);
    if (!shortcutTable_.empty()) {
        shortcuts_ =
            CreateAcceleratorTableW(shortcutTable_.data(), static_cast<int>(shortcutTable_.size()));
    }
    for (const auto& view : menuViews_) {
        view->Refresh();
    }
}

// Every item gets an id, a separator or a submenu too, so that an item's id
// tells its view.
void FormFrame::AddItems(HMENU menu, MenuItem& parent) {
    for (const auto& item : parent.Items()) {
        const auto id = static_cast<WORD>(kFirstMenuId + menuViews_.size());
        std::wstring text = CaptionText(item->Caption(), item->Mnemonic());
        if (!item->Shortcut().empty()) {
            text += L'\t' + Widen(item->Shortcut());
            AddShortcut(*item, id);
        }
        if (item->IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, id, nullptr);
        } else if (item->Items().empty()) {
            AppendMenuW(menu, MF_STRING, id, text.c_str());
        } else {
            const HMENU submenu = CreatePopupMenu();
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
            menuViews_.push_back(std::make_unique<MenuItemView>(platform_, *item, menu, nullptr));
            AddItems(submenu, *item);
            continue;
        }
        menuViews_.push_back(std::make_unique<MenuItemView>(platform_, *item, menu, nullptr));
    }
}

void FormFrame::AddShortcut(const MenuItem& item, WORD id) {
    ACCEL accel{};
    if (ParseShortcut(item.Shortcut(), accel)) {
        accel.cmd = id;
        shortcutTable_.push_back(accel);
    }
}

// The item's view survives the click even if the form unloads in it: the
// frame is destroyed only once no message is being handled.
void FormFrame::ChooseMenuItem(WORD id) {
    if (id < kFirstMenuId || static_cast<std::size_t>(id - kFirstMenuId) >= menuViews_.size()) {
        return;
    }
    MenuItemView& view = *menuViews_[id - kFirstMenuId];
    view.Click();
    if (form_ != nullptr) {
        view.Refresh();
    }
}

ControlWindow* FormFrame::FindControl(HWND hwnd) const {
    for (const auto& control : controls_) {
        if (control->Hwnd() == hwnd) {
            return control.get();
        }
    }
    return nullptr;
}

DWORD FormFrame::Style() const {
    return sizable_ ? WS_OVERLAPPEDWINDOW : kFixedStyle;
}

UINT FormFrame::Dpi() const {
    const UINT dpi = GetDpiForWindow(frame_);
    return dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi;
}

double FormFrame::ScreenScale() const {
    return static_cast<double>(dpi_) / USER_DEFAULT_SCREEN_DPI;
}

void FormFrame::SetScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    const HFONT old = std::exchange(font_, CreateDesignFont(scale));
    for (const auto& control : controls_) {
        if (const Control* model = control->Model()) {
            const PixelRect rect = ControlPixelRect(*model, scale);
            MoveWindow(control->Hwnd(), rect.left, rect.top, rect.width, rect.height, FALSE);
            SendMessageW(control->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            control->SetScale(scale);
        }
    }
    InvalidateRect(client_, nullptr, TRUE);
    if (old != nullptr) {
        DeleteObject(old);
    }
}

SIZE FormFrame::FrameSize(int clientWidth, int clientHeight) const {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&rect, Style(), menuBar_ != nullptr ? TRUE : FALSE, 0, dpi_);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void FormFrame::FitFrameToClient() {
    const int width = UnitsToPixels(designWidth_, scale_);
    const int height = UnitsToPixels(designHeight_, scale_);
    MoveWindow(client_, 0, 0, width, height, TRUE);
    const SIZE frame = FrameSize(width, height);
    SetWindowPos(frame_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormFrame::FitClientToFrame() {
    RECT room;
    GetClientRect(frame_, &room);
    if (room.right <= 0 || room.bottom <= 0) {
        return;  // minimised
    }
    const dorvanta::Letterbox fit =
        FitLetterbox(room.right, room.bottom, designWidth_, designHeight_);
    SetScale(fit.scale);
    MoveWindow(client_, fit.area.left, fit.area.top, fit.area.width, fit.area.height, TRUE);
    platform_.SetScale(fit.scale);
}

// Never smaller than the smallest scale on the window's screen.
void FormFrame::LimitTrackingSize(MINMAXINFO& limits) const {
    const double smallestScale = kSmallestScale * ScreenScale();
    const SIZE smallest = FrameSize(UnitsToPixels(designWidth_, smallestScale),
                                    UnitsToPixels(designHeight_, smallestScale));
    limits.ptMinTrackSize = {smallest.cx, smallest.cy};
}

void FormFrame::OnDpiChanged(UINT dpi, const RECT& suggested) {
    const UINT old = std::exchange(dpi_, dpi);
    if (sizable_) {
        SetWindowPos(frame_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    SetScale(scale_ * dpi / old);
    FitFrameToClient();
}

LRESULT CALLBACK FormFrame::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FormFrame* self = WindowOwner<FormFrame>(hwnd, message, lParam);
    LRESULT result = 0;
    if (self != nullptr && self->frame_ == hwnd &&
        self->OnFrameMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormFrame::ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FormFrame* self = WindowOwner<FormFrame>(hwnd, message, lParam);
    LRESULT result = 0;
    if (self != nullptr && self->client_ == hwnd &&
        self->OnClientMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool FormFrame::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SIZE:
            if (sizable_ && client_ != nullptr) {
                FitClientToFrame();
            }
            return false;
        case WM_GETMINMAXINFO:
            if (sizable_) {
                LimitTrackingSize(*reinterpret_cast<MINMAXINFO*>(lParam));
                return true;
            }
            return false;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return true;
        // The form decides: the main window ends the program, others unload or hide.
        case WM_CLOSE:
            if (form_ != nullptr) {
                platform_.Guarded([this] { form_->CloseRequested(); });
            }
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && form_ != nullptr) {
                platform_.Guarded([this] { form_->Activate(); });
            }
            return false;
        case WM_COMMAND:
            if (lParam == 0) {
                ChooseMenuItem(LOWORD(wParam));
                return true;
            }
            return false;
        default:
            result = 0;
            return false;
    }
}

bool FormFrame::OnClientMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const auto control = reinterpret_cast<HWND>(lParam);
    switch (message) {
        case WM_COMMAND:
            if (ControlWindow* window = FindControl(control)) {
                window->OnCommand(HIWORD(wParam));
                return true;
            }
            return false;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (ControlWindow* window = FindControl(control)) {
                window->OnScroll(LOWORD(wParam));
                return true;
            }
            return false;
        // Labels and read-only boxes on the face colour of the window.
        case WM_CTLCOLORSTATIC:
            result = FaceBackground(wParam);
            return true;
        default:
            return false;
    }
}

}  // namespace dorvanta
