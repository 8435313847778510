// The time of day as the desktops read it: seconds since the player's midnight.
#pragma once

#include <cstdint>

namespace dorvanta {

// For a local time in microseconds since the epoch, also before the epoch.
double SecondsSinceMidnight(std::int64_t localMicros);

}  // namespace dorvanta
