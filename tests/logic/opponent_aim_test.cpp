#include <tuple>

#include "game_test.h"
#include "opponent/opponent_aim.h"

namespace dorvanta {
namespace {

class OpponentAimTest : public GameTest {
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

    const std::vector<int> full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
};

TEST_F(OpponentAimTest, BaseShotAtTheFirstListedStandingCupDropsStraightIntoIt) {
    const double home = -36, reRacked = home - std::sqrt(3.0) * 2.0;
    // The cups standing, cups left, rack position, the cup aimed at, hand and power.
    const std::tuple<std::vector<int>, std::int16_t, double, int, double, double> kCases[] = {
        {full, 10, home, 1, 0, 1250},
        {{1, 2, 3, 4, 5, 6}, 6, reRacked, 1, 0, 1280},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10}, 9, home, 2, -2, 1280},
        {{4, 5, 6, 7, 8, 9, 10}, 7, home, 5, 0, 1315},
        {{8, 9}, 2, home, 8, -2, 1345},
    };
    for (const auto& [cups, cupsLeft, rackZ, cup, handX, power] : kCases) {
        SCOPED_TRACE(cupsLeft);
        QueueAim();  // the errors cancel
        const OpponentAim aim = Choose(cups, cupsLeft);
        EXPECT_EQ(std::tuple(aim.hasLaunch, aim.handX, aim.power, aim.angle, aim.azimuth),
                  std::tuple(true, handX, power, 135.0, 0.0));
        FlightTable flight(true);
        flight.StandOnly(cups);
        flight.rack.RackZ = rackZ;
        EXPECT_EQ(flight.FlyShot(aim.power, aim.angle, 0, aim.handX).madeCup, cup);
        EXPECT_EQ(flight.events.size(), 1u);  // straight in: no bounce, rim or wall first
    }
}

TEST_F(OpponentAimTest, ErrorsSpanTheLevelsRangeAroundTheBaseShot) {
    constexpr float kJustBelowOne = 0.99999994f;
    // The scale, then the half widths of power, vertical angle and azimuth.
    const double kLevels[][4] = {{kOpponentBeginner, 10, 5, 5}, {kOpponentPro, 1.6, 0.8, 0.8}};
    for (const auto& [scale, power, angle, azimuth] : kLevels) {
        SCOPED_TRACE(scale);
        // The lowest draw, then the highest, at their tolerances.
        for (const auto& [u, side, tolerance] :
             {std::tuple(0.0f, -1.0, 1e-9), std::tuple(kJustBelowOne, 1.0, 1e-4)}) {
            QueueAim(u, u, u);
            const OpponentAim aim = Choose(full, 10, scale);
            EXPECT_NEAR(aim.power, 1250 + side * power, tolerance);
            EXPECT_NEAR(aim.angle, 135 + side * angle, tolerance);
            EXPECT_NEAR(aim.azimuth, side * azimuth, tolerance);
        }
    }
}

}  // namespace
}  // namespace dorvanta
