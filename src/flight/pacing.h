// Pacing of the gauge and flight loops. A gauge step waits by yielding a
// number of times scaled from the calibration factor, at least once, so that a
// press, End Turn or New Game reaches the loop even on a machine calibrated to
// no delay at all. A flight step first holds until the time it simulates has
// passed, delivering input meanwhile, and then yields its count on top: on
// today's machines the redraw no longer takes that long by itself, and slow
// motion is those extra yields. A step's yields stop as soon as the loop they
// pace is over, so even a huge factor never keeps the player waiting.
#pragma once

#include <cstdint>
#include <functional>

namespace dorvanta {

class Platform;

// Far more yields per step than any calibration measures (a few million
// passes per second at most); a larger product can only come from a damaged
// data file or a mistyped factor, and still paces, at this rate.
constexpr double kMaxYieldsPerStep = 1e9;

// Whether the loop being paced still runs.
using StillRunning = std::function<bool()>;

// The yields a delay product (delay x skill or slow factor x calibration
// factor) asks for: its integer part, at most a billion. A product below one
// asks for none, and so does one that is not a number or negative, which only
// a damaged data file gives.
std::int64_t DelayYields(double product);

// A gauge step: its delay's yields, and at least one.
void PaceGaugeStep(Platform& platform, double product, const StillRunning& stillRunning);

// A flight step: a hold until the monotonic clock reads `holdUntil`, which
// counts as the step's one yield, then its delay's yields.
void PaceFlightStep(Platform& platform, double holdUntil, double product,
                    const StillRunning& stillRunning);

}  // namespace dorvanta
