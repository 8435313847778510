// The desktop contract's driver for the Win32 desktop: windows found by the
// names of their controls, input posted to them as the system posts it, and
// boxes found among the thread's windows.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "contract/desktop_driver.h"
#include "platform/win32/win32_platform.h"

namespace dorvanta::contract {
namespace {

constexpr UINT kBoxPollMillis = 5;
constexpr int kButtonMargin = 3;  // pixels between a button's edge and its caption
constexpr wchar_t kMessageBoxClass[] = L"#32770";
constexpr wchar_t kInputBoxClass[] = L"DorvantaInputBox";
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return name;
}

std::string TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// The first child of that class.
HWND ChildOf(HWND parent, const wchar_t* windowClass) {
    return FindWindowExW(parent, nullptr, windowClass, nullptr);
}

PixelRect RectIn(HWND hwnd, HWND parent) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class Win32OpenBox : public OpenBox {
  public:
    explicit Win32OpenBox(HWND box) : box_(box) {}

    std::string Title() const override { return TextOf(box_); }
    std::string Text() const override {
        if (ClassOf(box_) == kMessageBoxClass) {
            return TextOf(GetDlgItem(box_, kMessageBoxTextId));
        }
        return TextOf(ChildOf(box_, WC_STATICW));
    }
    void Answer(BoxAnswer answer) override { Choose(ButtonId(answer)); }
    void Enter(const std::string& text) override {
        SetWindowTextW(ChildOf(box_, WC_EDITW), Widen(text).c_str());
        Choose(IDOK);
    }

  private:
    static int ButtonId(BoxAnswer answer) {
        switch (answer) {
            case BoxAnswer::Cancel:
                return IDCANCEL;
            case BoxAnswer::Yes:
                return IDYES;
            case BoxAnswer::No:
                return IDNO;
            case BoxAnswer::Ok:
                break;
        }
        return IDOK;
    }
    void Choose(int id) {
        PostMessageW(box_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box_, id)));
    }

    HWND box_;
};

class Win32Driver;
Win32Driver* driver = nullptr;  // the timers' procedures have no context of their own

class Win32Driver : public DesktopDriver {
  public:
    Win32Driver() { driver = this; }
    ~Win32Driver() override {
        for (const auto& [id, action] : timed_) {
            KillTimer(nullptr, id);
        }
        KillTimer(nullptr, boxPoll_);
        driver = nullptr;
    }
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    Platform& Desktop() override { return platform_; }
    void Run(const std::function<void()>& logic) override { platform_.Guarded(logic); }
    bool Ending() const override { return platform_.Ending(); }
    int RunEventLoop() override { return platform_.Run(); }
    void After(int millis, std::function<void()> action) override {
        timed_[SetTimer(nullptr, 0, static_cast<UINT>(millis), &Win32Driver::Timed)] =
            std::move(action);
    }
    void WhenBoxOpens(std::function<void(OpenBox&)> action) override {
        boxAction_ = std::move(action);
        boxPoll_ = SetTimer(nullptr, 0, kBoxPollMillis, &Win32Driver::PollForBox);
    }
    Form* LoadedForm(const std::string& name) override { return platform_.LoadedForm(name); }

    void PressMouse(const Form& form, const std::string& control, int mouseButton) override {
        Post(form, control, mouseButton == kRightButton);
        Deliver();
    }
    // Input from the system's input queue, not a posted message: the mouse
    // moved over the control and its button pressed and released there.
    bool QueueClick(const Form& form, const std::string& control) override {
        const HWND hwnd = Control(form, control);
        RECT client;
        GetClientRect(hwnd, &client);
        POINT centre{client.right / 2, client.bottom / 2};
        ClientToScreen(hwnd, &centre);
        SetCursorPos(centre.x, centre.y);
        INPUT clicks[2] = {};
        for (INPUT& click : clicks) {
            click.type = INPUT_MOUSE;
        }
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        return SendInput(2, clicks, sizeof(INPUT)) == 2;
    }
    void PressSpace(const Form& form, const std::string& control) override {
        const HWND hwnd = Control(form, control);
        SetFocus(hwnd);
        PostMessageW(hwnd, WM_KEYDOWN, VK_SPACE, 1);
        PostMessageW(hwnd, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
        Deliver();
    }
    void TypeKeys(const Form& form, const std::string& control, const std::string& keys) override {
        const HWND hwnd = Control(form, control);
        SetFocus(hwnd);
        for (const char key : keys) {
            PostMessageW(hwnd, WM_CHAR, static_cast<WPARAM>(key), 1);
        }
        Deliver();
    }
    void PressF1(const Form& form) override {
        const HWND frame = platform_.WindowOf(form);
        PostMessageW(frame, WM_KEYDOWN, VK_F1, 1);
        PostMessageW(frame, WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC0000001u));
        Deliver();
    }
    void PressKey(const Form& form, const std::string& control, Key key) override {
        const HWND hwnd = Control(form, control);
        const WPARAM code = key == Key::Enter ? VK_RETURN : key == Key::Escape ? VK_ESCAPE : VK_TAB;
        SetFocus(hwnd);
        PostMessageW(hwnd, WM_KEYDOWN, code, 1);
        PostMessageW(hwnd, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001u));
        Deliver();
    }
    std::string FocusedControl(const Form& form) override {
        const HWND focused = GetFocus();
        for (const auto& control : form.Controls()) {
            if (platform_.ControlOf(form, control->Name()) == focused) {
                return control->Name();
            }
        }
        return "";
    }
    void ClickArrowUp(const Form& form, const std::string& control) override {
        const HWND bar = Control(form, control);
        RECT client;
        GetClientRect(bar, &client);
        const bool across = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) == 0;
        const LPARAM at = across ? MAKELPARAM(client.right - 3, client.bottom / 2)
                                 : MAKELPARAM(client.right / 2, client.bottom - 3);
        PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(bar, WM_LBUTTONUP, 0, at);
        Deliver();
    }

    std::string ShownText(const Form& form, const std::string& control) override {
        return TextOf(Control(form, control));
    }
    std::string MenuCaption(const Form& form, const std::string& item) override {
        std::string caption;
        FindCaption(GetMenu(platform_.WindowOf(form)), form.MenuBar(), item, caption);
        return caption.substr(0, caption.find('\t'));  // without its shortcut
    }
    Raster Grab(const Form& form, const std::string& picture) override {
        Deliver();
        const HWND hwnd = Control(form, picture);
        RECT client;
        GetClientRect(hwnd, &client);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const HDC dc = CreateCompatibleDC(nullptr);
        const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        std::vector<std::uint32_t> pixels(
            first, first + static_cast<std::size_t>(client.right) * client.bottom);
        for (std::uint32_t& pixel : pixels) {
            pixel &= 0xFFFFFFu;
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return Raster(client.right, client.bottom, std::move(pixels));
    }
    // The menu bar may wrap in a narrow window, so the frame is sized twice.
    void ResizeRoom(const Form& form, int width, int height) override {
        const HWND frame = platform_.WindowOf(form);
        for (int pass = 0; pass < 2; ++pass) {
            RECT outer, room;
            GetWindowRect(frame, &outer);
            GetClientRect(frame, &room);
            SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left + width - room.right,
                         outer.bottom - outer.top + height - room.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Deliver();
    }
    PixelRect Frame(const Form& form) override {
        RECT frame;
        GetWindowRect(platform_.WindowOf(form), &frame);
        return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
    }
    PixelRect ScreenArea(const Form& form) override {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(platform_.WindowOf(form), MONITOR_DEFAULTTONEAREST),
                        &monitor);
        const RECT& work = monitor.rcWork;
        return {work.left, work.top, work.right - work.left, work.bottom - work.top};
    }
    void MoveFrame(const Form& form, int left, int top) override {
        SetWindowPos(platform_.WindowOf(form), nullptr, left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Deliver();
    }
    PixelRect ClientArea(const Form& form) override {
        const HWND client = GetParent(Control(form, form.Controls().front()->Name()));
        return RectIn(client, platform_.WindowOf(form));
    }
    PixelRect Placed(const Form& form, const std::string& control) override {
        const HWND hwnd = Control(form, control);
        return RectIn(hwnd, GetParent(hwnd));
    }
    bool Shown(const Form& form, const std::string& control) override {
        return IsWindowVisible(Control(form, control)) != FALSE;
    }
    std::string ControlAt(const Form& form, int x, int y) override {
        const HWND client = GetParent(Control(form, form.Controls().front()->Name()));
        const HWND hit = ChildWindowFromPointEx(client, POINT{x, y}, CWP_SKIPINVISIBLE);
        for (const auto& control : form.Controls()) {
            if (platform_.ControlOf(form, control->Name()) == hit) {
                return control->Name();
            }
        }
        return "";
    }
    PixelRect TextBounds(const Form& form, const std::string& control) override {
        const HWND hwnd = Control(form, control);
        const PixelRect room = TextRoom(form, control);
        const bool button = ClassOf(hwnd) == WC_BUTTONW;
        const bool box = ClassOf(hwnd) == WC_EDITW;
        RECT text{0, 0, box ? 0 : room.width, room.height};
        const HDC dc = GetDC(hwnd);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        std::wstring caption = Widen(TextOf(hwnd));
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &text,
                  DT_CALCRECT | (box ? DT_SINGLELINE : DT_WORDBREAK) | (button ? 0 : DT_NOPREFIX));
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        if (!button) {
            return {room.left, room.top, text.right, text.bottom};
        }
        return {room.left + (room.width - text.right) / 2,
                room.top + (room.height - text.bottom) / 2, text.right, text.bottom};
    }
    PixelRect TextRoom(const Form& form, const std::string& control) override {
        const HWND hwnd = Control(form, control);
        PixelRect room = Placed(form, control);
        if (ClassOf(hwnd) == WC_EDITW) {
            RECT formatting;  // where the edit control draws its text
            SendMessageW(hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
            MapWindowPoints(hwnd, GetParent(hwnd), reinterpret_cast<POINT*>(&formatting), 2);
            return {formatting.left, formatting.top, formatting.right - formatting.left,
                    formatting.bottom - formatting.top};
        }
        if (ClassOf(hwnd) == WC_BUTTONW) {
            room = {room.left + kButtonMargin, room.top + kButtonMargin,
                    room.width - 2 * kButtonMargin, room.height - 2 * kButtonMargin};
        }
        return room;
    }
    int FontPixels(const Form& form, const std::string& control) override {
        LOGFONTW font{};
        GetObjectW(
            reinterpret_cast<HGDIOBJ>(SendMessageW(Control(form, control), WM_GETFONT, 0, 0)),
            sizeof(font), &font);
        return std::abs(font.lfHeight);
    }

  private:
    static void CALLBACK Timed(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        auto node = driver->timed_.extract(id);
        if (!node.empty()) {
            driver->Run(node.mapped());
        }
    }

    static BOOL CALLBACK FindBox(HWND hwnd, LPARAM found) {
        const std::wstring name = ClassOf(hwnd);
        if (IsWindowVisible(hwnd) && (name == kMessageBoxClass || name == kInputBoxClass)) {
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK PollForBox(HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Win32Driver::FindBox,
                          reinterpret_cast<LPARAM>(&box));
        if (box == nullptr || driver->boxAction_ == nullptr) {
            return;
        }
        KillTimer(nullptr, id);
        Win32OpenBox open(box);
        const auto action = std::exchange(driver->boxAction_, nullptr);
        driver->Run([&] { action(open); });
    }

    // The caption of the item of that name, by its place in the menus.
    static bool FindCaption(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items,
                            const std::string& name, std::string& caption) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto position = static_cast<UINT>(i);
            if (items[i]->Name() == name) {
                wchar_t text[256] = {};
                GetMenuStringW(menu, position, text, static_cast<int>(std::size(text)),
                               MF_BYPOSITION);
                caption = Narrow(text);
                return true;
            }
            const HMENU submenu = GetSubMenu(menu, static_cast<int>(position));
            if (submenu != nullptr && FindCaption(submenu, items[i]->Items(), name, caption)) {
                return true;
            }
        }
        return false;
    }

    HWND Control(const Form& form, const std::string& name) const {
        const HWND hwnd = platform_.ControlOf(form, name);
        EXPECT_NE(hwnd, nullptr) << name;
        return hwnd;
    }

    void Post(const Form& form, const std::string& control, bool right) {
        const HWND hwnd = Control(form, control);
        const LPARAM at = MAKELPARAM(4, 4);
        PostMessageW(hwnd, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                     at);
        PostMessageW(hwnd, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
    }

    // Delivers what is queued, as a handler's yield would.
    void Deliver() {
        Run([this] { platform_.Yield(); });
    }

    Win32Platform platform_{GetModuleHandleW(nullptr), "Dorvanta"};
    std::map<UINT_PTR, std::function<void()>> timed_;
    std::function<void(OpenBox&)> boxAction_;
    UINT_PTR boxPoll_ = 0;
};

}  // namespace

std::unique_ptr<DesktopDriver> MakeDesktopDriver() {
    return std::make_unique<Win32Driver>();
}

}  // namespace dorvanta::contract
