// A window as a logic object: it declares its controls and menus like a form
// file (name, kind, geometry in 1/1440 inch, caption) and owns their models.
// The desktop builds real widgets from the declarations when the form loads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"

namespace dorvanta {

class Form {
  public:
    Form(Platform& platform, std::string name, std::string caption, int clientWidth,
         int clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // A sizable window can be resized and maximised, and its contents scale with
    // it; the others keep their design size.
    bool Sizable() const { return sizable_; }

    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    const std::vector<std::unique_ptr<MenuItem>>& MenuBar() const { return menuBar_; }
    // nullptr when the form has no control or menu item of that name.
    Control* FindControl(const std::string& name) const;
    MenuItem* FindMenuItem(const std::string& name) const;

    bool Loaded() const { return loaded_; }
    bool Unloaded() const { return unloaded_; }
    bool Visible() const { return visible_; }

    // Creates the window on first use and runs Form_Load.
    void Load();
    // Loads if needed, shows the window modeless and brings it to the front.
    void Show();
    void Hide();
    // Hides the window and destroys its widgets; the owner makes a new form next time.
    void Unload();
    // The window became the active one.
    void Activate() { Form_Activate(); }
    // The user closed the window with its own close control.
    virtual void CloseRequested() { Unload(); }
    // Enter, typed anywhere in the window: presses its default button, if it has one.
    void PressEnter();
    // Escape, typed anywhere in the window: presses its Cancel button. A small
    // window without one closes as with its close control; the sizable main
    // window ignores it, since closing that ends the game.
    void PressEscape();

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}

    Platform& platform() { return platform_; }
    // Declared before the window loads, like the caption and the client size.
    void SetSizable(bool sizable) { sizable_ = sizable; }
    // The buttons Enter and Escape press.
    void SetDefaultButton(Button& button) { defaultButton_ = &button; }
    void SetCancelButton(Button& button) { cancelButton_ = &button; }
    // A button that only closes the window: both keys press it.
    void SetClosingButton(Button& button) {
        SetDefaultButton(button);
        SetCancelButton(button);
    }

    Label& AddLabel(std::string name, Geometry geometry, std::string caption);
    Button& AddButton(std::string name, Geometry geometry, std::string caption);
    TextBox& AddTextBox(std::string name, Geometry geometry, std::string text = "");
    ScrollBar& AddHScrollBar(std::string name, Geometry geometry, std::int16_t min,
                             std::int16_t max, std::int16_t value);
    ScrollBar& AddVScrollBar(std::string name, Geometry geometry, std::int16_t min,
                             std::int16_t max, std::int16_t value);
    Picture& AddPicture(std::string name, Geometry geometry, Color backColor);
    SeparatorLine& AddLine(std::string name, int x1, int y1, int x2, int y2);
    MenuItem& AddMenu(std::string name, std::string caption, char mnemonic = 0);

  private:
    template <class T>
    T& Add(std::unique_ptr<T> control);
    void RequireUniqueNames() const;

    Platform& platform_;
    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<MenuItem>> menuBar_;
    bool sizable_ = false;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool visible_ = false;
};

// The form held in `slot`, created afresh when it never existed or was unloaded.
template <class F, class... Args>
F& LoadedForm(std::unique_ptr<F>& slot, Args&&... args) {
    if (!slot || slot->Unloaded()) {
        slot = std::make_unique<F>(std::forward<Args>(args)...);
    }
    slot->Load();
    return *slot;
}

// Hides the form held in `slot` if it was ever created; creates nothing.
template <class F>
void HideIfLoaded(const std::unique_ptr<F>& slot) {
    if (slot) {
        slot->Hide();
    }
}

}  // namespace dorvanta
