// Controls as small models with the classic desktop semantics: setting a text or
// a value fires its Change handler synchronously and only on a real change, a
// key-press handler may discard the key, a programmatic text puts the insertion
// point at the start. The desktop mirrors them through a ControlView and feeds
// user input back through the User* / Press* / Click calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"

namespace dorvanta {

// Left, top, width, height in 1/1440 inch.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind { Button, TextBox, Label, HScrollBar, VScrollBar, Picture, Line };

// Labels and lines are drawn on the window itself, beneath every other
// control: a label's box may reach under a button, which still shows and
// takes its clicks whole.
constexpr bool LiesUnderOtherControls(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Line;
}

// Mouse buttons as the press event reports them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr char kBackspace = '\b';

class ControlView {
  public:
    virtual ~ControlView() = default;
    virtual void Refresh() = 0;
};

class Control {
  public:
    Control(std::string name, ControlKind kind, Geometry geometry);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    const Geometry& Geom() const { return geometry_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    void AttachView(ControlView* view) { view_ = view; }

  protected:
    void Changed();

  private:
    std::string name_;
    ControlKind kind_;
    Geometry geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    ControlView* view_ = nullptr;
};

class Label : public Control {
  public:
    Label(std::string name, Geometry geometry, std::string caption);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

  private:
    std::string caption_;
};

class Button : public Control {
  public:
    Button(std::string name, Geometry geometry, std::string caption);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    std::function<void(int mouseButton)> onMouseDown;
    std::function<void()> onClick;

    // User input; ignored while the button is disabled or hidden.
    void PressMouse(int mouseButton);
    void Click();

  private:
    std::string caption_;
};

class TextBox : public Control {
  public:
    TextBox(std::string name, Geometry geometry, std::string text);
    const std::string& Text() const { return text_; }
    // A programmatic text: insertion point at the start, nothing selected.
    void SetText(std::string text);
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, static_cast<int>(text_.size())); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    const std::string& ToolTip() const { return toolTip_; }
    void SetToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }

    // May set the key to 0 to discard it.
    std::function<void(char& key)> onKeyPress;
    std::function<void()> onChange;

    // A key typed by the user: key press first, then the key replaces the
    // selection (Backspace deletes it, or the character before the caret).
    void TypeKey(char key);

  private:
    void ReplaceText(std::string text, int caret);

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool readOnly_ = false;
    std::string toolTip_;
};

class ScrollBar : public Control {
  public:
    ScrollBar(std::string name, ControlKind kind, Geometry geometry, std::int16_t min,
              std::int16_t max, std::int16_t value);
    std::int16_t Min() const { return min_; }
    std::int16_t Max() const { return max_; }
    std::int16_t Value() const { return value_; }
    // Clamped to the range; fires onChange when the value really changes.
    void SetValue(std::int16_t value);

    std::function<void()> onChange;
    std::function<void()> onScroll;

    // User input: a click on an arrow or the track, or a released thumb.
    void UserChange(std::int16_t value) { SetValue(value); }
    // User input: the thumb being dragged.
    void UserScroll(std::int16_t value);

  private:
    std::int16_t Clamp(std::int16_t value) const;
    // Only a real change of the value runs `handler`.
    void MoveTo(std::int16_t value, const std::function<void()>& handler);

    std::int16_t min_;
    std::int16_t max_;
    std::int16_t value_;
};

class SeparatorLine : public Control {
  public:
    SeparatorLine(std::string name, int x1, int y1, int x2, int y2);
    int X1() const { return Geom().left; }
    int Y1() const { return Geom().top; }
    int X2() const { return Geom().left + Geom().width; }
    int Y2() const { return Geom().top + Geom().height; }
};

// One drawing primitive in picture units (1/1440 inch, y down).
struct DrawCommand {
    enum class Kind { Clear, Line, FilledBox, Ellipse, Circle };
    Kind kind = Kind::Clear;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, box corners, or centre in x1/y1
    float radius = 0;                      // ellipse semi-axis, circle radius
    float ratio = 0;                       // ellipse vertical-to-horizontal ratio
    Color color = 0;

    bool operator==(const DrawCommand&) const = default;
};

class Picture : public Control {
  public:
    Picture(std::string name, Geometry geometry, Color backColor);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color);

    const std::vector<DrawCommand>& DisplayList() const { return displayList_; }
    void Cls();
    void DrawLine(float x1, float y1, float x2, float y2, Color color);
    void FillBox(float x1, float y1, float x2, float y2, Color color);
    void DrawEllipse(float x, float y, float semiAxis, float ratio, Color color);
    void DrawCircle(float x, float y, float radius, Color color);
    // The drawing is complete: the desktop shows it, once.
    void Present() { Changed(); }

    std::function<void()> onClick;
    void Click();

  private:
    Color backColor_;
    std::vector<DrawCommand> displayList_;
};

// A menu title or item. Besides its caption it may name a mnemonic, the letter
// that chooses it with Alt (a title) or in its open menu (an item), marked at
// its first occurrence in the caption, and a shortcut, a key by name ("F1") that
// chooses it anywhere in its window.
class MenuItem {
  public:
    MenuItem(std::string name, std::string caption, char mnemonic = 0, std::string shortcut = "");
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    // 0 for none.
    char Mnemonic() const { return mnemonic_; }
    // Empty for none.
    const std::string& Shortcut() const { return shortcut_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool IsSeparator() const { return caption_ == "-"; }

    MenuItem& AddItem(std::string name, std::string caption, char mnemonic = 0,
                      std::string shortcut = "");
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

    std::function<void()> onClick;
    void Click();

    void AttachView(ControlView* view) { view_ = view; }

  private:
    std::string name_;
    std::string caption_;
    char mnemonic_;
    std::string shortcut_;
    bool checked_ = false;
    bool enabled_ = true;
    std::vector<std::unique_ptr<MenuItem>> items_;
    ControlView* view_ = nullptr;
};

}  // namespace dorvanta
