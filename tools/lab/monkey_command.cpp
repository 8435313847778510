// dorvanta-lab monkey [ACTIONS [SEED]]: random play against a headless game in
// the working folder (its data file there), stopping at the first broken
// invariant. Any seed replays exactly, so a failure found here can be studied.
#include <cstdint>
#include <cstdio>
#include <optional>

#include "lab_commands.h"
#include "scenarios/arguments.h"
#include "scenarios/random_play.h"

namespace dorvanta::lab {

namespace {
constexpr int kDefaultActions = 10000;
constexpr unsigned kDefaultSeed = 1;
}  // namespace

int RunMonkey(const Arguments& args) {
    const std::optional<int> actions = args.empty() ? kDefaultActions : WholeArgument<int>(args[0]);
    const std::optional<unsigned> seed =
        args.size() < 2 ? kDefaultSeed : WholeArgument<unsigned>(args[1]);
    if (args.size() > 2 || !actions || *actions < 0 || !seed) {
        std::fprintf(stderr, "usage: dorvanta-lab monkey [ACTIONS [SEED]]\n");
        return 2;
    }
    const RandomPlayOutcome outcome = PlayRandomly(*actions, *seed);
    if (!outcome.broken.empty()) {
        std::printf("action %d of seed %u: %s\n", outcome.actions, *seed, outcome.broken.c_str());
        return 1;
    }
    std::printf("%d actions of seed %u, every invariant held\n", outcome.actions, *seed);
    return 0;
}

}  // namespace dorvanta::lab
