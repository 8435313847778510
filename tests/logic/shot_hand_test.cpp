#include "shot_fixture.h"

namespace dorvanta {
namespace {

class ShotHand : public ShotTest {
  protected:
    TextBox& Box() { return Text("TextHandX"); }
    ScrollBar& Bar() { return Control<ScrollBar>("HScrollHand"); }
    // Each key at the end of the text (a rewrite puts the caret at the start).
    void Type(const std::string& keys) {
        for (char key : keys) {
            Box().SetSelection(static_cast<int>(Box().Text().size()), 0);
            Box().TypeKey(key);
        }
    }
    void Clear() {
        Box().SelectAll();
        Box().TypeKey(kBackspace);
    }
    void ExpectHand(const std::string& text, int scroll, double handX) {
        EXPECT_EQ(Box().Text(), text);
        EXPECT_EQ(Bar().Value(), scroll);
        EXPECT_EQ(Get("HandX"), handX);
    }
};

TEST_F(ShotHand, TypedDigitsLoseTheirLeadingZeroAndMoveTheHand) {
    Clear();
    Type("05");
    ExpectHand("5", 50, 5);
}

// Regression: rewriting the box with the text it already held moved the caret to
// the start, so the 0 of a typed 30 landed in front of the 3.
TEST_F(ShotHand, KeysTypedOneAfterAnotherStayInOrder) {
    Clear();
    Box().TypeKey('3');
    Box().TypeKey('0');
    ExpectHand("24", 240, 24);
    Clear();
    Box().TypeKey('1');
    Box().TypeKey('2');
    Box().TypeKey('.');
    Box().TypeKey('5');
    ExpectHand("12.5", 125, 12.5);
}

TEST_F(ShotHand, AValueBeyondTheTableIsHeldAtItsEdge) {
    Box().SetText("30");
    ExpectHand("24", 240, 24);
    Box().SetText("-30");
    ExpectHand("-24", -240, -24);
}

TEST_F(ShotHand, AMinusGoesInFrontOfTheNumber) {
    Clear();
    Type("-");
    ExpectHand("-0", 0, 0);

    Box().SetText("7");
    Type("-");
    ExpectHand("-7", -70, -7);
    // A second minus and a second point are refused.
    Type("-.5.");
    ExpectHand("-7.5", -75, -7.5);
}

TEST_F(ShotHand, OnlyDigitsPointMinusAndBackspaceAreTyped) {
    Clear();
    Type("1a+ 2");
    ExpectHand("12", 120, 12);
    Box().SetSelection(2, 0);
    Box().TypeKey(kBackspace);
    ExpectHand("1", 10, 1);
}

TEST_F(ShotHand, ATextBetweenTwoScrollUnitsStaysAsTyped) {
    Box().SetText("0.2");
    ExpectHand("0.2", 2, 0.2);
    Box().SetText("0.25");  // 2.5 units round to the even 2
    ExpectHand("0.25", 2, 0.2);
    Box().SetText("0.45");  // 4.5 units round to the even 4
    ExpectHand("0.4", 4, 0.4);
}

TEST_F(ShotHand, TheScrollBarSetsTheHandInTenths) {
    Bar().UserChange(1);
    ExpectHand("0.1", 1, 0.1);
    Bar().UserScroll(-35);
    ExpectHand("-3.5", -35, -3.5);
}

TEST_F(ShotHand, UnfinishedEntriesStayAsTyped) {
    for (const std::string text : {"-.", "-", ".", "-0.", "00", "0-5"}) {
        SCOPED_TRACE(text);
        Box().SetText("0");
        Box().SetText(text);
        EXPECT_EQ(Box().Text(), text);
        EXPECT_EQ(Bar().Value(), 0);
    }
    // A positive leading value is tidied, whatever follows it.
    Box().SetText("5-");
    ExpectHand("5", 50, 5);
    // A digit typed in front of a minus, where a rewrite leaves the caret.
    Clear();
    Type("-");
    Box().SetSelection(0, 0);
    Box().TypeKey('0');
    ExpectHand("0-0", 0, 0);
}

}  // namespace
}  // namespace dorvanta
