// Random play with the game's invariants checked after every action (see
// tools/scenarios/random_play.h): a few thousand actions here, many more in
// the sanitizer run. DORVANTA_MONKEY_ACTIONS and DORVANTA_MONKEY_SEED change
// the number of actions and the seed; `dorvanta-lab monkey` plays the same.
#include <gtest/gtest.h>

#include <cstdlib>

#include "records_temp_dir.h"
#include "scenarios/random_play.h"

namespace dorvanta {
namespace {

constexpr int kDefaultActions = 5000;
constexpr unsigned kDefaultSeed = 20261207;

unsigned FromEnvironment(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

using RandomPlay = InTempDir;

TEST_F(RandomPlay, KeepsEveryInvariantAfterEveryAction) {
    const int actions =
        static_cast<int>(FromEnvironment("DORVANTA_MONKEY_ACTIONS", kDefaultActions));
    const lab::RandomPlayOutcome outcome =
        lab::PlayRandomly(actions, FromEnvironment("DORVANTA_MONKEY_SEED", kDefaultSeed));
    EXPECT_EQ(outcome.broken, "") << "after action " << outcome.actions;
    EXPECT_EQ(outcome.actions, actions);
}

}  // namespace
}  // namespace dorvanta
