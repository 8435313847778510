#include <limits>
#include <utility>

#include "flight/calibration.h"
#include "flight/pacing.h"
#include "flight/wait.h"
#include "shot_fixture.h"

namespace dorvanta {
namespace {

// A product no calibration can give (damaged, NaN, infinite, negative) counts as no delay.
TEST(FlightPacing, AStepYieldsTheWholePartOfItsProductAndAtLeastOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::int64_t> kCases[] = {
        {0, 1},   {0.999, 1}, {2.999, 2}, {300 * 12.5, 3750}, {1e9, 1000000000},
        {nan, 1}, {inf, 1},   {-1, 1},    {-1e300, 1},        {1e300, 1}};
    for (const auto& [product, yields] : kCases) {
        EXPECT_EQ(YieldCount(product), yields) << product;
    }
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

// The calibration stops at its cap however little time has passed.
TEST(Calibration, StopsCountingAtTheCap) {
    ScriptedPlatform platform;
    EXPECT_DOUBLE_EQ(MeasureCalibrationFactor(platform, {kCalibrationSeconds, 500}), 5);
    EXPECT_EQ(platform.YieldCount(), 499);
}

using FlightSpeed = ShotTest;

// A damaged data file may hold any factor: gauges and flights still move one
// step per yield and can be stopped.
TEST_F(FlightSpeed, ADamagedCalibrationStillYieldsOncePerStep) {
    for (double factor : {std::numeric_limits<double>::quiet_NaN(), -1.0, 1e300}) {
        SCOPED_TRACE(factor);
        Set("CalibrationFactor", factor);
        Set("HeadToHead", 0);
        const std::int64_t yields = platform_.YieldCount();
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
}

}  // namespace
}  // namespace dorvanta
