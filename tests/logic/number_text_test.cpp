// Numbers as the text boxes show and read them, in the game's own format in
// every locale: the desktop switches the C library to the user's locale at
// start, so the game is also played here in de_DE.UTF-8, where the decimal
// mark is a comma (scripts/setup.sh generates the locale). The scenario
// scripts run in that locale too: hand_controls.txt guards the regression of
// the hand bar writing "1,2", which the box read back as 1, and
// calibration_window.txt that of the window showing "1234,5" and Okay refusing
// what it showed.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "game_test.h"

namespace dorvanta {
namespace {

using Texts = std::vector<std::string>;

TEST(NumberTexts, ShowPlainDecimalsAndReadNumbersBackLenientlyOrWhole) {
    const std::pair<double, std::string> shown[] = {
        {1100.5, "1100.5"}, {-7.95, "-7.95"},   {100.0 / 3.0, "33.3333333333333"},
        {-0.0, "0"},        {0.1 + 0.2, "0.3"}, {0.001, "0.001"}};
    for (const auto& [value, text] : shown) {
        EXPECT_EQ(NumberText(value), text);
    }
    // Regression: a text longer than a printf buffer was cut (1e300 showed as about 1e62).
    EXPECT_EQ(NumberText(1e300), "1" + std::string(300, '0'));
    EXPECT_EQ(NumberText(-1.5e-300), "-0." + std::string(299, '0') + "15");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::max()),
              "179769313486232" + std::string(294, '0'));
    EXPECT_EQ(NumberText(123456789.123456789), "123456789.123457");
    EXPECT_EQ(NumberText(1.23456789012345678e-10), "0.000000000123456789012346");
    const std::pair<std::string, double> leading[] = {
        {"12.5abc", 12.5}, {"-", 0}, {"", 0}, {"1e3", 1000}, {"1e", 1}, {".5", 0.5}, {"1,5", 1}};
    for (const auto& [text, value] : leading) {
        EXPECT_EQ(LeadingValue(text), value) << text;
    }
    EXPECT_EQ(WholeNumber(" 7 "), 7.0);
    EXPECT_EQ(WholeNumber("-12.25"), -12.25);
    EXPECT_EQ(WholeNumber("12a"), std::nullopt);
    EXPECT_EQ(WholeNumber(" "), std::nullopt);
}

// Regression: "1e309" and 400 nines read as 0.
TEST(NumberTexts, NumbersTooLargeForADoubleAreNotReadAsZero) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    const std::string nines(400, '9');
    for (const std::string& text : Texts{"1e309", nines, "-" + nines, "0.001e312",
                                         "1e99999999999999999999", nines + "e-10"}) {
        EXPECT_EQ(WholeNumber(text), std::nullopt) << text;
        EXPECT_EQ(LeadingValue(text + "x"), text.front() == '-' ? -kLargest : kLargest) << text;
    }
    // Too small for a double is as good as 0.
    for (const std::string& text : Texts{"1e-400", "-1e-99999999999999999999",
                                         "0." + std::string(400, '0') + "1", nines + "e-800"}) {
        EXPECT_EQ(WholeNumber(text), 0.0) << text;
    }
    EXPECT_EQ(WholeNumber("1.7976931348623157e308"), kLargest);
}

// German, by the C library's name for it: Windows names its locales by
// language and country.
#ifdef _WIN32
constexpr const char* kDecimalCommaLocale = "German_Germany";
#else
constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";
#endif

class DecimalCommaLocale : public GameTest {
  protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, kDecimalCommaLocale), nullptr)
            << "the locale " << kDecimalCommaLocale
            << " is missing; on Linux scripts/setup.sh generates it";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        GameTest::SetUp();
    }
    void TearDown() override {
        GameTest::TearDown();
        std::setlocale(LC_ALL, previous_.c_str());
    }

    std::string Hand() { return Text("TextHandX") + " " + Values("HandX"); }

  private:
    std::string previous_;
};

// Regression: the gauges wrote "1100,5", and the numeric shot refused it with
// "The power is not a number."
TEST_F(DecimalCommaLocale, ANumericShotThrowsTheHalfValuesTheGaugesStoppedAt) {
    ChooseMenu("MenuOptionIndividual");
    Set("CalibrationFactor", 0);  // one yield a gauge step: each press stops after one step
    for (int yield = 1; yield <= 3; ++yield) {
        platform.AtYield(yield, [this] { PressShoot(); });
    }
    PressShoot();
    EXPECT_EQ(Text("TextPower") + " " + Text("TextAngle") + " " + Text("TextAzimuth"),
              "1100.5 5.5 0.05");
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionNumericShooting");
    Click("CommandCheatShoot");
    EXPECT_EQ(platform.Boxes().size(), 1u) << LastBox();
    EXPECT_EQ(Values("ShotsTaken LastPower LastAngle LastAzimuth"), "2 1100.5 5.5 0.05");
}

// The box reads its number with the game's point in every locale: a comma ends
// the number. A positive text is tidied to its whole part; a text of 0 or less
// stays as typed, and the hand goes to its whole part, which rewrites the box
// only when that moves the scroll bar.
TEST_F(DecimalCommaLocale, ACommaEndsTheNumberInTheHandBox) {
    TextBox& box = Control<TextBox>("TextHandX");
    box.SetText("1,5");
    EXPECT_EQ(Hand(), "1 1");
    box.SetText("-2,5");
    EXPECT_EQ(Hand(), "-2 -2");
    box.SetText("-2,75");
    EXPECT_EQ(Hand(), "-2,75 -2");
}

}  // namespace
}  // namespace dorvanta
