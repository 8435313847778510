#include "flight/calibration.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "flight/yield_timer.h"
#include "platform/platform.h"

namespace dorvanta {

double MeasureCalibrationFactor(Platform& platform, const CalibrationLimits& limits) {
    const double start = platform.MonotonicSeconds();
    double fastestPass = std::numeric_limits<double>::infinity();
    double passes = 1;
    for (double now = start; passes < limits.maxPasses && now - start < limits.seconds;) {
        std::int64_t batch = 0;
        for (; batch < kYieldsPerBatch && passes < limits.maxPasses; ++batch, passes += 1) {
            platform.TimeOfDay();
            platform.YieldExcludingInput();
        }
        const double batchEnd = platform.MonotonicSeconds();
        fastestPass = std::min(fastestPass, (batchEnd - now) / static_cast<double>(batch));
        now = batchEnd;
    }
    return kSecondsPerDelayUnit / fastestPass;
}

}  // namespace dorvanta
