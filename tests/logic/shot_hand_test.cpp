#include <tuple>

#include "game_test.h"

namespace dorvanta {
namespace {

class ShotHand : public GameTest {
  protected:
    TextBox& Box() { return Control<TextBox>("TextHandX"); }
    void ExpectHand(const std::string& text, int scroll, double handX) {
        EXPECT_EQ(Box().Text(), text);
        EXPECT_EQ(Bar("HScrollHand").Value(), scroll);
        EXPECT_EQ(Get("HandX"), handX);
    }
};

// The hand controls' scenario types whole entries into the box; these are the
// texts it leaves out.
TEST_F(ShotHand, TheBoxTakesANumberOnTheTableAndMovesTheHandAndTheScrollBar) {
    // Given to the box first (unless null), typed key by key at the caret,
    // wherever the last rewrite left it, then the text, scroll bar and hand.
    const std::tuple<const char*, const char*, const char*, int, double> kEntries[] = {
        // Regression: rewriting the box with the text it already held moved the
        // caret to the start, so the 0 of a typed 30 landed in front of the 3.
        {"", "30", "24", 240, 24},
        {"", "12.5", "12.5", 125, 12.5},
        {"-30", "", "-24", -240, -24},  // held at the table's edge
        {"", "-", "-0", 0, 0},          // a minus goes in front of the number
        // Unfinished entries stay as typed.
        {"-.", "", "-.", 0, 0},
        {"-", "", "-", 0, 0},
        {".", "", ".", 0, 0},
        {"-0.", "", "-0.", 0, 0},
        {"00", "", "00", 0, 0},
        {"0-5", "", "0-5", 0, 0},
        {"", "1a+ 2", "12", 120, 12},  // only digits, point, minus and backspace
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
        for (char key : std::string(typed)) {
            Box().TypeKey(key);
        }
        ExpectHand(text, scroll, handX);
    }
    // A digit typed in front of a minus, where a rewrite leaves the caret, stays there.
    Box().SetText("");
    Box().TypeKey('-');
    Box().SetSelection(0, 0);
    Box().TypeKey('0');
    ExpectHand("0-0", 0, 0);
    // Scrolling sets the hand in tenths as a change of the bar does.
    Bar("HScrollHand").UserScroll(-35);
    ExpectHand("-3.5", -35, -3.5);
}

}  // namespace
}  // namespace dorvanta
