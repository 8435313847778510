// The desktop contract's view of a desktop: what every desktop the game runs on
// must do is written once (desktop_contract_test.cpp) against this small
// driver, which each desktop's test program provides: the player's input,
// boxes answered while they are open, and what the windows show.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/raster.h"
#include "platform/scaling.h"

namespace dorvanta::contract {

// A modal box while it is open.
class OpenBox {
  public:
    virtual ~OpenBox() = default;
    virtual std::string Title() const = 0;
    virtual std::string Text() const = 0;
    // Chooses one of the box's buttons.
    virtual void Answer(BoxAnswer answer) = 0;
    // Types into an input box and chooses OK.
    virtual void Enter(const std::string& text) = 0;
};

// Keys that move around a window or answer it rather than type.
enum class Key { Enter, Escape, Tab };

class DesktopDriver {
  public:
    virtual ~DesktopDriver() = default;

    virtual Platform& Desktop() = 0;
    // Runs logic the way the desktop runs a handler.
    virtual void Run(const std::function<void()>& logic) = 0;
    virtual bool Ending() const = 0;
    // Runs the desktop's event loop until the program ends; its exit status.
    virtual int RunEventLoop() = 0;
    // Runs `action` as a handler inside the event loop, `millis` from now.
    virtual void After(int millis, std::function<void()> action) = 0;
    // Runs `action` as a handler on the next modal box once it is open.
    virtual void WhenBoxOpens(std::function<void(OpenBox&)> action) = 0;
    // The loaded form of that name, else nullptr.
    virtual Form* LoadedForm(const std::string& name) = 0;

    // The player's input on a shown window's control, delivered before the call returns.
    virtual void PressMouse(const Form& form, const std::string& control, int mouseButton) = 0;
    // A left press and release queued for the next yield to deliver; false
    // when the driver cannot queue input as the window system does.
    virtual bool QueueClick(const Form& form, const std::string& control) = 0;
    virtual void PressSpace(const Form& form, const std::string& control) = 0;
    // Printable characters and '\b' for Backspace, typed into a text box.
    virtual void TypeKeys(const Form& form, const std::string& control,
                          const std::string& keys) = 0;
    virtual void PressF1(const Form& form) = 0;
    // A key pressed while the control has the focus.
    virtual void PressKey(const Form& form, const std::string& control, Key key) = 0;
    // The control that has the focus in the window, "" for none.
    virtual std::string FocusedControl(const Form& form) = 0;
    // A click on the arrow at a scroll bar's maximum end.
    virtual void ClickArrowUp(const Form& form, const std::string& control) = 0;

    // What the window system shows.
    virtual std::string ShownText(const Form& form, const std::string& control) = 0;
    // A menu item's caption with its mnemonic marked by '&' and its own
    // ampersands doubled.
    virtual std::string MenuCaption(const Form& form, const std::string& item) = 0;
    // The drawing inside a picture area's border, in device pixels.
    virtual Raster Grab(const Form& form, const std::string& picture) = 0;
    // Resizes a sizable window so that the room below its menu bar has this size.
    virtual void ResizeRoom(const Form& form, int width, int height) = 0;
    // The whole window, frame and all, and the free area of its screen, in
    // the screen's pixels; and the window moved there.
    virtual PixelRect Frame(const Form& form) = 0;
    virtual PixelRect ScreenArea(const Form& form) = 0;
    virtual void MoveFrame(const Form& form, int left, int top) = 0;
    // The client area in that room, and a control in its client area.
    virtual PixelRect ClientArea(const Form& form) = 0;
    virtual PixelRect Placed(const Form& form, const std::string& control) = 0;
    // Whether the control shows on its window.
    virtual bool Shown(const Form& form, const std::string& control) = 0;
    // The control on top at a point of the client area, "" for none.
    virtual std::string ControlAt(const Form& form, int x, int y) = 0;
    // Where the caption of a label or button, or the text of a text box, is
    // drawn, and the room it has there, in its client area.
    virtual PixelRect TextBounds(const Form& form, const std::string& control) = 0;
    virtual PixelRect TextRoom(const Form& form, const std::string& control) = 0;
    virtual int FontPixels(const Form& form, const std::string& control) = 0;
};

// The driver of the desktop this test program is built for.
std::unique_ptr<DesktopDriver> MakeDesktopDriver();

}  // namespace dorvanta::contract
