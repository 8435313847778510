// Pacing of the gauge and flight loops: a step waits by yielding a number of
// times scaled from the calibration factor, never by reading a clock. A step
// always yields at least once so that a press, End Turn or New Game reaches the
// loop even on a machine calibrated to no delay at all.
#pragma once

#include <cstdint>

namespace dorvanta {

class Platform;

// The yields of one step whose delay product (delay x skill or slow factor x
// calibration factor) is `product`: its integer part, at least 1. A product no
// calibration can give (not finite, negative, or above a billion yields) comes
// from a damaged data file and counts as no delay, so the loop never hangs.
std::int64_t YieldCount(double product);

// Yields YieldCount(product) times.
void PaceStep(Platform& platform, double product);

}  // namespace dorvanta
