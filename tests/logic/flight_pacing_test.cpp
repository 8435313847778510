#include <limits>
#include <string>
#include <vector>

#include "flight/calibration.h"
#include "flight/fly_ball.h"
#include "flight/pacing.h"
#include "game_test.h"

namespace dorvanta {
namespace {

// A product from a damaged file (NaN, negative) asks for no delay; a larger
// one never asks for less than a smaller one.
TEST(FlightPacing, AStepsDelayIsTheWholePartOfItsProductUpToTheCap) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::string delays;
    for (double product : {0.0, 0.999, 2.999, 300 * 12.5, 1e9, 1e13, inf, nan, -1.0, -1e300}) {
        delays += std::to_string(DelayYields(product)) + " ";
    }
    EXPECT_EQ(delays, "0 0 2 3750 1000000000 1000000000 1000000000 0 0 0 ");
}

// Another program takes the processor for 50 ms in every 64 passes.
struct BusyMachine : ScriptedPlatform {
    void Yielding() override {
        if (YieldCount() % 64 == 63) {
            Elapse(0.05);
        }
    }
};

// A pass lasts what the lower quartile of the timed batches shows, so a busy
// machine gives the quiet machine's factor: 0.03 s of thousandth-of-a-second
// passes. The count stops at its cap however little time has passed.
TEST(Calibration, TakesThePassOfTheQuietBatchesAndStopsAtTheCap) {
    BusyMachine busy;
    EXPECT_NEAR(MeasureCalibrationFactor(busy), 30, 1e-6);
    ScriptedPlatform platform;
    EXPECT_NEAR(MeasureCalibrationFactor(platform, {kCalibrationSeconds, 500}), 30, 1e-6);
    EXPECT_EQ(platform.YieldCount(), 499);
}

// Records the platform's clock at every redraw of the playing field.
struct RedrawClock : ControlView {
    explicit RedrawClock(Platform& platform) : platform(platform) {}
    void Refresh() override { times.push_back(platform.MonotonicSeconds()); }
    Platform& platform;
    std::vector<double> times;
};

class FlightSpeed : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Set("HeadToHead", kFalse);
        main.Picture1().AttachView(&redraws_);
    }
    void TearDown() override {
        main.Picture1().AttachView(nullptr);
        GameTest::TearDown();
    }
    static constexpr std::int64_t kMissSteps = 494;

    RedrawClock redraws_{platform};
};

// A step holds until the time it simulates has passed, then yields its delay on
// top: that is what slow motion adds. The hold is the step's one yield.
TEST_F(FlightSpeed, AStepLastsTheTimeItSimulatesPlusItsDelaysYields) {
    const struct {
        double factor, slow;
        std::int64_t yieldsPerStep;
    } kSpeeds[] = {{0, 1, 1}, {1000, 1, 2}, {999.9, 300, 300}, {1000, 300, 301}};
    for (const auto& speed : kSpeeds) {
        SCOPED_TRACE(speed.factor * speed.slow);
        Set("CalibrationFactor", speed.factor);
        Set("SlowFactor", speed.slow);
        redraws_.times.clear();
        const std::int64_t yields = platform.YieldCount();
        PlayerMisses();
        EXPECT_EQ(platform.YieldCount() - yields, kMissSteps * speed.yieldsPerStep);
        const double stepSeconds =
            kFlightStepSeconds + (speed.yieldsPerStep - 1) * ScriptedPlatform::kSecondsPerYield;
        ASSERT_EQ(redraws_.times.size(), kMissSteps + 1);  // every step and once at the end
        for (std::size_t i = 1; i < redraws_.times.size(); ++i) {
            ASSERT_NEAR(redraws_.times[i] - redraws_.times[i - 1], stepSeconds, 1e-9);
        }
    }
}

// Regression: a typed factor of 10^12 paced a flight step with a billion
// yields, so End Turn and New Game took about an hour to act: the step's
// yields end as soon as the loop is over.
TEST_F(FlightSpeed, EndTurnAndNewGameActAtOnceWhateverTheDelay) {
    Set("CalibrationFactor", 1e12);
    platform.AtYield(3, [this] { Click("CommandStopLoop"); });
    PlayerMisses();
    EXPECT_EQ(redraws_.times.size(), 1u + 1);
    platform.AtYield(3, [this] { NewGame(); });
    PressShoot();
    EXPECT_EQ(platform.YieldCount(), 6);
    EXPECT_EQ(Get("Power"), 1100);
}

}  // namespace
}  // namespace dorvanta
