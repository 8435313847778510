// Pacing of the gauge and flight loops. A step's delay is a count of yields
// scaled from the calibration factor, and the step lasts the time that many
// yields take on this machine: it yields one of them, or now and then a
// small timed batch, and sleeps on the event loop for the rest, input
// delivered as it arrives, so the game looks the same while the processor
// stays idle. A gauge step runs at least one real yield, so a press, End Turn
// or New Game reaches the loop even on a machine calibrated to no delay at
// all. Each loop keeps a schedule of its
// own, so the time a step spends drawing is taken from its slot, not added to
// it; a flight's schedule is 0.01 s a step plus the delays so far, and it
// makes up every late step. A hold ends as soon as the loop it paces is over,
// so even a huge factor never keeps the player waiting.
#pragma once

#include <cstdint>

#include "flight/yield_timer.h"

namespace dorvanta {

class Platform;

// Far more yields per step than any calibration measures (a few million
// passes per second at most); a larger product can only come from a damaged
// data file or a mistyped factor, and still paces, at this rate.
constexpr double kMaxYieldsPerStep = 1e9;

// The yields a delay product (delay x skill or slow factor x calibration
// factor) asks for: its integer part, at most a billion. A product below one
// asks for none, and so does one that is not a number or negative, which only
// a damaged data file gives.
std::int64_t DelayYields(double product);

// The schedule of one gauge run: a step's slot is the time its delay's yields
// take, at least one yield, and holds only beyond a batch. Time the step spent
// drawing itself, or a late wake-up, is made up from the next slot; a step
// more than a slot late starts the schedule afresh rather than rushing.
class GaugeSchedule {
  public:
    GaugeSchedule(Platform& platform, YieldTimer& timer);

    void HoldStep(double product, const StillRunning& stillRunning);

  private:
    Platform& platform_;
    YieldTimer& timer_;
    double slotEnd_;  // of the last step held
};

// The schedule of one flight, from its start: a step's slot is the time it
// simulates and its delay's yields on top (all of slow motion).
class FlightSchedule {
  public:
    FlightSchedule(Platform& platform, YieldTimer& timer);

    // The step being run is past the end of its slot already: drawing it would
    // only make the next ones later.
    bool Behind() const;
    // Ends the step's slot, holding until the schedule reaches it.
    void HoldStep(double product, const StillRunning& stillRunning);
    // Waits until the pause is lifted; the time paused moves the schedule on.
    void WaitWhilePaused(const StillRunning& paused);

  private:
    Platform& platform_;
    YieldTimer& timer_;
    double slotEnd_;  // of the last step held
};

}  // namespace dorvanta
