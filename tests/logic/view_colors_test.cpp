#include <algorithm>
#include <map>
#include <string>

#include "game_test.h"

namespace dorvanta {
namespace {

const char* const kTargets[] = {"Background", "Ball", "Table", "Cups", "CupsOpponent", "Hand"};
const char* const kColours[] = {"Black",  "Grey",  "LightGrey", "White",     "Red",   "Orange",
                                "Yellow", "Green", "Blue",      "LightBlue", "Violet"};
const Color kValues[] = {0,        0xC0C0C0, 0x8000000F, 0xFFFFFF, 0x0000FF, 0x0080FF,
                         0x00FFFF, 0x00FF00, 0xFF0000,   0xFFFF00, 0xC000C0};

class ViewColorsTest : public GameTest {
  protected:
    Form& Colors() { return *Window("FormColors"); }
    // Opens the window from the menu (again) and clicks a swatch in it.
    void ClickSwatch(const std::string& name) {
        ChooseMenu("MenuOptionColors");
        dynamic_cast<Picture&>(*Colors().FindControl("Picture" + name)).Click();
    }
    // Where a target's colour lives: the picture's background or a member.
    double Held(const std::string& target) {
        return target == "Background" ? main.Picture1().BackColor() : Get("Color" + target);
    }
    long Drawn(Color color) {
        return std::count_if(Drawing().begin(), Drawing().end(),
                             [color](const DrawCommand& c) { return c.color == color; });
    }
};

// Closed first: the menu opens the window again.
TEST_F(ViewColorsTest, EachOfTheSixtySixSwatchesColoursItsOwnTargetOnly) {
    ChooseMenu("MenuOptionColors");
    Colors().CloseRequested();
    std::map<std::string, double> held;
    for (const std::string target : kTargets) {
        held[target] = Held(target);
    }
    for (const std::string target : kTargets) {
        for (int c = 0; c < 11; ++c) {
            ClickSwatch(target + kColours[c]);
            held[target] = kValues[c];
            for (const std::string other : kTargets) {
                EXPECT_EQ(Held(other), held[other]) << target << kColours[c] << " on " << other;
            }
        }
    }
    EXPECT_TRUE(Colors().Visible());
    EXPECT_FALSE(Colors().Unloaded());
}

TEST_F(ViewColorsTest, ASwatchRedrawsTheFieldAndTheNearRackWaitsInIndividualPlay) {
    Set("BallX", 10);  // not drawn yet
    const float oldBallX = Drawing().back().x1;
    ClickSwatch("BackgroundBlack");
    EXPECT_GT(Drawing().back().x1, oldBallX);
    ClickSwatch("HandLightGrey");
    EXPECT_EQ(Drawn(kButtonFaceColor), 2);
    ChooseMenu("MenuOptionIndividual");
    ClickSwatch("CupsOpponentGreen");
    EXPECT_EQ(Drawn(0x00FF00), 0);
    ChooseMenu("MenuOptionHeadToHead");
    EXPECT_EQ(Drawn(0x00FF00), 40);
}

}  // namespace
}  // namespace dorvanta
