#include "platform/console_platform.h"

#include <cstdio>
#include <utility>

namespace dorvanta {

ConsolePlatform::ConsolePlatform(Platform& desktop, std::string program)
    : desktop_(desktop), program_(std::move(program)) {}

void ConsolePlatform::Yield() {
    desktop_.Yield();
}

void ConsolePlatform::YieldExcludingInput() {
    desktop_.YieldExcludingInput();
}

void ConsolePlatform::WaitUntil(double deadline, const KeepWaiting& keepWaiting) {
    desktop_.WaitUntil(deadline, keepWaiting);
}

double ConsolePlatform::TimeOfDay() {
    return desktop_.TimeOfDay();
}

double ConsolePlatform::MonotonicSeconds() {
    return desktop_.MonotonicSeconds();
}

void ConsolePlatform::Randomize() {
    desktop_.Randomize();
}

float ConsolePlatform::Random() {
    return desktop_.Random();
}

// The only answer a box gets: the one that goes on.
BoxAnswer ConsolePlatform::MessageBox(const std::string& text, BoxButtons, const std::string&) {
    std::fprintf(stderr, "%s: %s\n", program_.c_str(), text.c_str());
    return BoxAnswer::Ok;
}

std::string ConsolePlatform::InputBox(const std::string&, const std::string&) {
    return "";
}

void ConsolePlatform::EndProgram() {
    throw QuitRequested{};
}

void ConsolePlatform::FormCreated(Form& form) {
    desktop_.FormCreated(form);
}

void ConsolePlatform::FormShown(Form& form) {
    desktop_.FormShown(form);
}

void ConsolePlatform::FormHidden(Form& form) {
    desktop_.FormHidden(form);
}

void ConsolePlatform::FormDestroyed(Form& form) {
    desktop_.FormDestroyed(form);
}

}  // namespace dorvanta
