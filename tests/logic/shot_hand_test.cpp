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
    // Given to the box first, typed key by key at the caret,
    // wherever the last rewrite left it, then the text, scroll bar and hand.
    const std::tuple<const char*, const char*, const char*, int, double> kEntries[] = {
        // Regression: rewriting the box with the text it already held moved the
        // caret to the start, so the 0 of a typed 30 landed in front of the 3.
        {"", "30", "24", 240, 24},
        {"", "-", "-0", 0, 0},  // a minus goes in front of the number
        // Unfinished entries stay as typed.
        {"-.", "", "-.", 0, 0},
        {"0.2", "", "0.2", 2, 0.2},
        {"0.25", "", "0.25", 2, 0.2},  // between two scroll units: 2.5 rounds to the even 2
        {"0.45", "", "0.4", 4, 0.4},
        {"5-", "", "5", 50, 5},  // a positive leading value is tidied, whatever follows it
    };
    for (const auto& [set, typed, text, scroll, handX] : kEntries) {
        SCOPED_TRACE(text);
        Box().SetText(set);
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
}

}  // namespace
}  // namespace dorvanta
