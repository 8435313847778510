// Random play: seeded actions on every control, menu item and window a player
// can reach, many of them arriving inside the yields of whatever loop runs
// (gauges, flights, pauses, waits), every box answered at random, hostile
// texts typed among plausible ones. After each action the game's invariants
// must hold; play stops at the first that does not. An Exit starts the game
// again. It plays in the working folder, where the game keeps its data file.
#pragma once

#include <string>

namespace dorvanta::lab {

struct RandomPlayOutcome {
    int actions = 0;     // played, the last one breaking an invariant if any did
    std::string broken;  // the invariant broken, empty when all held
};

RandomPlayOutcome PlayRandomly(int actions, unsigned seed);

}  // namespace dorvanta::lab
