#include "flight/pacing.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"

namespace dorvanta {

namespace {

// Far more yields per step than any calibration measures (a few million
// passes per second at most); a larger product can only come from a damaged
// data file or a mistyped factor.
constexpr double kMaxYieldsPerStep = 1e9;

void YieldTimes(Platform& platform, std::int64_t count) {
    for (std::int64_t i = count; i > 0; --i) {
        platform.Yield();
    }
}

}  // namespace

std::int64_t DelayYields(double product) {
    // Also catches NaN, which fails every comparison.
    if (!(product >= 1 && product <= kMaxYieldsPerStep)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::floor(product));
}

void PaceGaugeStep(Platform& platform, double product) {
    YieldTimes(platform, std::max<std::int64_t>(DelayYields(product), 1));
}

void PaceFlightStep(Platform& platform, double holdUntil, double product) {
    platform.WaitUntil(holdUntil);
    YieldTimes(platform, DelayYields(product));
}

}  // namespace dorvanta
