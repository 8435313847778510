// The desktops' random generator: uniform in [0, 1), seeded from the clocks.
#pragma once

#include <random>

namespace dorvanta {

class UniformRandom {
  public:
    // A different sequence on every run.
    void SeedFromClock();
    // Uniform in [0, 1), never 1.
    float Next();

  private:
    std::mt19937 generator_;
};

}  // namespace dorvanta
