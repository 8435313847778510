#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "platform/controls.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

using Texts = std::vector<std::string>;

// The text with the selection's start and length, as "text [start,length]".
std::string State(const TextBox& box) {
    return box.Text() + " [" + std::to_string(box.SelStart()) + "," +
           std::to_string(box.SelLength()) + "]";
}

// --- Control models ---

TEST(TextBoxModel, OnlyARealChangeFiresAndPutsTheCaretAtTheStartAndDiscardedKeysAreNotTyped) {
    TextBox box("TextHandX", {}, "");
    Texts seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
    box.onKeyPress = [](char& key) { key = key == 'x' ? 0 : key; };
    box.TypeKey('4');
    box.TypeKey('2');
    box.SetSelection(1, 1);
    box.SetText("42");  // the same text again: no change, the caret stays
    EXPECT_EQ(seen, (Texts{"4", "42"}));
    EXPECT_EQ(State(box), "42 [1,1]");
    box.SetText("17");
    EXPECT_EQ(seen, (Texts{"4", "42", "17"}));  // already there when SetText returns
    EXPECT_EQ(State(box), "17 [0,0]");
    box.TypeKey('-');  // typed at the start
    box.SetSelection(1, 2);
    box.TypeKey('x');
    box.TypeKey('9');  // replaces the selection
    EXPECT_EQ(State(box), "-9 [2,0]");
    box.TypeKey(kBackspace);
    box.SelectAll();
    box.TypeKey(kBackspace);
    box.TypeKey(kBackspace);  // nothing before the caret
    box.SetReadOnly(true);
    box.TypeKey('5');
    EXPECT_EQ(seen, (Texts{"4", "42", "17", "-17", "-9", "-", ""}));
}

TEST(ScrollBarModel, ValuesAreClampedAndOnlyARealChangeOrADragIsReported) {
    ScrollBar bar("HScrollHand", ControlKind::HScrollBar, {}, -240, 240, 0);
    std::vector<int> changes;
    int scrolls = 0;
    bar.onChange = [&] { changes.push_back(bar.Value()); };
    bar.onScroll = [&] { ++scrolls; };
    bar.SetValue(300);
    bar.SetValue(240);
    bar.UserChange(1000);
    bar.SetValue(-32768);
    bar.UserScroll(50);
    bar.UserScroll(50);
    EXPECT_EQ(changes, (std::vector<int>{240, -240}));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(scrolls, 1);
}

// --- Scripted desktop ---

TEST(ScriptedDesktop, AnActionRunsInsideTheChosenYieldAndMayScheduleAnother) {
    ScriptedPlatform platform;
    std::vector<std::int64_t> ranAt;
    platform.AtYield(2, [&] {
        ranAt.push_back(platform.YieldCount());
        platform.AtYield(2, [&] { ranAt.push_back(platform.YieldCount()); });
    });
    for (int i = 0; i < 5; ++i) {
        platform.Yield();
    }
    EXPECT_EQ(ranAt, (std::vector<std::int64_t>{2, 4}));
    EXPECT_EQ(platform.PendingActions(), 0u);
}

TEST(ScriptedDesktop, AnUnscriptedBoxThrowsWithItsText) {
    ScriptedPlatform platform;
    const std::string text = "You just won.  Do you want to play again?";
    try {
        platform.MessageBox(text, BoxButtons::YesNo, "");
        ADD_FAILURE() << "no exception";
    } catch (const UnscriptedBox& box) {
        EXPECT_NE(std::string(box.what()).find(text), std::string::npos) << box.what();
    }
    EXPECT_THROW(platform.InputBox("Enter your name", ""), UnscriptedBox);
    platform.QueueAnswer(BoxAnswer::Yes);  // not a button of the box
    EXPECT_THROW(platform.MessageBox("Are you sure?", BoxButtons::OkCancel, ""), UnscriptedBox);
}

// --- Number texts ---

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

}  // namespace
}  // namespace dorvanta
