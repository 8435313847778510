#include "flight/pacing.h"

#include <cmath>

#include "platform/platform.h"

namespace dorvanta {

namespace {
// Far more yields per step than any calibration measures (a few million
// passes per second at most); a larger product can only come from a damaged
// data file or a mistyped factor.
constexpr double kMaxYieldsPerStep = 1e9;
}  // namespace

std::int64_t YieldCount(double product) {
    // Also catches NaN, which fails every comparison.
    if (!(product >= 1 && product <= kMaxYieldsPerStep)) {
        return 1;
    }
    return static_cast<std::int64_t>(std::floor(product));
}

void PaceStep(Platform& platform, double product) {
    for (std::int64_t i = YieldCount(product); i > 0; --i) {
        platform.Yield();
    }
}

}  // namespace dorvanta
