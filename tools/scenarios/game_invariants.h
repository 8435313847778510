// What must hold of a game at every moment a handler can run, whatever the
// player did before: one shot at a time and the Shoot button barred for it,
// the ball a finite point, cups left equal to cups standing on both racks (the
// parked rack during a replay), the statistics boxes showing the counts, the
// button's caption naming its phase between shots, and the menus' check marks
// on the members' values.
#pragma once

#include <string>

#include "core/form_main.h"

namespace dorvanta::lab {

// The first invariant the game breaks now, described; empty when all hold.
std::string BrokenInvariant(FormMain& main);

}  // namespace dorvanta::lab
