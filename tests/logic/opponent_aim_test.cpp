#include <tuple>

#include "game_test.h"
#include "opponent/opponent_aim.h"

namespace dorvanta {
namespace {

class OpponentAimTest : public ::testing::Test {
  protected:
    // The shot chosen against a near rack with only `cups` standing; the
    // spreads are the game's: 20 power, 10 and 10 degrees at scale 1.
    OpponentAim Choose(const std::vector<int>& cups, std::int16_t cupsLeft, double scale = 1.0) {
        CupArray<Flag> standing{};
        for (int cup : cups) {
            standing[cup] = kTrue;
        }
        return ChooseOpponentAim({scale, 20, 10, 10, standing, cupsLeft, 1}, platform);
    }
    void QueueThree(float u) {
        for (int i = 0; i < 3; ++i) {
            platform.QueueRandom(u);
        }
    }

    const std::vector<int> full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ScriptedPlatform platform;
};

TEST_F(OpponentAimTest, BaseShotAtTheFirstListedStandingCupDropsStraightIntoIt) {
    const double home = -36, reRacked = home - std::sqrt(3.0) * 2.0;
    struct Case {
        std::vector<int> cups;
        std::int16_t cupsLeft;
        double rackZ;
        int cup;
        double handX, power;
    };
    const Case cases[] = {
        {full, 10, home, 1, 0, 1250},
        {{1, 2, 3, 4, 5, 6}, 6, reRacked, 1, 0, 1280},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10}, 9, home, 2, -2, 1280},
        {{2, 3, 4, 5, 6}, 5, reRacked, 2, -2, 1315},
        {{3, 4, 5, 6, 7, 8, 9, 10}, 8, home, 3, 2, 1280},
        {{3, 4, 5, 6}, 4, reRacked, 3, 2, 1315},
        {{4, 5, 6, 7, 8, 9, 10}, 7, home, 5, 0, 1315},
        {{5, 8, 9}, 3, home, 5, 0, 1315},
        {{8, 9}, 2, home, 8, -2, 1345},
        {{9}, 1, home, 9, 2, 1345},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        QueueThree(0.5f);  // the errors cancel
        const OpponentAim aim = Choose(c.cups, c.cupsLeft);
        EXPECT_EQ(std::tuple(aim.hasLaunch, aim.handX, aim.power, aim.angle, aim.azimuth),
                  std::tuple(true, c.handX, c.power, 135.0, 0.0));
        FlightTable flight(true);
        flight.StandOnly(c.cups);
        flight.rack.RackZ = c.rackZ;
        EXPECT_EQ(flight.FlyShot(aim.power, aim.angle, 0, aim.handX).madeCup, c.cup);
        EXPECT_EQ(flight.events.size(), 1u);  // straight in: no bounce, rim or wall first
    }
}

TEST_F(OpponentAimTest, ErrorsSpanTheLevelsRangeAroundTheBaseShot) {
    constexpr float kJustBelowOne = 0.99999994f;
    // Half widths of power, vertical angle and azimuth per level.
    struct Level {
        double scale, power, angle, azimuth;
    };
    for (const Level& level : {Level{1.0, 10, 5, 5}, Level{0.5, 5, 2.5, 2.5}, Level{0.2, 2, 1, 1},
                               Level{0.16, 1.6, 0.8, 0.8}}) {
        SCOPED_TRACE(level.scale);
        QueueThree(0.0f);
        const OpponentAim low = Choose(full, 10, level.scale);
        EXPECT_NEAR(low.power, 1250 - level.power, 1e-9);
        EXPECT_NEAR(low.angle, 135 - level.angle, 1e-9);
        EXPECT_NEAR(low.azimuth, -level.azimuth, 1e-9);
        QueueThree(kJustBelowOne);
        const OpponentAim high = Choose(full, 10, level.scale);
        EXPECT_NEAR(high.power, 1250 + level.power, 1e-4);
        EXPECT_NEAR(high.angle, 135 + level.angle, 1e-4);
        EXPECT_NEAR(high.azimuth, level.azimuth, 1e-4);
    }
}

}  // namespace
}  // namespace dorvanta
