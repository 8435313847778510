#include <functional>
#include <map>
#include <utility>

#include "shot_fixture.h"

namespace dorvanta {
namespace {

class ShotGauges : public ShotTest {
  protected:
    // Notes `name` inside each listed yield of the coming gauge run, then
    // ends the run with New Game in the yield after the last.
    std::map<std::int64_t, double> Watch(const std::string& name,
                                         std::initializer_list<std::int64_t> yields) {
        std::int64_t last = 0;
        for (std::int64_t at : yields) {
            platform_.AtYield(at, [this, name, at] { seen_[at] = Get(name); });
            last = std::max(last, at);
        }
        platform_.AtYield(last + 1, [this] { NewGame(); });
        Shoot().PressMouse(kLeftButton);
        return std::exchange(seen_, {});
    }

    std::map<std::int64_t, double> seen_;
};

TEST_F(ShotGauges, PowerRunsUpAndDownBetweenItsBoundsInHalfSteps) {
    const auto power = Watch("Power", {1, 699, 700, 701, 1400, 1401});
    EXPECT_EQ(power.at(1), 1100.5);
    EXPECT_EQ(power.at(699), 1449.5);
    EXPECT_EQ(power.at(700), 1450);
    EXPECT_EQ(power.at(701), 1449.5);
    EXPECT_EQ(power.at(1400), 1100);
    EXPECT_EQ(power.at(1401), 1100.5);
}

TEST_F(ShotGauges, VerticalAngleTurnsAtFiveAndEightyFive) {
    Set("ShotPhase", 1);
    Set("Angle", 5);
    const auto angle = Watch("Angle", {1, 160, 161, 320, 321});
    EXPECT_EQ(angle.at(1), 5.5);
    EXPECT_EQ(angle.at(160), 85);
    EXPECT_EQ(angle.at(161), 84.5);
    EXPECT_EQ(angle.at(320), 5);
    EXPECT_EQ(angle.at(321), 5.5);
}

TEST_F(ShotGauges, HorizontalAngleCountsHundredthsAndTurnsAtEight) {
    Set("ShotPhase", 2);
    std::string firstText, turnText;
    platform_.AtYield(1, [this, &firstText] { firstText = Text("TextAzimuth").Text(); });
    platform_.AtYield(481, [this, &turnText] { turnText = Text("TextAzimuth").Text(); });
    const auto azimuth = Watch("Azimuth", {1, 3, 160, 161, 480, 481});
    EXPECT_EQ(azimuth.at(1), 0.05);
    EXPECT_EQ(azimuth.at(3), 0.15);  // 15 / 100, not three sums of 0.05
    EXPECT_EQ(azimuth.at(160), 8);
    EXPECT_EQ(azimuth.at(161), 7.95);
    EXPECT_EQ(azimuth.at(480), -8);
    EXPECT_EQ(azimuth.at(481), -7.95);
    EXPECT_EQ(firstText, "0.05");
    EXPECT_EQ(turnText, "-7.95");
}

TEST_F(ShotGauges, APressInsideTheGaugesYieldFixesTheValueShown) {
    double power = 0, angle = 0;
    std::string powerText, caption;
    platform_.AtYield(700, [this] { Shoot().PressMouse(kLeftButton); });
    platform_.AtYield(701, [&, this] {
        power = Get("Power");
        powerText = Text("TextPower").Text();
        angle = Get("Angle");
        caption = Shoot().Caption();
        NewGame();
    });
    Shoot().PressMouse(kLeftButton);
    EXPECT_EQ(power, 1450);
    EXPECT_EQ(powerText, "1450");
    EXPECT_EQ(angle, 5.5);
    EXPECT_EQ(caption, "Vertical Angle");
}

TEST_F(ShotGauges, APressInPhaseZeroStartsFromTheFirstValuesWithEitherButton) {
    Set("Azimuth", 3);
    Set("Angle", 40);
    double phase = 0, angle = 0, azimuth = 0;
    std::string caption;
    platform_.AtYield(1, [&, this] {
        phase = Get("ShotPhase");
        angle = Get("Angle");
        azimuth = Get("Azimuth");
        caption = Shoot().Caption();
        NewGame();
    });
    Shoot().PressMouse(kRightButton);
    EXPECT_EQ(phase, 1);
    EXPECT_EQ(angle, 5);
    EXPECT_EQ(azimuth, 0);
    EXPECT_EQ(caption, "Power");
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

TEST_F(ShotGauges, NewGameDuringThePowerGaugeStartsTheNextPressAfresh) {
    platform_.AtYield(10, [this] { NewGame(); });
    Shoot().PressMouse(kLeftButton);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(Shoot().Caption(), "Shoot");

    const auto power = Watch("Power", {1});
    EXPECT_EQ(power.at(1), 1100.5);
}

TEST_F(ShotGauges, NewGameWhileTheComputerIsToShootGivesTheButtonBackToThePlayer) {
    Set("ShotPhase", 5);
    Shoot().SetCaption("Opponent's Shot");
    NewGame();
    EXPECT_EQ(Shoot().Caption(), "Shoot");
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(ShotGauges, TheGaugePanelIsNineBoxesWithTheBarsAtTheValues) {
    Set("Power", 1450);
    Set("Angle", 85);
    Set("Azimuth", -8);
    probe_->DrawMeters();
    const auto& list = Control<Picture>("Picture2").DisplayList();
    using K = DrawCommand::Kind;
    const Color black = 0, white = 16777215, blue = 16711680;
    const std::vector<DrawCommand> expected = {
        {K::FilledBox, 100, 300, 400, 2100, 0, 0, black},
        {K::FilledBox, 120, 320, 390, 2090, 0, 0, white},
        {K::FilledBox, 600, 1800, 2400, 2100, 0, 0, black},
        {K::FilledBox, 620, 1820, 2380, 2090, 0, 0, white},
        {K::FilledBox, 1350, 300, 1650, 1700, 0, 0, black},
        {K::FilledBox, 1370, 320, 1630, 1680, 0, 0, white},
        {K::FilledBox, 120, 320, 390, 2090, 0, 0, blue},
        {K::FilledBox, 1370, 320, 1630, 1680, 0, 0, blue},
        {K::FilledBox, 615, 1820, 1500, 2090, 0, 0, blue},
    };
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().kind, K::Clear);
    EXPECT_EQ(std::vector<DrawCommand>(list.begin() + 1, list.end()), expected);

    Set("Power", 1100);
    Set("Azimuth", 0.05);
    probe_->DrawMeters();
    EXPECT_EQ(list[7].y1, 2090.0f);  // empty at 1100
    EXPECT_EQ(list[9].x1, static_cast<float>(0.05 * 885 / 8 + 1500));
}

}  // namespace
}  // namespace dorvanta
