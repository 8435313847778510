#include "platform/controls.h"

#include <algorithm>
#include <utility>

namespace dorvanta {

Control::Control(std::string name, ControlKind kind, Geometry geometry)
    : name_(std::move(name)), kind_(kind), geometry_(geometry) {}

void Control::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Changed();
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed();
    }
}

void Control::Changed() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

Label::Label(std::string name, Geometry geometry, std::string caption)
    : Control(std::move(name), ControlKind::Label, geometry), caption_(std::move(caption)) {}

void Label::SetCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        Changed();
    }
}

Button::Button(std::string name, Geometry geometry, std::string caption)
    : Control(std::move(name), ControlKind::Button, geometry), caption_(std::move(caption)) {}

void Button::SetCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        Changed();
    }
}

void Button::PressMouse(int mouseButton) {
    if (Enabled() && Visible() && onMouseDown) {
        onMouseDown(mouseButton);
    }
}

void Button::Click() {
    if (Enabled() && Visible() && onClick) {
        onClick();
    }
}

TextBox::TextBox(std::string name, Geometry geometry, std::string text)
    : Control(std::move(name), ControlKind::TextBox, geometry), text_(std::move(text)) {}

void TextBox::SetText(std::string text) {
    ReplaceText(std::move(text), 0);
}

void TextBox::ReplaceText(std::string text, int caret) {
    // The same text again is no change: the caret stays where the user left it.
    if (text_ == text) {
        return;
    }
    selStart_ = caret;
    selLength_ = 0;
    text_ = std::move(text);
    Changed();
    if (onChange) {
        onChange();
    }
}

void TextBox::SetSelection(int start, int length) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    Changed();
}

void TextBox::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Changed();
}

void TextBox::TypeKey(char key) {
    if (!Enabled() || readOnly_) {
        return;
    }
    if (onKeyPress) {
        onKeyPress(key);
    }
    if (key == 0) {
        return;
    }
    std::string text = text_;
    int start = selStart_;
    int length = selLength_;
    if (key == kBackspace) {
        if (length == 0 && start > 0) {
            --start;
            length = 1;
        }
        text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        ReplaceText(std::move(text), start);
        return;
    }
    text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), 1, key);
    ReplaceText(std::move(text), start + 1);
}

ScrollBar::ScrollBar(std::string name, ControlKind kind, Geometry geometry, std::int16_t min,
                     std::int16_t max, std::int16_t value)
    : Control(std::move(name), kind, geometry), min_(min), max_(max), value_(value) {}

std::int16_t ScrollBar::Clamp(std::int16_t value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void ScrollBar::SetValue(std::int16_t value) {
    MoveTo(value, onChange);
}

void ScrollBar::UserScroll(std::int16_t value) {
    MoveTo(value, onScroll);
}

void ScrollBar::MoveTo(std::int16_t value, const std::function<void()>& handler) {
    value = Clamp(value);
    if (value_ == value) {
        return;
    }
    value_ = value;
    Changed();
    if (handler) {
        handler();
    }
}

SeparatorLine::SeparatorLine(std::string name, int x1, int y1, int x2, int y2)
    : Control(std::move(name), ControlKind::Line, Geometry{x1, y1, x2 - x1, y2 - y1}) {}

Picture::Picture(std::string name, Geometry geometry, Color backColor)
    : Control(std::move(name), ControlKind::Picture, geometry), backColor_(backColor) {}

void Picture::SetBackColor(Color color) {
    backColor_ = color;
    Changed();
}

void Picture::Cls() {
    displayList_.clear();
    displayList_.push_back(DrawCommand{DrawCommand::Kind::Clear});
}

void Picture::DrawLine(float x1, float y1, float x2, float y2, Color color) {
    displayList_.push_back(DrawCommand{DrawCommand::Kind::Line, x1, y1, x2, y2, 0, 0, color});
}

void Picture::FillBox(float x1, float y1, float x2, float y2, Color color) {
    displayList_.push_back(DrawCommand{DrawCommand::Kind::FilledBox, x1, y1, x2, y2, 0, 0, color});
}

void Picture::DrawEllipse(float x, float y, float semiAxis, float ratio, Color color) {
    displayList_.push_back(
        DrawCommand{DrawCommand::Kind::Ellipse, x, y, 0, 0, semiAxis, ratio, color});
}

void Picture::DrawCircle(float x, float y, float radius, Color color) {
    displayList_.push_back(DrawCommand{DrawCommand::Kind::Circle, x, y, 0, 0, radius, 0, color});
}

void Picture::Click() {
    if (Enabled() && Visible() && onClick) {
        onClick();
    }
}

MenuItem::MenuItem(std::string name, std::string caption, char mnemonic, std::string shortcut)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      mnemonic_(mnemonic),
      shortcut_(std::move(shortcut)) {}

void MenuItem::SetChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        if (view_ != nullptr) {
            view_->Refresh();
        }
    }
}

void MenuItem::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        if (view_ != nullptr) {
            view_->Refresh();
        }
    }
}

MenuItem& MenuItem::AddItem(std::string name, std::string caption, char mnemonic,
                            std::string shortcut) {
    items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), mnemonic,
                                                std::move(shortcut)));
    return *items_.back();
}

void MenuItem::Click() {
    if (enabled_ && onClick) {
        onClick();
    }
}

}  // namespace dorvanta
