#include "flight/calibration.h"

#include "platform/platform.h"

namespace dorvanta {

double MeasureCalibrationFactor(Platform& platform, const CalibrationLimits& limits) {
    const double start = platform.MonotonicSeconds();
    double passes = 1;
    while (passes < limits.maxPasses && platform.MonotonicSeconds() - start < limits.seconds) {
        platform.TimeOfDay();
        platform.YieldExcludingInput();
        passes += 1;
    }
    return passes / limits.seconds * kSecondsPerDelayUnit;
}

}  // namespace dorvanta
