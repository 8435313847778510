// The game in a decimal-comma locale. The desktop switches the C library to the
// user's locale at start, so these tests put de_DE.UTF-8 in force before the
// main window loads (scripts/setup.sh generates it). Number texts must keep
// their point there, and be read back as they were written.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "opponent_fixture.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

class DecimalCommaLocale : public GameTest {
  protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the de_DE.UTF-8 locale is missing; scripts/setup.sh generates it";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        GameTest::SetUp();
    }
    void TearDown() override {
        GameTest::TearDown();
        std::setlocale(LC_ALL, previous_.c_str());
    }

    ScrollBar& HandBar() { return dynamic_cast<ScrollBar&>(*main.FindControl("HScrollHand")); }
    std::string Hand() { return TextNamed("TextHandX").Text() + " " + Values("HandX"); }

  private:
    std::string previous_;
};

// Regression: the bar wrote "1,2" into the box, which read it back as 1.
TEST_F(DecimalCommaLocale, TheHandBarMovesTheHandInTenths) {
    HandBar().UserChange(12);
    EXPECT_EQ(Hand(), "1.2 1.2");
    EXPECT_EQ(HandBar().Value(), 12);
    HandBar().UserScroll(-35);
    EXPECT_EQ(Hand(), "-3.5 -3.5");
}

// Regression: the gauges wrote "1100,5", and the numeric shot refused it with
// "The power is not a number."
TEST_F(DecimalCommaLocale, ANumericShotThrowsTheHalfValuesTheGaugesStoppedAt) {
    ChooseMenu("MenuOptionIndividual");
    Set("CalibrationFactor", 0);  // one yield a gauge step: each press stops after one step
    for (int yield = 1; yield <= 3; ++yield) {
        platform.AtYield(yield, [this] { PressShoot(); });
    }
    PressShoot();
    EXPECT_EQ(TextNamed("TextPower").Text() + " " + TextNamed("TextAngle").Text() + " " +
                  TextNamed("TextAzimuth").Text(),
              "1100.5 5.5 0.05");
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionNumericShooting");
    Click("CommandCheatShoot");
    EXPECT_EQ(platform.Boxes().size(), 1u) << LastBox();
    EXPECT_EQ(Values("ShotsTaken LastPower LastAngle LastAzimuth"), "2 1100.5 5.5 0.05");
}

// Regression: the window showed "1234,5", and Okay refused what it showed.
TEST_F(DecimalCommaLocale, TheCalibrationWindowShowsTheFactorWithAPointAndTakesItBack) {
    main.CalibrationFactor = 1234.5;
    ChooseMenu("MenuOptionCalibrate");
    Form& window = *probe.SecondaryForm("FormCalibrate");
    EXPECT_EQ(dynamic_cast<TextBox&>(*window.FindControl("TextCalibrationFactor")).Text(),
              "1234.5");
    dynamic_cast<Button&>(*window.FindControl("CommandOkay")).Click();
    EXPECT_TRUE(platform.Boxes().empty()) << LastBox();
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(DataFile(platform).ReadSettings().calibrationFactor, 1234.5);
}

// The box reads its number with the game's point in every locale: a comma ends
// the number. A positive text is tidied to its whole part; a text of 0 or less
// stays as typed, and the hand goes to its whole part, which rewrites the box
// only when that moves the scroll bar.
TEST_F(DecimalCommaLocale, ACommaEndsTheNumberInTheHandBox) {
    TextBox& box = TextNamed("TextHandX");
    box.SetText("1,5");
    EXPECT_EQ(Hand(), "1 1");
    box.SetText("-2,5");
    EXPECT_EQ(Hand(), "-2 -2");
    box.SetText("-2,75");
    EXPECT_EQ(Hand(), "-2,75 -2");
}

}  // namespace
}  // namespace dorvanta
