#include <map>
#include <sstream>

#include "flight/yield_timer.h"
#include "game_test.h"

namespace dorvanta {
namespace {

class ShotGauges : public GameTest {
  protected:
    // Runs the gauge of `name` from a press, noting its value inside
    // each yield listed in `at`, and ends it with New Game in the yield after.
    std::map<std::int64_t, double> Watch(const std::string& name,
                                         const std::map<std::int64_t, double>& at) {
        std::map<std::int64_t, double> seen;
        for (const auto& [yield, value] : at) {
            platform.AtYield(yield, [this, name, yield, &seen] { seen[yield] = Get(name); });
        }
        platform.AtYield(at.rbegin()->first + 1, [this] { NewGame(); });
        PressShoot();
        return seen;
    }
    // Presses the button and, inside the yield `at` later, notes the power, the
    // angles, the power box and the caption, and ends the shot with New Game.
    std::string PressAndLookAt(std::int64_t at, int button = kLeftButton) {
        std::ostringstream seen;
        platform.AtYield(at, [&, this] {
            seen << Get("Power") << " " << Get("Angle") << " " << Get("Azimuth") << " "
                 << Text("TextPower") << " " << Control<Button>("CommandShoot").Caption();
            NewGame();
        });
        Control<Button>("CommandShoot").PressMouse(button);
        return seen.str();
    }
};

TEST_F(ShotGauges, EachGaugeRunsUpAndDownBetweenItsBoundsInHalfSteps) {
    const struct {
        std::int16_t phase;
        const char* name;
        std::map<std::int64_t, double> values;
    } kGauges[] = {
        {kPhaseReady,
         "Power",
         {{1, 1100.5}, {699, 1449.5}, {700, 1450}, {701, 1449.5}, {1400, 1100}}},
        {kPhasePowerGauge, "Angle", {{1, 5.5}, {160, 85}, {161, 84.5}, {320, 5}, {321, 5.5}}},
        // Counted in hundredths: 15 / 100 at the third step, not three sums of 0.05.
        {kPhaseAngleGauge,
         "Azimuth",
         {{1, 0.05}, {3, 0.15}, {160, 8}, {161, 7.95}, {480, -8}, {481, -7.95}}},
    };
    for (const auto& gauge : kGauges) {
        SCOPED_TRACE(gauge.name);
        Set("ShotPhase", gauge.phase);
        EXPECT_EQ(Watch(gauge.name, gauge.values), gauge.values);
    }
}

// A press inside the gauge's yield fixes the value shown, also in the wait of a
// step longer than a batch; the right button also starts a shot, from the
// first values.
TEST_F(ShotGauges, APressInsideTheGaugesYieldFixesTheValueShownAndEitherButtonStarts) {
    for (const auto& [factor, yieldsPerStep] :
         {std::pair<double, std::int64_t>{0, 1}, {1e6, kYieldsPerBatch + 1}}) {
        SCOPED_TRACE(factor);
        Set("CalibrationFactor", factor);
        platform.AtYield(700 * yieldsPerStep, [this] { PressShoot(); });
        EXPECT_EQ(PressAndLookAt(700 * yieldsPerStep + 1), "1450 5.5 0 1450 Vertical Angle");
    }
    Set("Azimuth", 3);
    Set("Angle", 40);
    EXPECT_EQ(PressAndLookAt(1, kRightButton), "1100.5 5 0 1100.5 Power");
}

// Each bar as its gauge draws it at the step that reaches the value: the power
// and vertical-angle bars full, the horizontal one at its left end.
TEST_F(ShotGauges, TheGaugePanelDrawsEachBarAtItsValue) {
    using K = DrawCommand::Kind;
    const Color blue = 16711680;
    const float azimuthFirstStep = 0.05 * 885 / 8 + 1500;
    const struct {
        std::int16_t phase;
        std::int64_t yield;
        std::size_t bar;
        DrawCommand drawn;
    } kBars[] = {
        {kPhaseReady, 700, 7, {K::FilledBox, 120, 320, 390, 2090, 0, 0, blue}},
        {kPhasePowerGauge, 160, 8, {K::FilledBox, 1370, 320, 1630, 1680, 0, 0, blue}},
        {kPhaseAngleGauge, 1, 9, {K::FilledBox, azimuthFirstStep, 1820, 1500, 2090, 0, 0, blue}},
    };
    for (const auto& bar : kBars) {
        SCOPED_TRACE(bar.yield);
        Set("ShotPhase", bar.phase);
        std::vector<DrawCommand> panel;
        platform.AtYield(bar.yield, [&] {
            panel = Control<Picture>("Picture2").DisplayList();
            NewGame();
        });
        PressShoot();
        ASSERT_EQ(panel.size(), 10u);  // a clear, three frames in black and white, three bars
        EXPECT_EQ(panel[bar.bar], bar.drawn);
    }
}

}  // namespace
}  // namespace dorvanta
