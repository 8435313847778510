#include "platform/uniform_random.h"

#include <chrono>

namespace dorvanta {

namespace {

// Next() keeps the top 24 bits of a draw: exactly the precision of a float
// in [0, 1), so the result can never round up to 1.
constexpr int kRandomBits = 24;
constexpr float kRandomScale = 1.0f / (1u << kRandomBits);

}  // namespace

void UniformRandom::SeedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count() ^
                       std::chrono::steady_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float UniformRandom::Next() {
    const auto bits = generator_() >> (std::mt19937::word_size - kRandomBits);
    return static_cast<float>(bits) * kRandomScale;
}

}  // namespace dorvanta
