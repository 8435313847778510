#include <map>
#include <sstream>

#include "shot_fixture.h"

namespace dorvanta {
namespace {

class ShotGauges : public ShotTest {
  protected:
    // Runs the gauge of `name` from a press, noting its value inside
    // each yield listed in `at`, and ends it with New Game in the yield after.
    std::map<std::int64_t, double> Watch(const std::string& name,
                                         const std::map<std::int64_t, double>& at) {
        std::map<std::int64_t, double> seen;
        for (const auto& [yield, value] : at) {
            platform_.AtYield(yield, [this, name, yield, &seen] { seen[yield] = Get(name); });
        }
        platform_.AtYield(at.rbegin()->first + 1, [this] { NewGame(); });
        Shoot().PressMouse(kLeftButton);
        return seen;
    }
    // Presses the button and, inside the yield `at` later, notes the power, the
    // angles, the power box and the caption, and ends the shot with New Game.
    std::string PressAndLookAt(std::int64_t at, int button = kLeftButton) {
        std::ostringstream seen;
        platform_.AtYield(at, [&, this] {
            seen << Get("Power") << " " << Get("Angle") << " " << Get("Azimuth") << " "
                 << TextOf("TextPower") << " " << Shoot().Caption();
            NewGame();
        });
        Shoot().PressMouse(button);
        return seen.str();
    }
};

TEST_F(ShotGauges, EachGaugeRunsUpAndDownBetweenItsBoundsInHalfSteps) {
    const struct {
        double phase;
        const char* name;
        std::map<std::int64_t, double> values;
    } kGauges[] = {
        {0, "Power", {{1, 1100.5}, {699, 1449.5}, {700, 1450}, {701, 1449.5}, {1400, 1100}}},
        {1, "Angle", {{1, 5.5}, {160, 85}, {161, 84.5}, {320, 5}, {321, 5.5}}},
        // Counted in hundredths: 15 / 100 at the third step, not three sums of 0.05.
        {2, "Azimuth", {{1, 0.05}, {3, 0.15}, {160, 8}, {161, 7.95}, {480, -8}, {481, -7.95}}},
    };
    for (const auto& gauge : kGauges) {
        SCOPED_TRACE(gauge.name);
        Set("ShotPhase", gauge.phase);
        EXPECT_EQ(Watch(gauge.name, gauge.values), gauge.values);
    }
}

TEST_F(ShotGauges, APressInsideTheGaugesYieldFixesTheValueShown) {
    platform_.AtYield(700, [this] { Shoot().PressMouse(kLeftButton); });
    EXPECT_EQ(PressAndLookAt(701), "1450 5.5 0 1450 Vertical Angle");
}

TEST_F(ShotGauges, TheRightButtonAlsoStartsAShotFromTheFirstValues) {
    Set("Azimuth", 3);
    Set("Angle", 40);
    EXPECT_EQ(PressAndLookAt(1, kRightButton), "1100.5 5 0 1100.5 Power");
}

TEST_F(ShotGauges, PressesWhileABallFliesDoNothing) {
    for (double phase : {4.0, 6.0}) {
        Set("ShotPhase", phase);
        const std::int64_t yields = platform_.YieldCount();
        Shoot().PressMouse(kLeftButton);
        EXPECT_EQ(Get("ShotPhase"), phase);
        EXPECT_EQ(platform_.YieldCount(), yields);
        EXPECT_EQ(Shoot().Caption(), "Shoot");
    }
}

TEST_F(ShotGauges, NewGameGivesTheButtonBackReadyForAFreshShot) {
    platform_.AtYield(10, [this] { NewGame(); });
    Shoot().PressMouse(kLeftButton);  // New Game during the power gauge
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(Shoot().Caption(), "Shoot");

    Set("ShotPhase", 5);  // while the computer is to shoot
    Shoot().SetCaption("Opponent's Shot");
    NewGame();
    EXPECT_EQ(Shoot().Caption(), "Shoot");
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(ShotGauges, TheGaugePanelDrawsEachBarAtItsValue) {
    Set("Power", 1450);
    Set("Angle", 85);
    Set("Azimuth", -8);
    probe_->DrawMeters();
    const auto& list = Control<Picture>("Picture2").DisplayList();
    ASSERT_EQ(list.size(), 10u);  // a clear, three frames in black and white, three bars
    using K = DrawCommand::Kind;
    const Color blue = 16711680;
    EXPECT_EQ(std::vector<DrawCommand>(list.begin() + 7, list.end()),
              std::vector<DrawCommand>({{K::FilledBox, 120, 320, 390, 2090, 0, 0, blue},
                                        {K::FilledBox, 1370, 320, 1630, 1680, 0, 0, blue},
                                        {K::FilledBox, 615, 1820, 1500, 2090, 0, 0, blue}}));
    Set("Power", 1100);
    Set("Azimuth", 0.05);
    probe_->DrawMeters();
    EXPECT_EQ(list[7].y1, 2090.0f);  // empty at 1100
    EXPECT_EQ(list[9].x1, static_cast<float>(0.05 * 885 / 8 + 1500));
}

}  // namespace
}  // namespace dorvanta
