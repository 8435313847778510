// The rack closes up as it empties: at six cups left it becomes the three-row
// triangle of cups 1 to 6, moved one row away from its thrower so that its back
// row stands where the full rack's did; at three cups left it becomes the
// triangle of cups 5, 8 and 9 in the back two rows of the full rack at its home
// position. Which cups were left before does not matter.
#pragma once

#include <cstdint>

#include "core/game_state.h"

namespace dorvanta {

// Re-forms the rack if `cupsLeft` is six or three. `rowShift` is the signed
// distance along z of one row away from the thrower.
void CloseUpRack(std::int16_t cupsLeft, CupArray<Flag>& standing, double& rackZ, double homeZ,
                 double rowShift);

}  // namespace dorvanta
