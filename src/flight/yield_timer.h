// How long one yield to the window system takes on this machine, measured by
// the game as it runs rather than stored: small batches of real yields are
// timed, and a yield is taken to last what the fastest of the recent batches
// shows. Whatever else befalls a batch (a paint or a press it handled, another
// program taking the processor, a spell in which the whole machine runs
// slower) only ever makes it slower, so none of it stretches the pace; the
// calibration times its passes the same way, so the two agree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace dorvanta {

class Platform;

// Whether the loop being paced still runs.
using StillRunning = std::function<bool()>;

// Some tens of microseconds of yielding: short enough that another program
// seldom takes the processor in the middle of a batch, and a small part of
// even the fastest gauge's steps of about half a millisecond.
constexpr std::int64_t kYieldsPerBatch = 16;
// A step of more yields than a batch times one only when the steps since the
// last timed batch have asked for this many: then batches take at most a
// hundredth of the time, where a yield is expensive (under Wine each is a
// round trip to its server) as where it is cheap, and the measure still
// changes with the machine within a few tenths of a second.
constexpr std::int64_t kYieldsBetweenBatches = 100 * kYieldsPerBatch;

class YieldTimer {
  public:
    // The real yields of a step whose delay asks for `yields`: all of them up
    // to a batch; of more, a batch when one is due and else one yield, which
    // still delivers input and paints. Returns whether the step's slot is left
    // to wait for, beyond the yields run.
    bool StepYields(Platform& platform, std::int64_t yields, const StillRunning& stillRunning);
    // Seconds per yield by the fastest recent batch; 0 before the first.
    double SecondsPerYield() const;

  private:
    // Runs up to `count` yields while the loop runs. The first delivers what
    // the step itself left pending (its own paint); the rest are timed as one
    // batch.
    void TimedYields(Platform& platform, std::int64_t count, const StillRunning& stillRunning);

    // Some tenths of a second of gauge or flight steps.
    static constexpr std::size_t kRecentBatches = 64;
    std::array<double, kRecentBatches> recent_{};
    std::size_t recorded_ = 0;
    std::int64_t untimed_ = 0;  // yields asked for since the last timed batch
};

}  // namespace dorvanta
