#include "flight/wait.h"

#include "platform/platform.h"

namespace dorvanta {

void WaitSeconds(Platform& platform, double seconds) {
    const double start = platform.MonotonicSeconds();
    while (platform.MonotonicSeconds() - start <= seconds) {
        platform.Yield();
    }
}

}  // namespace dorvanta
