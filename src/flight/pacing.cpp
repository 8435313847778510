#include "flight/pacing.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"

namespace dorvanta {

namespace {

void YieldWhileRunning(Platform& platform, std::int64_t count, const StillRunning& stillRunning) {
    for (std::int64_t i = 0; i < count && stillRunning(); ++i) {
        platform.Yield();
    }
}

}  // namespace

std::int64_t DelayYields(double product) {
    // Also catches NaN, which fails every comparison.
    if (!(product >= 1)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::floor(std::min(product, kMaxYieldsPerStep)));
}

void PaceGaugeStep(Platform& platform, double product, const StillRunning& stillRunning) {
    YieldWhileRunning(platform, std::max<std::int64_t>(DelayYields(product), 1), stillRunning);
}

void PaceFlightStep(Platform& platform, double holdUntil, double product,
                    const StillRunning& stillRunning) {
    platform.WaitUntil(holdUntil, {});
    YieldWhileRunning(platform, DelayYields(product), stillRunning);
}

}  // namespace dorvanta
