// The controls as models: a change fires only when something really changes,
// and a discarded key is not typed. The scripted desktop the tests play on is
// tested by every test and script that schedules actions at yields or answers
// boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"

namespace dorvanta {
namespace {

using Texts = std::vector<std::string>;

// The text with the selection's start and length, as "text [start,length]".
std::string State(const TextBox& box) {
    return box.Text() + " [" + std::to_string(box.SelStart()) + "," +
           std::to_string(box.SelLength()) + "]";
}

// Typing, a typed key replacing the selection, a discarded key and the change
// event fired before SetText returns, and only on a real change, are played
// through the hand box (shot_hand_test, hand_controls.txt) and the Qt typing
// test.
TEST(TextBoxModel, ARewritePutsTheCaretAtTheStartWhereBackspaceDeletesNothing) {
    TextBox box("TextHandX", {}, "");
    Texts seen;
    box.onChange = [&] { seen.push_back(box.Text()); };
    box.SetText("17");
    EXPECT_EQ(State(box), "17 [0,0]");
    box.TypeKey(kBackspace);
    box.SetSelection(2, 0);
    box.SetReadOnly(true);
    box.TypeKey('5');
    box.TypeKey(kBackspace);
    EXPECT_EQ(State(box), "17 [2,0]");
    EXPECT_EQ(seen, (Texts{"17"}));
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

}  // namespace
}  // namespace dorvanta
