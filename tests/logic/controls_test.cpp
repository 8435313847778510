// A scroll bar as a model, and the boxes of the scripted desktop the tests play
// on. The text box model is played by the hand box (shot_hand_test,
// hand_controls.txt), the random play and the Qt typing tests; the actions
// scheduled at yields by every gauge, flight and script test.
#include <gtest/gtest.h>

#include <vector>

#include "platform/controls.h"
#include "platform/scripted/scripted_platform.h"

namespace dorvanta {
namespace {

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

// A message box nobody answers, and its text in the report: the runner's
// verdicts (scenario_test).
TEST(ScriptedDesktop, AnUnscriptedInputBoxOrAnAnswerThatIsNoButtonOfTheBoxThrows) {
    ScriptedPlatform platform;
    EXPECT_THROW(platform.InputBox("Enter your name", ""), UnscriptedBox);
    platform.QueueAnswer(BoxAnswer::Yes);
    EXPECT_THROW(platform.MessageBox("Are you sure?", BoxButtons::OkCancel, ""), UnscriptedBox);
}

}  // namespace
}  // namespace dorvanta
