#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "opponent/opponent_aim.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

constexpr float kJustBelowOne = 0.99999994f;  // the largest float below 1

struct Rack {
    CupArray<Flag> standing{};
    explicit Rack(std::initializer_list<int> cups) {
        for (int cup : cups) {
            standing[cup] = kTrue;
        }
    }
};

class OpponentAimTest : public ::testing::Test {
  protected:
    OpponentAim Choose(const Rack& rack, std::int16_t cupsLeft, double scale = 1.0,
                       std::int16_t shotsTaken = 1) {
        const AimSituation situation{scale, 20, 10, 10, rack.standing, cupsLeft, shotsTaken};
        return ChooseOpponentAim(situation, platform);
    }
    // With every draw at one half the errors cancel: the row's base shot.
    OpponentAim BaseShot(const Rack& rack, std::int16_t cupsLeft) {
        for (int i = 0; i < 3; ++i) {
            platform.QueueRandom(0.5f);
        }
        return Choose(rack, cupsLeft);
    }

    ScriptedPlatform platform;
};

TEST_F(OpponentAimTest, AimsAtTheFirstStandingCupOfTheListWithItsBasePower) {
    const Rack full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const Rack sixCups{1, 2, 3, 4, 5, 6};
    struct Case {
        const char* what;
        Rack rack;
        std::int16_t cupsLeft;
        double handX, power;
    };
    const Case cases[] = {
        {"cup 1, home", full, 10, 0, 1250},
        {"cup 1, seven left", Rack{1, 4, 5, 6, 7, 8, 9}, 7, 0, 1250},
        {"cup 1, re-racked", sixCups, 6, 0, 1280},
        {"cup 2, home", Rack{2, 3, 4, 5, 6, 7, 8, 9, 10}, 9, -2, 1280},
        {"cup 2, re-racked", Rack{2, 3, 4, 5, 6}, 5, -2, 1315},
        {"cup 3, home", Rack{3, 4, 5, 6, 7, 8, 9, 10}, 8, 2, 1280},
        {"cup 3, re-racked", Rack{3, 4, 5, 6}, 4, 2, 1315},
        {"cup 5", Rack{4, 5, 6, 7, 8, 9, 10}, 7, 0, 1315},
        {"cup 5 of three", Rack{5, 8, 9}, 3, 0, 1315},
        {"cup 8 of two", Rack{8, 9}, 2, -2, 1345},
        {"cup 9 alone", Rack{9}, 1, 2, 1345},
        {"cup 8 before 9 even with many left", Rack{4, 6, 7, 8, 9, 10}, 9, -2, 1345},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const OpponentAim aim = BaseShot(c.rack, c.cupsLeft);
        EXPECT_TRUE(aim.hasLaunch);
        EXPECT_EQ(aim.handX, c.handX);
        EXPECT_EQ(aim.power, c.power);
        EXPECT_EQ(aim.angle, 135);
        EXPECT_EQ(aim.azimuth, 0);
    }
}

TEST_F(OpponentAimTest, CupsOffTheListAreNeverTargetsAndLeaveTheZeroShot) {
    const OpponentAim aim = Choose(Rack{4, 6, 7, 10}, 4);
    EXPECT_FALSE(aim.hasLaunch);
    EXPECT_EQ(aim.power, 0);
    EXPECT_EQ(aim.angle, 0);
    EXPECT_EQ(aim.azimuth, 0);
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
}

TEST_F(OpponentAimTest, ErrorsSpanTheLevelsRangeAroundTheBaseShot) {
    const Rack full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    // Half widths of power, vertical angle and azimuth per level.
    struct Level {
        double scale, power, angle, azimuth;
    };
    for (const Level& level : {Level{1.0, 10, 5, 5}, Level{0.5, 5, 2.5, 2.5}, Level{0.2, 2, 1, 1},
                               Level{0.16, 1.6, 0.8, 0.8}}) {
        SCOPED_TRACE(level.scale);
        for (int i = 0; i < 3; ++i) {
            platform.QueueRandom(0.0f);
        }
        const OpponentAim low = Choose(full, 10, level.scale);
        EXPECT_NEAR(low.power, 1250 - level.power, 1e-9);
        EXPECT_NEAR(low.angle, 135 - level.angle, 1e-9);
        EXPECT_NEAR(low.azimuth, -level.azimuth, 1e-9);

        for (int i = 0; i < 3; ++i) {
            platform.QueueRandom(kJustBelowOne);
        }
        const OpponentAim high = Choose(full, 10, level.scale);
        EXPECT_LT(high.power, 1250 + level.power);
        EXPECT_NEAR(high.power, 1250 + level.power, 1e-4);
        EXPECT_LT(high.angle, 135 + level.angle);
        EXPECT_NEAR(high.angle, 135 + level.angle, 1e-4);
        EXPECT_LT(high.azimuth, level.azimuth);
        EXPECT_NEAR(high.azimuth, level.azimuth, 1e-4);
    }
}

TEST_F(OpponentAimTest, DrawsExactlyThreeNumbersInPowerAngleAzimuthOrder) {
    platform.QueueRandom(0.0f);
    platform.QueueRandom(0.25f);
    platform.QueueRandom(0.75f);
    platform.QueueRandom(0.5f);  // left for the next turn
    const OpponentAim aim = Choose(Rack{1}, 1);
    EXPECT_EQ(platform.RandomsDrawn(), 3u);
    EXPECT_EQ(aim.power, 1280 - 10);
    EXPECT_EQ(aim.angle, 135 - 2.5);
    EXPECT_EQ(aim.azimuth, 2.5);
}

TEST_F(OpponentAimTest, TrickShooterPlaysTheRowOfThePlayersShotCountWithoutDrawing) {
    const Rack full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const OpponentAim first = Choose(full, 10, 0, 1);
    EXPECT_EQ(first.handX, -6.3);
    EXPECT_EQ(first.power, 1365.8);
    EXPECT_EQ(first.angle, 135);
    EXPECT_EQ(first.azimuth, 0);
    const OpponentAim tenth = Choose(full, 10, 0, 10);
    EXPECT_EQ(tenth.handX, -24);
    EXPECT_EQ(tenth.power, 1363.2);
    EXPECT_EQ(tenth.azimuth, -14.65);
    // The rack plays no part: an empty one gets the same row.
    const OpponentAim eighth = Choose(Rack{}, 0, 0, 8);
    EXPECT_EQ(eighth.handX, 2.1);
    EXPECT_EQ(eighth.azimuth, 0.01);
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
}

TEST_F(OpponentAimTest, TrickShooterHasNoRowBeforeTheFirstOrAfterTheTenthShot) {
    const Rack full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (std::int16_t shots : {0, 11, -1}) {
        const OpponentAim aim = Choose(full, 10, 0, shots);
        EXPECT_FALSE(aim.hasLaunch) << shots;
        EXPECT_EQ(aim.power, 0) << shots;
        EXPECT_EQ(aim.angle, 0) << shots;
    }
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
}

}  // namespace
}  // namespace dorvanta
