#include "platform/platform.h"

namespace dorvanta {

void ReportFaultAndEnd(Platform& platform, const std::string& description) {
    platform.MessageBox(description, BoxButtons::Ok, "Dorvanta");
    platform.EndProgram();
    throw QuitRequested{};  // an implementation that returned would break the contract
}

}  // namespace dorvanta
