// A rack of ten cups as one value: which cups stand, where each stands
// relative to the apex cup, and where the rack itself stands. The game keeps
// one for each end of the table, a copy of each from before the last shot for
// its replay, and parks the current one while a replay runs; each copy is one
// assignment. The cups of a full rack touch in a 4-3-2-1 triangle whose apex
// (cup 1) points at the middle of the table; the back row is numbered 7, 8, 9,
// 10 from +3r, -r, +r to -3r, which the closing-up of the rack relies on.
#pragma once

#include "core/table.h"

namespace dorvanta {

struct Rack {
    CupArray<Flag> CupStanding{};
    CupArray<double> CupX{};  // across the table
    CupArray<double> CupZ{};  // along the table, from RackZ
    double RackZ = 0;         // where cup 1 stands along the table
    double RackHomeZ = 0;     // RackZ when three cups are left
    double RackBaseY = 0;     // height of the cups' bases
};

// The far rack is the player's target, at +z; the near rack the computer's.
enum class RackEnd { Far, Near };

// A full rack at its end's home place, for cups of the given radius.
Rack NewRack(RackEnd end, double cupRadius);

// +1 or -1: the direction along z that leads away from the middle of the table.
double AwayFromMiddle(RackEnd end);

}  // namespace dorvanta
