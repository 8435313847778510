// One child window per declared control. A window mirrors its model on Refresh
// and turns the player's input into the model's User*/Press*/Click/TypeKey
// calls; once detached (the form unloaded) it ignores input, since the model
// may be gone.
#pragma once

#include <memory>

#include "platform/controls.h"
#include "platform/win32/win32_platform.h"

namespace dorvanta {

class ControlWindow : public ControlView {
  public:
    ~ControlWindow() override = default;

    HWND Hwnd() const { return hwnd_; }
    // The model, or nullptr once detached.
    virtual const Control* Model() const = 0;
    // Stops mirroring the model and forgets it.
    virtual void Detach() = 0;
    // The window has been moved and resized for `scale` times its design size.
    virtual void SetScale(double /*scale*/) {}
    // Notifications the client area forwards: WM_COMMAND codes and scroll-bar requests.
    virtual void OnCommand(WORD /*code*/) {}
    virtual void OnScroll(WORD /*request*/) {}

  protected:
    HWND hwnd_ = nullptr;
};

// The control's window as a child of `parent`, already showing the model's state.
std::unique_ptr<ControlWindow> CreateControlWindow(Win32Platform& platform, Control& control,
                                                   HWND parent);

// Registers the window class of the picture areas.
void RegisterPictureClass(HINSTANCE instance);

}  // namespace dorvanta
