#include "flight/yield_timer.h"

#include <algorithm>

#include "platform/platform.h"

namespace dorvanta {

bool YieldTimer::StepYields(Platform& platform, std::int64_t yields,
                            const StillRunning& stillRunning) {
    if (yields <= kYieldsPerBatch) {
        TimedYields(platform, yields, stillRunning);
        return false;
    }
    untimed_ += yields;
    if (recorded_ > 0 && untimed_ < kYieldsBetweenBatches) {
        TimedYields(platform, 1, stillRunning);
    } else {
        untimed_ = 0;
        TimedYields(platform, kYieldsPerBatch, stillRunning);
    }
    return true;
}

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
