#include "flight/yield_timer.h"

#include <algorithm>

#include "platform/platform.h"

namespace dorvanta {

double LowerQuartile(std::vector<double> secondsPerYield) {
    if (secondsPerYield.empty()) {
        return 0;
    }
    const auto quartile = secondsPerYield.begin() + secondsPerYield.size() / 4;
    std::nth_element(secondsPerYield.begin(), quartile, secondsPerYield.end());
    return *quartile;
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
    const std::size_t filled = std::min(recorded_, kRecentBatches);
    return LowerQuartile(std::vector<double>(recent_.begin(), recent_.begin() + filled));
}

}  // namespace dorvanta
