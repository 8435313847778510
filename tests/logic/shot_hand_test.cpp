#include <tuple>

#include "game_test.h"

namespace dorvanta {
namespace {

class ShotHand : public GameTest {
  protected:
    TextBox& Box() { return Control<TextBox>("TextHandX"); }
    ScrollBar& Bar() { return Control<ScrollBar>("HScrollHand"); }
    // Each key at the end of the text (a rewrite puts the caret at the start).
    void Type(const std::string& keys) {
        for (char key : keys) {
            Box().SetSelection(static_cast<int>(Box().Text().size()), 0);
            Box().TypeKey(key);
        }
    }
    void ExpectHand(const std::string& text, int scroll, double handX) {
        EXPECT_EQ(Box().Text(), text);
        EXPECT_EQ(Bar().Value(), scroll);
        EXPECT_EQ(Get("HandX"), handX);
    }
};

TEST_F(ShotHand, TheBoxTakesANumberOnTheTableAndMovesTheHandAndTheScrollBar) {
    // Given to the box first (unless null), typed, then the text, scroll bar and hand.
    const std::tuple<const char*, const char*, const char*, int, double> kEntries[] = {
        {"", "05", "5", 50, 5},     // the 0 does not move the scroll bar, so the 5 follows it
        {"30", "", "24", 240, 24},  // held at the table's edge
        {"-30", "", "-24", -240, -24},
        {"", "-", "-0", 0, 0},  // a minus goes in front of the number
        // Unfinished entries stay as typed.
        {"-.", "", "-.", 0, 0},
        {"-", "", "-", 0, 0},
        {".", "", ".", 0, 0},
        {"-0.", "", "-0.", 0, 0},
        {"00", "", "00", 0, 0},
        {"0-5", "", "0-5", 0, 0},
        {"7", "-", "-7", -70, -7},
        {nullptr, "-.5.", "-7.5", -75, -7.5},  // a second minus and a second point are refused
        {"", "1a+ 2", "12", 120, 12},          // only digits, point, minus and backspace
        {nullptr, "\b", "1", 10, 1},
        {"0.2", "", "0.2", 2, 0.2},
        {"0.25", "", "0.25", 2, 0.2},  // between two scroll units: 2.5 rounds to the even 2
        {"0.45", "", "0.4", 4, 0.4},
        {"5-", "", "5", 50, 5},  // a positive leading value is tidied, whatever follows it
    };
    for (const auto& [set, typed, text, scroll, handX] : kEntries) {
        SCOPED_TRACE(text);
        if (set != nullptr) {
            Box().SetText(set);
        }
        Type(typed);
        ExpectHand(text, scroll, handX);
    }
}

// Regression: rewriting the box with the text it already held moved the caret to
// the start, so the 0 of a typed 30 landed in front of the 3.
TEST_F(ShotHand, KeysTypedOneAfterAnotherStayInOrder) {
    Box().SetText("");
    Box().TypeKey('3');
    Box().TypeKey('0');
    ExpectHand("24", 240, 24);
    Box().SetText("");
    for (char key : std::string("12.5")) {
        Box().TypeKey(key);
    }
    ExpectHand("12.5", 125, 12.5);
}

TEST_F(ShotHand, TheScrollBarSetsTheHandInTenths) {
    Bar().UserChange(1);
    ExpectHand("0.1", 1, 0.1);
    Bar().UserScroll(-35);
    ExpectHand("-3.5", -35, -3.5);
}

TEST_F(ShotHand, ADigitTypedInFrontOfAMinusStaysWhereTyped) {
    // A digit typed in front of a minus, where a rewrite leaves the caret.
    Box().SetText("");
    Type("-");
    Box().SetSelection(0, 0);
    Box().TypeKey('0');
    ExpectHand("0-0", 0, 0);
}

}  // namespace
}  // namespace dorvanta
