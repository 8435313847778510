#include "platform/windowed_platform.h"

namespace dorvanta {

void WindowedPlatform::ThrowIfEnding() const {
    if (ending_) {
        throw QuitRequested{};
    }
}

// Only the first fault is shown; the end of the program is set first, so
// that handlers running inside the box start nothing.
void WindowedPlatform::ReportFaultAndQuit(const char* description) noexcept {
    const bool firstFault = !std::exchange(ending_, true);
    if (firstFault) {
        ShowFault(description);
    }
    QuitEventLoop(kFaultExitCode);
}

}  // namespace dorvanta
