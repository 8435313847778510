#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/number_text.h"
#include "platform/controls.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

// --- Control models ---

TEST(TextBoxModel, ChangeFiresSynchronouslyAndOnlyOnARealChange) {
    TextBox box("TextPower", {}, "5");
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
    box.SetText("1100");
    EXPECT_EQ(seen, std::vector<std::string>{"1100"});  // already there when SetText returns
    box.SetText("1100");
    EXPECT_EQ(seen.size(), 1u);
    box.SetText("");
    EXPECT_EQ(seen, (std::vector<std::string>{"1100", ""}));
}

TEST(TextBoxModel, AProgrammaticTextPutsTheInsertionPointAtTheStart) {
    TextBox box("TextHandX", {}, "");
    box.TypeKey('4');
    box.TypeKey('2');
    EXPECT_EQ(box.SelStart(), 2);
    box.SetSelection(0, 1);
    box.SetText("17");
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 0);
    box.TypeKey('-');  // typed at the start
    EXPECT_EQ(box.Text(), "-17");
}

TEST(TextBoxModel, ADiscardedKeyChangesNothing) {
    TextBox box("TextHandX", {}, "12");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    std::vector<char> offered;
    box.onKeyPress = [&](char& key) {
        offered.push_back(key);
        if (key < '0' || key > '9') {
            key = 0;
        }
    };
    box.SetSelection(2, 0);
    box.TypeKey('x');
    EXPECT_EQ(box.Text(), "12");
    EXPECT_EQ(changes, 0);
    box.TypeKey('3');
    EXPECT_EQ(box.Text(), "123");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(offered, (std::vector<char>{'x', '3'}));
}

TEST(TextBoxModel, TypingReplacesTheSelectionAndBackspaceDeletes) {
    TextBox box("TextPower", {}, "1100");
    box.SetSelection(1, 2);
    box.TypeKey('9');
    EXPECT_EQ(box.Text(), "190");
    EXPECT_EQ(box.SelStart(), 2);
    box.TypeKey(kBackspace);
    EXPECT_EQ(box.Text(), "10");
    box.SelectAll();
    box.TypeKey(kBackspace);
    EXPECT_EQ(box.Text(), "");
    box.TypeKey(kBackspace);  // nothing before the caret
    EXPECT_EQ(box.Text(), "");
}

TEST(TextBoxModel, AReadOnlyOrDisabledBoxTakesNoKeys) {
    TextBox box("Text1", {}, "web");
    box.SetReadOnly(true);
    box.TypeKey('x');
    EXPECT_EQ(box.Text(), "web");
    box.SetReadOnly(false);
    box.SetEnabled(false);
    box.TypeKey('x');
    EXPECT_EQ(box.Text(), "web");
}

TEST(ScrollBarModel, ValuesAreClampedAndChangeFiresOnlyOnARealChange) {
    ScrollBar bar("HScrollHand", ControlKind::HScrollBar, {}, -240, 240, 0);
    std::vector<int> seen;
    bar.onChange = [&] { seen.push_back(bar.Value()); };
    bar.SetValue(300);
    EXPECT_EQ(bar.Value(), 240);
    bar.SetValue(240);
    bar.UserChange(1000);
    EXPECT_EQ(seen, std::vector<int>{240});
    bar.SetValue(-32768);
    EXPECT_EQ(bar.Value(), -240);
    EXPECT_EQ(seen, (std::vector<int>{240, -240}));
}

TEST(ScrollBarModel, DraggingFiresScrollNotChange) {
    ScrollBar bar("HScrollZoom", ControlKind::HScrollBar, {}, -1000, 1000, 0);
    int changes = 0;
    int scrolls = 0;
    bar.onChange = [&] { ++changes; };
    bar.onScroll = [&] { ++scrolls; };
    bar.UserScroll(50);
    bar.UserScroll(50);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(changes, 0);
}

TEST(ButtonModel, ADisabledOrHiddenButtonIgnoresPresses) {
    Button button("CommandShoot", {}, "Shoot");
    int presses = 0;
    button.onMouseDown = [&](int) { ++presses; };
    button.SetEnabled(false);
    button.PressMouse(kLeftButton);
    button.SetEnabled(true);
    button.SetVisible(false);
    button.PressMouse(kLeftButton);
    EXPECT_EQ(presses, 0);
    button.SetVisible(true);
    button.PressMouse(kRightButton);
    EXPECT_EQ(presses, 1);
}

// --- Scripted desktop ---

TEST(ScriptedDesktop, AnActionRunsInsideTheChosenYield) {
    ScriptedPlatform platform;
    std::vector<std::int64_t> ranAt;
    platform.AtYield(3, [&] { ranAt.push_back(platform.YieldCount()); });
    platform.Yield();
    platform.Yield();
    EXPECT_TRUE(ranAt.empty());
    platform.Yield();
    EXPECT_EQ(ranAt, std::vector<std::int64_t>{3});
    EXPECT_EQ(platform.PendingActions(), 0u);
}

TEST(ScriptedDesktop, AnActionCanScheduleAnotherFromInsideAYield) {
    ScriptedPlatform platform;
    std::vector<std::int64_t> ranAt;
    platform.AtYield(1, [&] {
        ranAt.push_back(platform.YieldCount());
        platform.AtYield(2, [&] { ranAt.push_back(platform.YieldCount()); });
    });
    for (int i = 0; i < 4; ++i) {
        platform.Yield();
    }
    EXPECT_EQ(ranAt, (std::vector<std::int64_t>{1, 3}));
}

TEST(ScriptedDesktop, AnUnscriptedBoxThrowsWithItsText) {
    ScriptedPlatform platform;
    try {
        platform.MessageBox("You just won.  Do you want to play again?", BoxButtons::YesNo, "");
        FAIL() << "no exception";
    } catch (const UnscriptedBox& box) {
        EXPECT_NE(std::string(box.what()).find("You just won.  Do you want to play again?"),
                  std::string::npos);
    }
    EXPECT_THROW(platform.InputBox("Enter your name", ""), UnscriptedBox);
    platform.QueueAnswer(BoxAnswer::Yes);
    EXPECT_THROW(platform.MessageBox("Are you sure?", BoxButtons::OkCancel, ""), UnscriptedBox);
}

TEST(ScriptedDesktop, BoxesAreAnsweredInOrderAndRecorded) {
    ScriptedPlatform platform;
    platform.QueueAnswer(BoxAnswer::Cancel);
    platform.QueueInput("Ann");
    EXPECT_EQ(platform.MessageBox("Are you sure?", BoxButtons::OkCancel, "T"), BoxAnswer::Cancel);
    EXPECT_EQ(platform.InputBox("Name?", "T"), "Ann");
    ASSERT_EQ(platform.Boxes().size(), 2u);
    EXPECT_EQ(platform.Boxes()[0].answer, "Cancel");
    EXPECT_TRUE(platform.Boxes()[1].isInput);
    EXPECT_EQ(platform.Boxes()[1].answer, "Ann");
}

TEST(ScriptedDesktop, TheClockWrapsAtMidnight) {
    ScriptedPlatform platform;
    platform.SetTimeOfDay(86400.0 - 0.0015);
    platform.Yield();
    EXPECT_NEAR(platform.TimeOfDay(), 86400.0 - 0.0005, 1e-9);
    platform.Yield();
    EXPECT_NEAR(platform.TimeOfDay(), 0.0005, 1e-9);
}

TEST(ScriptedDesktop, AfterTheEndEveryYieldThrows) {
    ScriptedPlatform platform;
    EXPECT_THROW(platform.EndProgram(), QuitRequested);
    EXPECT_TRUE(platform.Ended());
    EXPECT_THROW(platform.Yield(), QuitRequested);
}

// --- Number texts ---

TEST(NumberTextFormat, ShowsPlainDecimalsWithAtMost15SignificantDigits) {
    EXPECT_EQ(NumberText(1100), "1100");
    EXPECT_EQ(NumberText(1100.5), "1100.5");
    EXPECT_EQ(NumberText(-7.95), "-7.95");
    EXPECT_EQ(NumberText(100.0 / 3.0), "33.3333333333333");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(0.001), "0.001");
    EXPECT_EQ(NumberText(20000), "20000");
}

TEST(NumberTextFormat, LeadingValueReadsTheNumericStart) {
    EXPECT_EQ(LeadingValue("12.5abc"), 12.5);
    EXPECT_EQ(LeadingValue("-"), 0);
    EXPECT_EQ(LeadingValue(""), 0);
    EXPECT_EQ(LeadingValue("."), 0);
    EXPECT_EQ(LeadingValue("1e3"), 1000);
    EXPECT_EQ(LeadingValue("1e"), 1);
    EXPECT_EQ(LeadingValue("-7.95"), -7.95);
    EXPECT_EQ(LeadingValue(".5"), 0.5);
    EXPECT_EQ(LeadingValue("1,5"), 1);  // the point is always "."
    EXPECT_EQ(LeadingValue("abc12"), 0);
}

TEST(NumberTextFormat, WholeNumberAcceptsOnlyANumberWithBlanksAround) {
    EXPECT_EQ(WholeNumber(" 7 "), 7.0);
    EXPECT_EQ(WholeNumber("-12.25"), -12.25);
    EXPECT_FALSE(WholeNumber("12a").has_value());
    EXPECT_FALSE(WholeNumber("").has_value());
    EXPECT_FALSE(WholeNumber(" ").has_value());
    EXPECT_FALSE(WholeNumber("-").has_value());
}

}  // namespace
}  // namespace dorvanta
