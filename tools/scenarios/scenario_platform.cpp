#include "scenarios/scenario_platform.h"

namespace dorvanta::lab {

void ScenarioPlatform::Yielding() {
    if (PendingActions() == 0 && YieldCount() - lastProgress_ >= kStallYields) {
        throw ScenarioStalled("still running after " + std::to_string(kStallYields) +
                              " yields with nothing left in the script to deliver");
    }
}

BoxAnswer ScenarioPlatform::MessageBox(const std::string& text, BoxButtons buttons,
                                       const std::string& title) {
    const BoxAnswer answer = ScriptedPlatform::MessageBox(text, buttons, title);
    report_ << "box \"" << text << "\" -> " << Boxes().back().answer << '\n';
    return answer;
}

std::string ScenarioPlatform::InputBox(const std::string& prompt, const std::string& title) {
    std::string text = ScriptedPlatform::InputBox(prompt, title);
    report_ << "input \"" << prompt << "\" -> ";
    if (text.empty()) {
        report_ << "cancel\n";
    } else {
        report_ << '"' << text << "\"\n";
    }
    return text;
}

}  // namespace dorvanta::lab
