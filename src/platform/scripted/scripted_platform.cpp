#include "platform/scripted/scripted_platform.h"

#include <algorithm>
#include <cmath>

#include "platform/form.h"

namespace dorvanta {

namespace {
constexpr double kSecondsPerDay = 86400.0;

const char* AnswerText(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok:
            return "OK";
        case BoxAnswer::Cancel:
            return "Cancel";
        case BoxAnswer::Yes:
            return "Yes";
        case BoxAnswer::No:
            return "No";
    }
    return "?";
}

bool Fits(BoxAnswer answer, BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return answer == BoxAnswer::Ok;
        case BoxButtons::OkCancel:
            return answer == BoxAnswer::Ok || answer == BoxAnswer::Cancel;
        case BoxButtons::YesNo:
            return answer == BoxAnswer::Yes || answer == BoxAnswer::No;
    }
    return false;
}
}  // namespace

void ScriptedPlatform::AdvanceClocks(double seconds) {
    monotonic_ += seconds;
    timeOfDay_ += seconds;
    if (timeOfDay_ >= kSecondsPerDay) {
        timeOfDay_ -= kSecondsPerDay;
    }
}

void ScriptedPlatform::Pass(double seconds, bool deliverInput) {
    Yielding();
    if (ended_) {
        throw QuitRequested{};
    }
    ++yields_;
    AdvanceClocks(seconds);
    // Actions due now run to completion here, nested inside whatever loop yielded.
    while (deliverInput && !actions_.empty() && actions_.begin()->first <= yields_) {
        auto action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();
    }
}

void ScriptedPlatform::Yield() {
    Pass(kSecondsPerYield, true);
}

void ScriptedPlatform::YieldExcludingInput() {
    Pass(kSecondsPerYield, false);
}

// An endless wait is one ordinary yield: its caller asks again.
void ScriptedPlatform::WaitUntil(double deadline, const KeepWaiting& /*keepWaiting*/) {
    const double seconds = std::isfinite(deadline) ? deadline - monotonic_ : 0;
    ++waits_;
    Pass(std::max(seconds, kSecondsPerYield), true);
}

double ScriptedPlatform::TimeOfDay() {
    AdvanceClocks(secondsPerRead_);
    return timeOfDay_;
}

void ScriptedPlatform::AtYield(std::int64_t yieldsFromNow, std::function<void()> action) {
    actions_.emplace(yields_ + yieldsFromNow, std::move(action));
}

float ScriptedPlatform::Random() {
    if (randoms_.empty()) {
        throw std::logic_error("the script has no random number left");
    }
    const float value = randoms_.front();
    randoms_.pop_front();
    ++randomsDrawn_;
    return value;
}

BoxAnswer ScriptedPlatform::MessageBox(const std::string& text, BoxButtons buttons,
                                       const std::string& title) {
    if (answers_.empty()) {
        throw UnscriptedBox(text);
    }
    if (!Fits(answers_.front(), buttons)) {
        throw UnscriptedBox(text + " (scripted answer " + AnswerText(answers_.front()) +
                            " is not one of its buttons)");
    }
    const BoxAnswer answer = answers_.front();
    answers_.pop_front();
    boxes_.push_back(ShownBox{text, title, false, AnswerText(answer)});
    return answer;
}

std::string ScriptedPlatform::InputBox(const std::string& prompt, const std::string& title) {
    if (inputs_.empty()) {
        throw UnscriptedBox(prompt);
    }
    std::string text = std::move(inputs_.front());
    inputs_.pop_front();
    boxes_.push_back(ShownBox{prompt, title, true, text});
    return text;
}

void ScriptedPlatform::FormCreated(Form& form) {
    forms_[form.Name()] = &form;
}

void ScriptedPlatform::FormDestroyed(Form& form) {
    const auto found = forms_.find(form.Name());
    if (found != forms_.end() && found->second == &form) {
        forms_.erase(found);
    }
}

Form* ScriptedPlatform::LoadedForm(const std::string& name) const {
    const auto found = forms_.find(name);
    return found == forms_.end() ? nullptr : found->second;
}

void ScriptedPlatform::EndProgram() {
    ended_ = true;
    throw QuitRequested{};
}

}  // namespace dorvanta
