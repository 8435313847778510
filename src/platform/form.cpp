#include "platform/form.h"

#include <set>
#include <stdexcept>
#include <utility>

namespace dorvanta {

Form::Form(Platform& platform, std::string name, std::string caption, int clientWidth,
           int clientHeight)
    : platform_(platform),
      name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

Form::~Form() {
    if (loaded_ && !unloaded_) {
        platform_.FormDestroyed(*this);
    }
}

Control* Form::FindControl(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

namespace {

void CollectNames(const std::vector<std::unique_ptr<MenuItem>>& items, const std::string& form,
                  std::set<std::string>& names) {
    for (const auto& item : items) {
        if (!names.insert(item->Name()).second) {
            throw std::logic_error(form + " declares two items named " + item->Name());
        }
        CollectNames(item->Items(), form, names);
    }
}

}  // namespace

// Scripts and desktops reach controls and menu items by name: a second one of
// a name would be out of their reach, so the form refuses to load.
void Form::RequireUniqueNames() const {
    std::set<std::string> names;
    for (const auto& control : controls_) {
        if (!names.insert(control->Name()).second) {
            throw std::logic_error(name_ + " declares two controls named " + control->Name());
        }
    }
    CollectNames(menuBar_, name_, names);
}

static MenuItem* FindIn(const std::vector<std::unique_ptr<MenuItem>>& items,
                        const std::string& name) {
    for (const auto& item : items) {
        if (item->Name() == name) {
            return item.get();
        }
        if (MenuItem* found = FindIn(item->Items(), name)) {
            return found;
        }
    }
    return nullptr;
}

MenuItem* Form::FindMenuItem(const std::string& name) const {
    return FindIn(menuBar_, name);
}

void Form::Load() {
    if (loaded_) {
        return;
    }
    RequireUniqueNames();
    loaded_ = true;
    platform_.FormCreated(*this);
    Form_Load();
}

void Form::Show() {
    Load();
    visible_ = true;
    platform_.FormShown(*this);
    Form_Activate();
}

void Form::Hide() {
    if (visible_) {
        visible_ = false;
        platform_.FormHidden(*this);
    }
}

void Form::Unload() {
    if (!loaded_ || unloaded_) {
        return;
    }
    Hide();
    unloaded_ = true;
    platform_.FormDestroyed(*this);
}

void Form::PressEnter() {
    if (defaultButton_ != nullptr) {
        defaultButton_->Click();
    }
}

void Form::PressEscape() {
    if (cancelButton_ != nullptr) {
        cancelButton_->Click();
    } else if (!sizable_) {
        CloseRequested();
    }
}

template <class T>
T& Form::Add(std::unique_ptr<T> control) {
    T& added = *control;
    controls_.push_back(std::move(control));
    return added;
}

Label& Form::AddLabel(std::string name, Geometry geometry, std::string caption) {
    return Add(std::make_unique<Label>(std::move(name), geometry, std::move(caption)));
}

Button& Form::AddButton(std::string name, Geometry geometry, std::string caption) {
    return Add(std::make_unique<Button>(std::move(name), geometry, std::move(caption)));
}

TextBox& Form::AddTextBox(std::string name, Geometry geometry, std::string text) {
    return Add(std::make_unique<TextBox>(std::move(name), geometry, std::move(text)));
}

ScrollBar& Form::AddHScrollBar(std::string name, Geometry geometry, std::int16_t min,
                               std::int16_t max, std::int16_t value) {
    return Add(std::make_unique<ScrollBar>(std::move(name), ControlKind::HScrollBar, geometry, min,
                                           max, value));
}

ScrollBar& Form::AddVScrollBar(std::string name, Geometry geometry, std::int16_t min,
                               std::int16_t max, std::int16_t value) {
    return Add(std::make_unique<ScrollBar>(std::move(name), ControlKind::VScrollBar, geometry, min,
                                           max, value));
}

Picture& Form::AddPicture(std::string name, Geometry geometry, Color backColor) {
    return Add(std::make_unique<Picture>(std::move(name), geometry, backColor));
}

SeparatorLine& Form::AddLine(std::string name, int x1, int y1, int x2, int y2) {
    return Add(std::make_unique<SeparatorLine>(std::move(name), x1, y1, x2, y2));
}

MenuItem& Form::AddMenu(std::string name, std::string caption, char mnemonic) {
    menuBar_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), mnemonic));
    return *menuBar_.back();
}

}  // namespace dorvanta
