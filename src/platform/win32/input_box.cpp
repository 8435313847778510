#include "platform/win32/input_box.h"

#include "platform/scaling.h"

namespace dorvanta {

namespace {

constexpr wchar_t kInputBoxClass[] = L"DorvantaInputBox";
// The box's layout in 1/1440 inch: left, top, width, height.
constexpr int kClientWidth = 6000;
constexpr int kClientHeight = 2400;
constexpr int kPromptPlace[4] = {120, 120, 4500, 1200};
constexpr int kOkPlace[4] = {4800, 120, 1080, 375};
constexpr int kCancelPlace[4] = {4800, 600, 1080, 375};
constexpr int kEditPlace[4] = {120, 1800, 5760, 375};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;

}  // namespace

void InputBoxWindow::RegisterWindowClass(HINSTANCE instance) {
    dorvanta::RegisterWindowClass(instance, kInputBoxClass, &InputBoxWindow::WindowProc);
}

InputBoxWindow::InputBoxWindow(HINSTANCE instance, HWND owner, const std::string& prompt,
                               const std::string& title, double scale)
    : scale_(scale) {
    RECT frame{0, 0, UnitsToPixels(kClientWidth, scale), UnitsToPixels(kClientHeight, scale)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) {
        GetWindowRect(owner, &ownerRect);
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kInputBoxClass,
                              Widen(title).c_str(), kStyle,
                              (ownerRect.left + ownerRect.right - width) / 2,
                              (ownerRect.top + ownerRect.bottom - height) / 2, width, height, owner,
                              nullptr, instance, this);
    font_ = CreateDesignFont(scale);
    AddChild(WC_STATICW, Widen(prompt), SS_LEFT | SS_NOPREFIX, 0, 0, kPromptPlace);
    AddChild(WC_BUTTONW, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK, kOkPlace);
    AddChild(WC_BUTTONW, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0, IDCANCEL, kCancelPlace);
    edit_ = AddChild(WC_EDITW, L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 0, kEditPlace);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(edit_);
}

InputBoxWindow::~InputBoxWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    DeleteObject(font_);
}

HWND InputBoxWindow::AddChild(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                              DWORD exStyle, int id, const int (&place)[4]) {
    const int left = UnitsToPixels(place[0], scale_);
    const int top = UnitsToPixels(place[1], scale_);
    const HWND child =
        CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, left,
                        top, UnitsToPixels(place[0] + place[2], scale_) - left,
                        UnitsToPixels(place[1] + place[3], scale_) - top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void InputBoxWindow::Answer(bool accepted) {
    answered_ = true;
    if (accepted) {
        std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
        typed.resize(static_cast<std::size_t>(
            GetWindowTextW(edit_, typed.data(), static_cast<int>(typed.size()))));
        text_ = Narrow(typed);
    }
    ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK InputBoxWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner<InputBoxWindow>(hwnd, message, lParam);
    if (self != nullptr && self->edit_ != nullptr) {
        if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            self->Answer(LOWORD(wParam) == IDOK);
            return 0;
        }
        if (message == WM_CLOSE) {
            self->Answer(false);
            return 0;
        }
    }
    if (message == WM_CTLCOLORSTATIC) {
        return FaceBackground(wParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace dorvanta
