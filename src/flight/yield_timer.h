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

class YieldTimer {
  public:
    // Runs up to `count` yields while the loop runs. The first delivers what
    // the step itself left pending (its own paint); the rest are timed as one
    // batch.
    void TimedYields(Platform& platform, std::int64_t count, const StillRunning& stillRunning);
    // Seconds per yield by the fastest recent batch; 0 before the first.
    double SecondsPerYield() const;

  private:
    // Some tenths of a second of gauge or flight steps.
    static constexpr std::size_t kRecentBatches = 64;
    std::array<double, kRecentBatches> recent_{};
    std::size_t recorded_ = 0;
};

}  // namespace dorvanta
