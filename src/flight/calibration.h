// The automatic calibration: how many yields to the window system fill one
// unit of pacing delay on this machine. Each pass reads the time of day once
// and yields once without delivering the user's input, so the window answers
// the player only when the measuring is over. The passes are timed in small
// batches and a pass is taken to last what the fastest batch shows, as the
// pacing times its yields, so a calibration made while another program keeps
// the processor busy gives the factor of a quiet machine. One unit is 0.03 s
// of yielding: the gauge and flight delays make a playable game at that
// length.
#pragma once

namespace dorvanta {

class Platform;

constexpr double kCalibrationSeconds = 3;
// The count stops here even on a machine fast enough to pass it in 3 s.
constexpr double kMaxCalibrationPasses = 1'000'000'000;
constexpr double kSecondsPerDelayUnit = 0.03;

struct CalibrationLimits {
    double seconds = kCalibrationSeconds;
    double maxPasses = kMaxCalibrationPasses;
};

// Runs passes until `limits.seconds` have elapsed on the monotonic clock (so
// midnight and clock changes do not matter) or the cap is reached, and
// returns the passes that fill one unit of delay.
double MeasureCalibrationFactor(Platform& platform, const CalibrationLimits& limits = {});

}  // namespace dorvanta
