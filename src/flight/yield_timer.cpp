#include "flight/yield_timer.h"

#include <algorithm>

#include "platform/platform.h"

namespace dorvanta {

void YieldTimer::TimedYields(Platform& platform, std::int64_t count,
                             const StillRunning& stillRunning) {
    if (count < 1 || !stillRunning()) {
        return;
    }
    platform.Yield();
    const double start = platform.MonotonicSeconds();
    std::int64_t timed = 0;
    for (; timed < count - 1 && stillRunning(); ++timed) {
        platform.Yield();
    }
    if (timed > 0) {
        recent_[recorded_ % kRecentBatches] = (platform.MonotonicSeconds() - start) / timed;
        ++recorded_;
    }
}

double YieldTimer::SecondsPerYield() const {
    if (recorded_ == 0) {
        return 0;
    }
    return *std::min_element(recent_.begin(),
                             recent_.begin() + std::min(recorded_, kRecentBatches));
}

}  // namespace dorvanta
