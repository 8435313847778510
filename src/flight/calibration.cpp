#include "flight/calibration.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "flight/yield_timer.h"
#include "platform/platform.h"

namespace dorvanta {

double MeasureCalibrationFactor(Platform& platform, const CalibrationLimits& limits) {
    const double start = platform.MonotonicSeconds();
    std::vector<double> secondsPerPass;
    double passes = 1;
    for (double now = start; passes < limits.maxPasses && now - start < limits.seconds;) {
        std::int64_t batch = 0;
        for (; batch < kYieldsPerBatch && passes < limits.maxPasses; ++batch, passes += 1) {
            platform.TimeOfDay();
            platform.YieldExcludingInput();
        }
        const double batchEnd = platform.MonotonicSeconds();
        secondsPerPass.push_back((batchEnd - now) / static_cast<double>(batch));
        now = batchEnd;
    }
    return kSecondsPerDelayUnit / LowerQuartile(std::move(secondsPerPass));
}

}  // namespace dorvanta
