#include "platform/time_of_day.h"

namespace dorvanta {

namespace {

constexpr std::int64_t kMicrosPerSecond = 1'000'000;
constexpr std::int64_t kMicrosPerDay = 86'400 * kMicrosPerSecond;

}  // namespace

double SecondsSinceMidnight(std::int64_t localMicros) {
    const std::int64_t sinceMidnight =
        ((localMicros % kMicrosPerDay) + kMicrosPerDay) % kMicrosPerDay;
    return static_cast<double>(sinceMidnight) / kMicrosPerSecond;
}

}  // namespace dorvanta
