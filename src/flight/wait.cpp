#include "flight/wait.h"

#include "platform/platform.h"

namespace dorvanta {

void WaitSeconds(Platform& platform, double seconds) {
    const double end = platform.MonotonicSeconds() + seconds;
    while (platform.MonotonicSeconds() < end) {
        platform.WaitUntil(end, {});
    }
}

}  // namespace dorvanta
