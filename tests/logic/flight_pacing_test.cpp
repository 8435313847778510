#include <limits>

#include "flight/pacing.h"
#include "flight/wait.h"
#include "shot_fixture.h"

namespace dorvanta {
namespace {

TEST(FlightPacing, AStepYieldsTheWholePartOfItsProductAndAtLeastOnce) {
    EXPECT_EQ(YieldCount(0), 1);
    EXPECT_EQ(YieldCount(0.999), 1);
    EXPECT_EQ(YieldCount(1), 1);
    EXPECT_EQ(YieldCount(2.999), 2);
    EXPECT_EQ(YieldCount(300 * 12.5), 3750);
    EXPECT_EQ(YieldCount(1e9), 1000000000);
}

TEST(FlightPacing, AProductNoCalibrationCanGiveCountsAsNoDelay) {
    EXPECT_EQ(YieldCount(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(YieldCount(std::numeric_limits<double>::infinity()), 1);
    EXPECT_EQ(YieldCount(-1), 1);
    EXPECT_EQ(YieldCount(-1e300), 1);
    EXPECT_EQ(YieldCount(1e300), 1);
}

TEST(FlightWait, EndsAfterThreeSecondsAlsoAcrossMidnight) {
    for (double timeOfDay : {43200.0, 86399.0}) {
        ScriptedPlatform platform;
        platform.SetTimeOfDay(timeOfDay);
        const double start = platform.MonotonicSeconds();
        WaitSeconds(platform, 3);
        const double waited = platform.MonotonicSeconds() - start;
        EXPECT_GT(waited, 3);
        EXPECT_LT(waited, 3 + 2 * ScriptedPlatform::kSecondsPerYield);
    }
}

class FlightDamagedCalibration : public ShotTest, public ::testing::WithParamInterface<double> {};

// A damaged data file may hold any factor: gauges and flights still move one
// step per yield and can be stopped.
TEST_P(FlightDamagedCalibration, StillYieldsOncePerStep) {
    Set("CalibrationFactor", GetParam());
    Set("HeadToHead", 0);
    std::int64_t yields = platform_.YieldCount();
    Throw(1100, 5, 0);  // a miss in 494 steps
    EXPECT_EQ(platform_.YieldCount() - yields, 494);

    double power = 0;
    platform_.AtYield(5, [this, &power] {
        power = Get("Power");
        NewGame();
    });
    Shoot().PressMouse(kLeftButton);
    EXPECT_EQ(power, 1102.5);
}

INSTANTIATE_TEST_SUITE_P(Factors, FlightDamagedCalibration,
                         ::testing::Values(std::numeric_limits<double>::quiet_NaN(), -1.0, 1e300));

class FlightSpeed : public ShotTest {};

TEST_F(FlightSpeed, SlowMotionAndTheCalibrationSetTheYieldsOfAFlightStep) {
    Set("CalibrationFactor", 2500);
    Set("HeadToHead", 0);
    std::int64_t yields = platform_.YieldCount();
    Throw(1100, 5, 0);
    EXPECT_EQ(platform_.YieldCount() - yields, 494 * 2);

    Set("SlowFactor", 300);
    yields = platform_.YieldCount();
    Throw(1100, 5, 0);
    EXPECT_EQ(platform_.YieldCount() - yields, 494 * 750);
}

}  // namespace
}  // namespace dorvanta
