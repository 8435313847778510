#include <limits>
#include <string>
#include <vector>

#include "flight/calibration.h"
#include "flight/fly_ball.h"
#include "flight/pacing.h"
#include "game_test.h"

namespace dorvanta {
namespace {

// On the scripted desktop a yield lasts a thousandth of a second.
constexpr double kYield = ScriptedPlatform::kSecondsPerYield;

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

// A pass lasts what the fastest of the timed batches shows, so a busy
// machine gives the quiet machine's factor: 0.03 s of thousandth-of-a-second
// passes. The count stops at its cap however little time has passed.
TEST(Calibration, TakesThePassOfTheQuietBatchesAndStopsAtTheCap) {
    BusyMachine busy;
    EXPECT_NEAR(MeasureCalibrationFactor(busy), 30, 1e-6);
    ScriptedPlatform platform;
    EXPECT_NEAR(MeasureCalibrationFactor(platform, {kCalibrationSeconds, 500}), 30, 1e-6);
    EXPECT_EQ(platform.YieldCount(), 499);
}

// Records the platform's clock and the ball's z at every redraw of a picture,
// each of which takes `drawSeconds`.
struct RedrawClock : ControlView {
    RedrawClock(ScriptedPlatform& platform, const double& ballZ)
        : platform(platform), ballZ(ballZ) {}
    void Refresh() override {
        times.push_back(platform.MonotonicSeconds());
        drawnZ.push_back(ballZ);
        platform.Elapse(drawSeconds);
    }
    // The time from each redraw to the next.
    std::vector<double> Intervals() const {
        std::vector<double> intervals;
        for (std::size_t i = 1; i < times.size(); ++i) {
            intervals.push_back(times[i] - times[i - 1]);
        }
        return intervals;
    }
    ScriptedPlatform& platform;
    const double& ballZ;
    double drawSeconds = 0;
    std::vector<double> times, drawnZ;
};

// A redraw clock on a picture of the main window while the test runs.
class PacingTest : public GameTest {
  protected:
    void Watch(const std::string& picture) {
        watched_ = &Control<Picture>(picture);
        watched_->AttachView(&redraws_);
    }
    void TearDown() override {
        if (watched_ != nullptr) {
            watched_->AttachView(nullptr);
        }
        GameTest::TearDown();
    }

    RedrawClock redraws_{platform, main.State().BallZ};
    Picture* watched_ = nullptr;
};

// --- Gauges ---

class GaugePacing : public PacingTest {
  protected:
    void SetUp() override {
        PacingTest::SetUp();
        Watch("Picture2");
    }
    // A step of more yields than a batch: the batch and one wait.
    static constexpr std::int64_t kYieldsPerStep = kYieldsPerBatch + 1;
    // A step between timed batches: one yield and one wait.
    static constexpr std::int64_t kYieldsPerUntimedStep = 2;
    // Runs `steps` steps of the Beginner power gauge at `factor`; New Game in
    // the wait of the last one ends it. The reset draws the panel once more.
    void RunPowerGauge(double factor, std::int64_t steps) {
        Set("CalibrationFactor", factor);
        redraws_.times.clear();
        platform.AtYield(steps * kYieldsPerStep, [this] { NewGame(); });
        PressShoot();
    }
};

// A step holds for the time its delay's yields would take, timed on the batch
// it yields and waited for beyond that: twice the factor, twice the step, and
// a whole sweep takes the same yields, a batch and a wait a step.
TEST_F(GaugePacing, AStepHoldsForItsYieldsTimeAndASweepYieldsByStepsNotByTheFactor) {
    constexpr std::int64_t kSweep = 700;
    for (const double factor : {1e6, 2e6}) {
        SCOPED_TRACE(factor);
        const std::int64_t yields = platform.YieldCount(), waits = platform.WaitCount();
        RunPowerGauge(factor, kSweep);
        EXPECT_EQ(platform.YieldCount() - yields, kSweep * kYieldsPerStep);
        EXPECT_EQ(platform.WaitCount() - waits, kSweep);
        const std::vector<double> steps = redraws_.Intervals();
        ASSERT_EQ(steps.size(), static_cast<std::size_t>(kSweep));
        const double expected = 0.2 * factor * kYield;  // the fake clock rounds at its size
        for (const double step : steps) {
            ASSERT_NEAR(step, expected, expected * 1e-6);
        }
    }
}

// A step that asks for fewer yields than lie between timed batches times one
// only now and then (at a factor of 1000, 200 yields a step, every eighth
// step), and yields once in the others; every step still lasts its yields'
// time, by the latest batch.
TEST_F(GaugePacing, StepsBetweenTimedBatchesYieldOnceAndStillHoldTheirYieldsTime) {
    constexpr std::int64_t kStepsPerBatch = kYieldsBetweenBatches / 200, kBatches = 10;
    const std::int64_t yields = platform.YieldCount();
    Set("CalibrationFactor", 1000);
    constexpr std::int64_t kYieldsPerRound =
        kYieldsPerStep + (kStepsPerBatch - 1) * kYieldsPerUntimedStep;
    platform.AtYield(kBatches * kYieldsPerRound, [this] { NewGame(); });
    PressShoot();
    EXPECT_EQ(platform.YieldCount() - yields, kBatches * kYieldsPerRound);
    const std::vector<double> steps = redraws_.Intervals();
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(kBatches * kStepsPerBatch));
    for (const double step : steps) {
        ASSERT_NEAR(step, 200 * kYield, 1e-9);
    }
}

// Drawing a step takes part of its slot, not more time. A handler that runs
// for ten seconds inside one batch makes that batch slow, but neither its own
// step nor the next one waits by it.
TEST_F(GaugePacing, SlowDrawingOrABatchSlowedByALongHandlerStretchesNoStep) {
    redraws_.drawSeconds = 0.05;
    RunPowerGauge(1e4, 6);
    for (const double step : redraws_.Intervals()) {
        EXPECT_NEAR(step, 2000 * kYield, 1e-9);
    }
    redraws_.drawSeconds = 0;
    platform.AtYield(3 * kYieldsPerStep + 5, [this] { platform.Elapse(10); });
    RunPowerGauge(1e4, 6);
    const std::vector<double> steps = redraws_.Intervals();
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_NEAR(steps[3], 10 + kYieldsPerStep * kYield, 1e-9);  // its batch, one wait round
    for (const std::size_t i : {0, 1, 2, 4, 5}) {
        EXPECT_NEAR(steps[i], 2000 * kYield, 1e-9) << i;
    }
}

// --- Flights ---

class FlightSpeed : public PacingTest {
  protected:
    void SetUp() override {
        PacingTest::SetUp();
        Set("HeadToHead", kFalse);
        Watch("Picture1");
    }
    static constexpr std::int64_t kMissSteps = 494;
};

// A step holds until the time it simulates and its delay's yields have passed
// on the flight's schedule; the delay is what slow motion adds. Beyond a batch
// the delay's yields are waited for, not yielded.
TEST_F(FlightSpeed, AStepLastsTheTimeItSimulatesPlusItsDelaysYields) {
    const struct {
        double factor, slow;
        std::int64_t yieldsPerStep;
        double delaySeconds;
    } kSpeeds[] = {{0, 1, 1, 0},
                   {1e4, 300, kYieldsPerBatch + 1, 3000 * kYield},
                   {2e4, 300, kYieldsPerBatch + 1, 6000 * kYield}};
    for (const auto& speed : kSpeeds) {
        SCOPED_TRACE(speed.factor * speed.slow);
        Set("CalibrationFactor", speed.factor);
        Set("SlowFactor", speed.slow);
        redraws_.times.clear();
        const std::int64_t yields = platform.YieldCount();
        PlayerMisses();
        EXPECT_EQ(platform.YieldCount() - yields, kMissSteps * speed.yieldsPerStep);
        ASSERT_EQ(redraws_.times.size(), kMissSteps + 1);  // every step and once at the end
        for (const double step : redraws_.Intervals()) {
            ASSERT_NEAR(step, kFlightStepSeconds + speed.delaySeconds,
                        1e-6);  // the clock is at hours
        }
    }
}

// Fifty milliseconds lost in a handler are made up by the next steps, which
// skip their redraws meanwhile but fly as before; the last position is drawn
// even when the last step is late too.
TEST_F(FlightSpeed, LateStepsSkipTheirRedrawsButNotTheirSimulationAndTheLastIsDrawn) {
    PlayerMisses();
    const std::vector<double> onTime = redraws_.drawnZ;
    redraws_.drawnZ.clear();
    platform.AtYield(100, [this] { platform.Elapse(0.05); });
    platform.AtYield(kMissSteps, [this] { platform.Elapse(0.05); });
    PlayerMisses();
    const std::vector<double>& late = redraws_.drawnZ;
    ASSERT_EQ(late.size(), onTime.size() - 5);
    EXPECT_EQ(std::vector<double>(late.begin(), late.begin() + 100),
              std::vector<double>(onTime.begin(), onTime.begin() + 100));
    EXPECT_EQ(late[100], onTime[105]);
    EXPECT_EQ(late.back(), onTime.back());
}

// Pausing waits on the event loop: every round is a wait, and the time paused
// moves the schedule on, so no step after it counts as late. End Turn inside
// the pause acts at once but leaves the ball paused; once the pause is lifted
// the flight ends without another hold. New Game inside a pause ends it at once.
TEST_F(FlightSpeed, APausedFlightWaitsAndEndTurnOrNewGameInsideThePauseActAtOnce) {
    std::string atEndTurn;
    platform.AtYield(10, [this] { Click("CommandPause"); });
    platform.AtYield(100, [&] {
        Click("CommandStopLoop");
        atEndTurn = Values("Paused ShotPhase BallZ");
    });
    platform.AtYield(200, [this] { Click("CommandPause"); });
    PlayerMisses();
    EXPECT_EQ(atEndTurn, "-1 0 -48");
    EXPECT_EQ(platform.YieldCount(), 200);
    EXPECT_EQ(platform.WaitCount(), 200);
    EXPECT_EQ(redraws_.times.size(), 11u + 1);

    platform.AtYield(10, [this] { Click("CommandPause"); });
    platform.AtYield(100, [this] { NewGame(); });
    const std::int64_t start = platform.YieldCount();
    PlayerMisses();
    EXPECT_EQ(platform.YieldCount() - start, 100);

    // A pause of a second, then the flight to its end with every step drawn.
    platform.AtYield(10, [this] { Click("CommandPause"); });
    platform.AtYield(1010, [this] { Click("CommandPause"); });
    redraws_.times.clear();
    PlayerMisses();
    EXPECT_EQ(redraws_.times.size(), kMissSteps + 1);
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
