// The rack closes up as it empties: at six cups left it becomes the three-row
// triangle of cups 1 to 6, moved one row away from the middle of the table so
// that its back row stands where the full rack's did; at three cups left it
// becomes the triangle of cups 5, 8 and 9 in the back two rows of the full
// rack at its home position. Which cups were left before does not matter.
#pragma once

#include <cstdint>

#include "core/rack.h"

namespace dorvanta {

// Cups left when the rack closes up into three rows, one row further away,
// and into two rows, back home.
constexpr std::int16_t kThreeRowRackCups = 6;
constexpr std::int16_t kTwoRowRackCups = 3;

// Re-forms `rack` if `cupsLeft` is six or three; `end` says which way is away
// from the middle, one row of cups of `cupRadius` being the move.
void CloseUpRack(std::int16_t cupsLeft, Rack& rack, RackEnd end, double cupRadius);

}  // namespace dorvanta
