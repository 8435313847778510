#include <gtest/gtest.h>

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

TEST(TextBoxModel, AChangedTextFiresAtOnceAndPutsTheInsertionPointAtTheStart) {
    TextBox box("TextHandX", {}, "");
    Texts seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
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
    EXPECT_EQ(box.Text(), "-17");
}

TEST(TextBoxModel, TypingReplacesTheSelectionUnlessTheKeyIsDiscarded) {
    TextBox box("TextPower", {}, "1100");
    Texts seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
    std::string offered;
    box.onKeyPress = [&](char& key) {
        offered += key;
        key = key == 'x' ? 0 : key;
    };
    box.SetSelection(1, 2);
    box.TypeKey('x');
    box.TypeKey('9');
    EXPECT_EQ(State(box), "190 [2,0]");
    box.TypeKey(kBackspace);
    box.SelectAll();
    box.TypeKey(kBackspace);
    box.TypeKey(kBackspace);  // nothing before the caret
    box.SetReadOnly(true);
    box.TypeKey('5');
    EXPECT_EQ(seen, (Texts{"190", "10", ""}));
    EXPECT_EQ(offered.substr(0, 2), "x9");
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
    EXPECT_EQ(changes, (std::vector<int>{240, -240}));
    bar.UserScroll(50);
    bar.UserScroll(50);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(changes.size(), 2u);
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

TEST(ScriptedDesktop, TheClockWrapsAtMidnightAndAfterTheEndEveryYieldThrows) {
    ScriptedPlatform platform;
    platform.SetTimeOfDay(86400.0 - 0.0015);
    platform.Yield();
    EXPECT_NEAR(platform.TimeOfDay(), 86400.0 - 0.0005, 1e-9);
    platform.Yield();
    EXPECT_NEAR(platform.TimeOfDay(), 0.0005, 1e-9);
    EXPECT_THROW(platform.EndProgram(), QuitRequested);
    EXPECT_TRUE(platform.Ended());
    EXPECT_THROW(platform.Yield(), QuitRequested);
}

// --- Number texts ---

TEST(NumberTexts, ShowPlainDecimalsWithAtMost15SignificantDigits) {
    const std::pair<double, std::string> cases[] = {
        {1100, "1100"}, {1100.5, "1100.5"}, {-7.95, "-7.95"},   {100.0 / 3.0, "33.3333333333333"},
        {0, "0"},       {-0.0, "0"},        {0.1 + 0.2, "0.3"}, {0.001, "0.001"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberText(value), text);
    }
}

TEST(NumberTexts, LeadingValueReadsTheNumericStartAndWholeNumberTheWholeText) {
    const std::pair<std::string, double> leading[] = {
        {"12.5abc", 12.5}, {"-", 0},         {"", 0},     {".", 0},   {"1e3", 1000},
        {"1e", 1},         {"-7.95", -7.95}, {".5", 0.5}, {"1,5", 1}, {"abc12", 0}};
    for (const auto& [text, value] : leading) {
        EXPECT_EQ(LeadingValue(text), value) << text;
    }
    EXPECT_EQ(WholeNumber(" 7 "), 7.0);
    EXPECT_EQ(WholeNumber("-12.25"), -12.25);
    for (const char* text : {"12a", "", " ", "-"}) {
        EXPECT_FALSE(WholeNumber(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace dorvanta
