// How long one yield to the window system takes on this machine, measured by
// the game as it runs rather than stored: small batches of real yields are
// timed, and a yield is taken to last what the lower quartile of the recent
// batches shows. A batch that handled a paint or a press, or lost the processor
// to another program, only ever makes a batch slower, so it falls in the upper
// quartiles and stretches nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace dorvanta {

class Platform;

// Whether the loop being paced still runs.
using StillRunning = std::function<bool()>;

// Some tens of microseconds of yielding: short enough that another program
// seldom takes the processor in the middle of a batch, and a small part of
// even the fastest gauge's steps of about half a millisecond.
constexpr std::int64_t kYieldsPerBatch = 16;

// The seconds per yield that batches show (each given as its own seconds per
// yield): their lower quartile; 0 for none.
double LowerQuartile(std::vector<double> secondsPerYield);

class YieldTimer {
  public:
    // Runs up to `count` yields while the loop runs. The first delivers what
    // the step itself left pending (its own paint); the rest are timed as one
    // batch.
    void TimedYields(Platform& platform, std::int64_t count, const StillRunning& stillRunning);
    // Seconds per yield by the recent batches; 0 before the first.
    double SecondsPerYield() const;

  private:
    // About a fifth of a second of gauge steps.
    static constexpr std::size_t kRecentBatches = 32;
    std::array<double, kRecentBatches> recent_{};
    std::size_t recorded_ = 0;
};

}  // namespace dorvanta
