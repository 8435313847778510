#include "scenarios/scenario_runner.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <type_traits>

#include "core/number_text.h"

namespace dorvanta::lab {

namespace {

// Numbers that differ by less than this share of their size count as equal.
constexpr double kRelativeTolerance = 1e-9;
// Seconds the fake clock advances at each reading outside a yield, so that a
// busy loop timed by the clock (the automatic calibration) ends: 3 seconds
// take 300000 readings.
constexpr double kSecondsPerClockRead = 1e-5;

// The game did something the script did not expect; already says where.
class ScenarioFailure : public std::runtime_error {
  public:
    ScenarioFailure(int line, const std::string& message)
        : std::runtime_error((line > 0 ? "line " + std::to_string(line) : "end of script") + ": " +
                             message) {}
};

const char* BoolText(bool value) {
    return value ? "true" : "false";
}

std::vector<std::string> Split(const std::string& name) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t dot = name.find('.'); dot != std::string::npos; dot = name.find('.', start)) {
        parts.push_back(name.substr(start, dot - start));
        start = dot + 1;
    }
    parts.push_back(name.substr(start));
    return parts;
}

// Numbers compare by value unless the script quoted the expected text.
bool SameValue(const std::string& expected, bool quoted, const std::string& actual) {
    if (quoted) {
        return expected == actual;
    }
    const auto want = WholeNumber(expected);
    const auto got = WholeNumber(actual);
    if (!want || !got) {
        return expected == actual;
    }
    return *want == *got ||
           std::abs(*want - *got) <= kRelativeTolerance * std::max(std::abs(*want), std::abs(*got));
}

std::string MenuProperty(int line, const MenuItem& item, const std::string& property) {
    if (property == "Caption") {
        return item.Caption();
    }
    if (property == "Checked") {
        return BoolText(item.Checked());
    }
    if (property == "Enabled") {
        return BoolText(item.Enabled());
    }
    throw ScriptError(line, "menu item " + item.Name() + " has no property " + property);
}

std::string ControlProperty(int line, const Control& control, const std::string& property) {
    if (property == "Enabled") {
        return BoolText(control.Enabled());
    }
    if (property == "Visible") {
        return BoolText(control.Visible());
    }
    if (const auto* label = dynamic_cast<const Label*>(&control); label && property == "Caption") {
        return label->Caption();
    }
    if (const auto* button = dynamic_cast<const Button*>(&control);
        button && property == "Caption") {
        return button->Caption();
    }
    if (const auto* box = dynamic_cast<const TextBox*>(&control); box && property == "Text") {
        return box->Text();
    }
    if (const auto* bar = dynamic_cast<const ScrollBar*>(&control); bar && property == "Value") {
        return std::to_string(bar->Value());
    }
    throw ScriptError(line, control.Name() + " has no property " + property);
}

}  // namespace

ScenarioRunner::ScenarioRunner(std::ostream& report)
    : report_(report), platform_(report), main_(platform_), probe_(main_) {
    const std::vector<std::string> names = probe_.Names();
    numericMembers_.insert(names.begin(), names.end());
    platform_.SetSecondsPerClockRead(kSecondsPerClockRead);
}

int ScenarioRunner::Run(const std::vector<ScriptStep>& steps) {
    try {
        main_.Show();
        for (const ScriptStep& step : steps) {
            Perform(step);
        }
        CheckNothingLeft();
        return kScenarioPassed;
    } catch (const QuitRequested&) {
        report_ << "ended\n";
        return kScenarioPassed;
    } catch (const ScriptError& error) {
        report_ << error.what() << '\n';
        return kScenarioBadScript;
    } catch (const std::exception& error) {
        report_ << error.what() << '\n';
        return kScenarioFailed;
    }
}

// Whatever goes wrong inside a step is reported with the line of the innermost
// step running, which is the one an `after` delivered into the game.
void ScenarioRunner::Perform(const ScriptStep& step) {
    platform_.NoteProgress();
    try {
        Act(step);
    } catch (const ScriptError&) {
        throw;
    } catch (const ScenarioFailure&) {
        throw;
    } catch (const std::exception& error) {  // an unscripted box among them
        throw ScenarioFailure(step.line, error.what());
    }
}

void ScenarioRunner::Act(const ScriptStep& step) {
    switch (step.verb) {
        case Verb::Press:
            Reachable<Button>(step).PressMouse(step.mouseButton);
            break;
        case Verb::Click:
            Click(step);
            break;
        case Verb::Menu:
            Reachable<MenuItem>(step).Click();
            break;
        case Verb::Type:
            Type(step);
            break;
        case Verb::Scroll:
            Reachable<ScrollBar>(step).UserChange(step.scrollValue);
            break;
        case Verb::Answer:
            platform_.QueueAnswer(step.answer);
            ++answersQueued_;
            break;
        case Verb::Input:
            platform_.QueueInput(step.text);
            ++inputsQueued_;
            break;
        case Verb::After:
            Schedule(step);
            break;
        case Verb::Random:
            for (const float value : step.randoms) {
                platform_.QueueRandom(value);
            }
            break;
        case Verb::Set:
            SetMember(step);
            break;
        case Verb::Expect:
            Expect(step);
            break;
        case Verb::Print:
            report_ << step.target << " = " << Read(step.line, step.target) << '\n';
            break;
    }
}

void ScenarioRunner::Click(const ScriptStep& step) {
    if (auto* picture = dynamic_cast<Picture*>(&Reachable<Control>(step))) {
        picture->Click();
    } else {
        Reachable<Button>(step).Click();
    }
}

// The user selects the whole text first, so the keys replace it.
void ScenarioRunner::Type(const ScriptStep& step) {
    TextBox& box = Reachable<TextBox>(step);
    box.SelectAll();
    for (const char key : step.text) {
        box.TypeKey(key);
    }
}

void ScenarioRunner::Schedule(const ScriptStep& step) {
    ++waitingAfters_[step.line];
    platform_.AtYield(step.yields, [this, line = step.line, later = step.later] {
        if (--waitingAfters_[line] == 0) {
            waitingAfters_.erase(line);
        }
        Perform(*later);
    });
}

void ScenarioRunner::SetMember(const ScriptStep& step) {
    if (!probe_.Has(step.target)) {
        throw ScriptError(step.line, "no member named " + step.target);
    }
    if (numericMembers_.count(step.target) == 0) {
        probe_.SetString(step.target, step.text);
        return;
    }
    const auto value = WholeNumber(step.text);
    if (!value) {
        throw ScriptError(step.line, step.target + " takes a number, not \"" + step.text + "\"");
    }
    try {
        probe_.Set(step.target, *value);
    } catch (const std::out_of_range& refusal) {
        throw ScriptError(step.line, refusal.what());
    }
}

void ScenarioRunner::Expect(const ScriptStep& step) {
    const std::string actual = Read(step.line, step.target);
    if (!SameValue(step.text, step.quoted, actual)) {
        throw ScenarioFailure(step.line,
                              "expected " + step.target + " = " + step.text + ", got " + actual);
    }
}

void ScenarioRunner::CheckNothingLeft() const {
    if (!waitingAfters_.empty()) {
        throw ScenarioFailure(waitingAfters_.begin()->first,
                              "the game stopped yielding before this action was due");
    }
    std::size_t answered = 0;
    for (const ShownBox& box : platform_.Boxes()) {
        answered += box.isInput ? 0 : 1;
    }
    if (answered < answersQueued_ || platform_.Boxes().size() - answered < inputsQueued_) {
        throw ScenarioFailure(0, "an answer was queued for a box that never came");
    }
}

std::string ScenarioRunner::Read(int line, const std::string& name) {
    const std::vector<std::string> parts = Split(name);
    if (parts.size() > 1) {
        return ReadProperty(line, parts);
    }
    if (!probe_.Has(name)) {
        throw ScriptError(line, "no member named " + name);
    }
    return numericMembers_.count(name) != 0 ? NumberText(probe_.Get(name)) : probe_.GetString(name);
}

// "Control.Property", "Window.Control.Property", or "Window.Property" for a
// window's Loaded, Visible and Caption.
std::string ScenarioRunner::ReadProperty(int line, const std::vector<std::string>& parts) {
    const std::string& property = parts.back();
    if (parts.size() == 2 && parts.front().starts_with("Form")) {
        const Form* window =
            parts.front() == main_.Name() ? &main_ : platform_.LoadedForm(parts.front());
        if (property == "Loaded" || property == "Visible") {
            return BoolText(window != nullptr && (property == "Loaded" || window->Visible()));
        }
        if (property == "Caption") {
            return LoadedWindow(line, parts.front()).Caption();
        }
        throw ScriptError(line, "a window has no property " + property);
    }
    if (parts.size() > 3) {
        throw ScriptError(line, "too many dots in a name");
    }
    const Form& window = parts.size() == 3 ? LoadedWindow(line, parts.front()) : main_;
    const std::string& name = parts[parts.size() - 2];
    if (const MenuItem* item = window.FindMenuItem(name)) {
        return MenuProperty(line, *item, property);
    }
    if (const Control* control = window.FindControl(name)) {
        return ControlProperty(line, *control, property);
    }
    throw ScriptError(line, "no control or menu item named " + name);
}

Form& ScenarioRunner::LoadedWindow(int line, const std::string& name) {
    if (name == main_.Name()) {
        return main_;
    }
    if (Form* window = platform_.LoadedForm(name)) {
        return *window;
    }
    throw ScenarioFailure(line, name + " is not loaded");
}

template <class T>
T& ScenarioRunner::Reachable(const ScriptStep& step) {
    const std::vector<std::string> parts = Split(step.target);
    if (parts.size() > 2) {
        throw ScriptError(step.line, "too many dots in a name");
    }
    Form& window = parts.size() == 2 ? LoadedWindow(step.line, parts.front()) : main_;
    if (&window != &main_ && !window.Visible()) {
        throw ScenarioFailure(step.line, window.Name() + " is not shown");
    }
    T* target = nullptr;
    if constexpr (std::is_same_v<T, MenuItem>) {
        target = window.FindMenuItem(parts.back());
    } else {
        target = dynamic_cast<T*>(window.FindControl(parts.back()));
    }
    if (target == nullptr) {
        throw ScriptError(step.line, "no fitting control or menu item named " + parts.back());
    }
    return *target;
}

}  // namespace dorvanta::lab
