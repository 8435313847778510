// A top-level window built from a form's declarations: a client area with
// every control at its declared place, the form's menu bar with its check
// marks, mnemonics and shortcuts, and the window's one font. A sizable window
// letterboxes its client area at the largest scale that keeps the design's
// proportions; the others keep their design size times the scale they are
// given. Scales are device pixels per design pixel, so a screen's DPI is part
// of them. Tab moves among the controls that take it; Enter and Escape go to
// the form, which knows its default and Cancel buttons.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/scaling.h"
#include "platform/win32/control_windows.h"
#include "platform/win32/win32_platform.h"

namespace dorvanta {

class MenuItemView;

class FormFrame {
  public:
    FormFrame(Win32Platform& platform, Form& form);
    ~FormFrame();
    FormFrame(const FormFrame&) = delete;
    FormFrame& operator=(const FormFrame&) = delete;

    // Registers the window classes of frames and their client areas.
    static void RegisterClasses(HINSTANCE instance);

    HWND Hwnd() const { return frame_; }
    // The child window of the declared control of that name, else nullptr.
    HWND ControlHwnd(const std::string& name) const;
    // Lets go of the form and its models; the window stays inert until destroyed.
    void Detach();

    // Shows the window; one that is not sizable first takes `scale`. Before it
    // first shows, a sizable window takes the largest opening scale its screen
    // has room for, centred on the screen, and the others are centred over
    // `mainWindow`; either lies wholly on the screen. Later showings leave it
    // where the player put it.
    void Show(double scale, HWND mainWindow);
    void Hide() { ShowWindow(frame_, SW_HIDE); }
    // Chooses the menu item of a shortcut typed anywhere in the window.
    bool TranslateShortcut(MSG& message) const;
    // Acts on Tab, Enter and Escape typed anywhere in the window.
    bool TranslateKey(const MSG& message);

  private:
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnClientMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void BuildMenuBar();
    void AddItems(HMENU menu, MenuItem& parent);
    void AddShortcut(const MenuItem& item, WORD id);
    void ChooseMenuItem(WORD id);
    ControlWindow* FindControl(HWND hwnd) const;

    DWORD Style() const;
    UINT Dpi() const;
    // Device pixels per design pixel at scale 1 on the window's screen.
    double ScreenScale() const;
    void PlaceOnFirstShowing(HWND mainWindow);
    void TakeOpeningSize(const PixelRect& screen);
    void MoveFocus(bool backwards);
    // Lays the client area and its controls out at `scale`, in the window's font.
    void SetScale(double scale);
    // The frame's size for a client area of the given size.
    SIZE FrameSize(int clientWidth, int clientHeight) const;
    void FitFrameToClient();
    void FitClientToFrame();
    void LimitTrackingSize(MINMAXINFO& limits) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    Win32Platform& platform_;
    Form* form_;
    int designWidth_;
    int designHeight_;
    bool sizable_;
    HWND frame_ = nullptr;
    HWND client_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    std::vector<ACCEL> shortcutTable_;
    HFONT font_ = nullptr;
    double scale_ = 0;
    bool placed_ = false;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::vector<std::unique_ptr<MenuItemView>> menuViews_;  // by id - kFirstMenuId
};

}  // namespace dorvanta
