#include <algorithm>
#include <string>

#include "game_test.h"

namespace dorvanta {
namespace {

class ViewColorsTest : public GameTest {
  protected:
    Form& Colors() { return *Window("FormColors"); }
    // Opens the window from the menu (again) and clicks a swatch in it.
    void ClickSwatch(const std::string& name) {
        ChooseMenu("MenuOptionColors");
        dynamic_cast<Picture&>(*Colors().FindControl("Picture" + name)).Click();
    }
    long Drawn(Color color) {
        return std::count_if(Drawing().begin(), Drawing().end(),
                             [color](const DrawCommand& c) { return c.color == color; });
    }
};

// Closed first: the menu opens the window again.
TEST_F(ViewColorsTest, ASwatchRedrawsTheFieldAndTheNearRackWaitsInIndividualPlay) {
    ChooseMenu("MenuOptionColors");
    Colors().CloseRequested();
    Set("BallX", 10);  // not drawn yet
    const float oldBallX = Drawing().back().x1;
    ClickSwatch("BackgroundBlack");
    EXPECT_TRUE(Colors().Visible());
    EXPECT_EQ(main.Picture1().BackColor(), 0u);
    EXPECT_GT(Drawing().back().x1, oldBallX);
    ClickSwatch("HandLightGrey");
    EXPECT_EQ(Drawn(kButtonFaceColor), 2);
    ChooseMenu("MenuOptionIndividual");
    ClickSwatch("CupsOpponentGreen");
    EXPECT_EQ(Drawn(kGreen), 0);
    ChooseMenu("MenuOptionHeadToHead");
    EXPECT_EQ(Drawn(kGreen), 40);
}

}  // namespace
}  // namespace dorvanta
