#include "flight/pacing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "flight/fly_ball.h"
#include "platform/platform.h"

namespace dorvanta {

namespace {

// Input is delivered at least once, also in a step that is late already. The
// desktop may return from a wait early (a scripted one after each round of
// events), so the wait is asked again until the deadline or the loop's end.
void HoldUntil(Platform& platform, double deadline, const StillRunning& stillRunning) {
    if (!stillRunning()) {
        return;
    }
    do {
        platform.WaitUntil(deadline, stillRunning);
    } while (stillRunning() && platform.MonotonicSeconds() < deadline);
}

}  // namespace

std::int64_t DelayYields(double product) {
    // Also catches NaN, which fails every comparison.
    if (!(product >= 1)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::floor(std::min(product, kMaxYieldsPerStep)));
}

GaugeSchedule::GaugeSchedule(Platform& platform, YieldTimer& timer)
    : platform_(platform), timer_(timer), slotEnd_(platform.MonotonicSeconds()) {}

void GaugeSchedule::HoldStep(double product, const StillRunning& stillRunning) {
    const double start = platform_.MonotonicSeconds();
    const std::int64_t yields = std::max<std::int64_t>(DelayYields(product), 1);
    if (!timer_.StepYields(platform_, yields, stillRunning)) {
        return;
    }
    const double slot = static_cast<double>(yields) * timer_.SecondsPerYield();
    slotEnd_ = (start - slotEnd_ <= slot ? slotEnd_ : start) + slot;
    HoldUntil(platform_, slotEnd_, stillRunning);
}

FlightSchedule::FlightSchedule(Platform& platform, YieldTimer& timer)
    : platform_(platform), timer_(timer), slotEnd_(platform.MonotonicSeconds()) {}

bool FlightSchedule::Behind() const {
    return platform_.MonotonicSeconds() > slotEnd_ + kFlightStepSeconds;
}

void FlightSchedule::HoldStep(double product, const StillRunning& stillRunning) {
    const std::int64_t yields = DelayYields(product);
    timer_.StepYields(platform_, yields, stillRunning);
    slotEnd_ += kFlightStepSeconds + static_cast<double>(yields) * timer_.SecondsPerYield();
    HoldUntil(platform_, slotEnd_, stillRunning);
}

void FlightSchedule::WaitWhilePaused(const StillRunning& paused) {
    const double start = platform_.MonotonicSeconds();
    platform_.WaitUntil(std::numeric_limits<double>::infinity(), paused);
    slotEnd_ += platform_.MonotonicSeconds() - start;
}

}  // namespace dorvanta
