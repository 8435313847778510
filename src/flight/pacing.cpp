#include "flight/pacing.h"

#include <cmath>

#include "platform/platform.h"

namespace dorvanta {

namespace {
// More yields than any real calibration asks for; keeps the conversion defined.
constexpr double kMaxYieldsPerStep = 1e9;
}  // namespace

std::int64_t YieldCount(double product) {
    if (!(product >= 1)) {  // also NaN
        return 1;
    }
    return static_cast<std::int64_t>(std::floor(std::fmin(product, kMaxYieldsPerStep)));
}

void PaceStep(Platform& platform, double product) {
    for (std::int64_t i = YieldCount(product); i > 0; --i) {
        platform.Yield();
    }
}

}  // namespace dorvanta
