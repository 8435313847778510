// Numbers as the text boxes show and read them, in the game's own format in
// every locale. The scenario scripts also run in de_DE.UTF-8, where the decimal
// mark is a comma: hand_controls.txt guards the regression of the hand bar
// writing "1,2", which the box read back as 1, and of a comma ending the
// number; new_game_during_power_gauge.txt that of the gauges writing "1100,5";
// calibration_window.txt that of the window showing "1234,5" and Okay refusing
// what it showed.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace dorvanta {
namespace {

using Texts = std::vector<std::string>;

TEST(NumberTexts, ShowPlainDecimalsAndReadNumbersBackLenientlyOrWhole) {
    const std::pair<double, std::string> shown[] = {
        {-7.95, "-7.95"}, {100.0 / 3.0, "33.3333333333333"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}};
    for (const auto& [value, text] : shown) {
        EXPECT_EQ(NumberText(value), text);
    }
    // Regression: a text longer than a printf buffer was cut (1e300 showed as about 1e62).
    EXPECT_EQ(NumberText(1e300), "1" + std::string(300, '0'));
    EXPECT_EQ(NumberText(-1.5e-300), "-0." + std::string(299, '0') + "15");
    EXPECT_EQ(NumberText(123456789.123456789), "123456789.123457");
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

}  // namespace
}  // namespace dorvanta
