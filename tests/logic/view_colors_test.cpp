#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "view/form_colors.h"
#include "view_fixture.h"

namespace dorvanta {
namespace {

const char* const kTargets[] = {"Background", "Ball", "Table", "Cups", "CupsOpponent", "Hand"};
const char* const kColours[] = {"Black",  "Grey",  "LightGrey", "White",     "Red",   "Orange",
                                "Yellow", "Green", "Blue",      "LightBlue", "Violet"};

class ViewColorsTest : public ViewTest {
  protected:
    Form& OpenColors() {
        main.FindMenuItem("MenuOptionColors")->Click();
        Form* colors = probe.SecondaryForm("FormColors");
        if (colors == nullptr) {
            throw std::logic_error("the colour window did not open");
        }
        return *colors;
    }
    Picture& Swatch(Form& colors, const std::string& name) {
        return dynamic_cast<Picture&>(*colors.FindControl(name));
    }
    // Where each target's colour lives: the picture's background or a member.
    double Held(const std::string& target) {
        if (target == "Background") {
            return main.Picture1().BackColor();
        }
        return probe.Get("Color" + target);
    }
    // Commands drawn in a colour: two ellipses and two lines make a cup.
    long Drawn(Color color) {
        return std::count_if(
            Drawing().begin(), Drawing().end(),
            [color](const DrawCommand& command) { return command.color == color; });
    }
};

TEST_F(ViewColorsTest, WindowHoldsSixLabelledRowsOfElevenSwatches) {
    Form& colors = OpenColors();
    EXPECT_EQ(colors.Caption(), "Options - Dorvanta");
    EXPECT_EQ(colors.ClientWidth(), 5895);
    EXPECT_EQ(colors.ClientHeight(), 5670);

    std::set<std::string> captions;
    int pictures = 0;
    for (const auto& control : colors.Controls()) {
        if (control->Kind() == ControlKind::Label) {
            captions.insert(dynamic_cast<const Label&>(*control).Caption());
        }
        pictures += control->Kind() == ControlKind::Picture;
    }
    EXPECT_EQ(captions, (std::set<std::string>{
                            "Playing Field Background Color:", "Ball Color:", "Table Color:",
                            "Player Cup Color:", "Opponent Cup Color:", "Crosshair Color:"}));
    EXPECT_EQ(pictures, 66);

    const Picture& yellow = Swatch(colors, "PictureBackgroundYellow");
    EXPECT_EQ(yellow.BackColor(), 0x0000FFFFu);
    EXPECT_EQ(yellow.Geom().left, 3240);
    EXPECT_EQ(yellow.Geom().top, 480);
    EXPECT_EQ(yellow.Geom().width, 375);
    EXPECT_EQ(yellow.Geom().height, 375);
    const Picture& lightBlue = Swatch(colors, "PictureCupsOpponentLightBlue");
    EXPECT_EQ(lightBlue.BackColor(), 0x00FFFF00u);
    EXPECT_EQ(lightBlue.Geom().left, 4680);
    EXPECT_EQ(lightBlue.Geom().top, 3840);
    EXPECT_EQ(Swatch(colors, "PictureHandLightGrey").BackColor(), 0x8000000Fu);
    EXPECT_EQ(Swatch(colors, "PictureBallOrange").BackColor(), 33023u);
    EXPECT_EQ(Swatch(colors, "PictureTableViolet").BackColor(), 12583104u);
}

TEST_F(ViewColorsTest, MenuOpensOneWindowAndReopensItAfterClosing) {
    Form& first = OpenColors();
    EXPECT_TRUE(first.Visible());
    EXPECT_EQ(&OpenColors(), &first);
    first.CloseRequested();
    Form& second = OpenColors();
    EXPECT_TRUE(second.Visible());
    EXPECT_FALSE(second.Unloaded());
}

TEST_F(ViewColorsTest, EverySwatchColoursItsOwnTargetOnly) {
    Form& colors = OpenColors();
    for (const std::string target : kTargets) {
        for (const std::string colour : kColours) {
            const std::string name = "Picture" + target + colour;
            Picture& swatch = Swatch(colors, name);
            std::map<std::string, double> before;
            for (const std::string other : kTargets) {
                before[other] = Held(other);
            }
            swatch.Click();
            EXPECT_EQ(Held(target), swatch.BackColor()) << name;
            for (const std::string other : kTargets) {
                if (other != target) {
                    EXPECT_EQ(Held(other), before[other]) << name << " touched " << other;
                }
            }
        }
    }
}

TEST_F(ViewColorsTest, BackgroundSwatchRepaintsTheField) {
    Form& colors = OpenColors();
    probe.Set("BallX", 10);  // not drawn yet
    const float oldBallX = Drawing().back().x1;
    Swatch(colors, "PictureBackgroundBlack").Click();
    EXPECT_EQ(main.Picture1().BackColor(), 0u);
    EXPECT_EQ(Drawing().front().kind, DrawCommand::Kind::Clear);
    EXPECT_GT(Drawing().back().x1, oldBallX);
}

TEST_F(ViewColorsTest, MemberSwatchIsUsedByTheNextDrawing) {
    Form& colors = OpenColors();
    Swatch(colors, "PictureCupsGreen").Click();
    Swatch(colors, "PictureHandLightGrey").Click();
    EXPECT_EQ(probe.Get("ColorCups"), 0x0000FF00);
    EXPECT_EQ(Drawn(0x0000FF00), 40);
    const auto& drawing = Drawing();
    EXPECT_EQ(drawing[drawing.size() - 2].color, kButtonFaceColor);
    EXPECT_EQ(drawing[drawing.size() - 3].color, kButtonFaceColor);
}

TEST_F(ViewColorsTest, OpponentColourWaitsUnseenInIndividualPlay) {
    Form& colors = OpenColors();
    main.FindMenuItem("MenuOptionIndividual")->Click();
    Swatch(colors, "PictureCupsOpponentRed").Click();
    EXPECT_EQ(probe.Get("ColorCupsOpponent"), 0x000000FF);
    EXPECT_EQ(Drawing().size(), 48u);
    main.FindMenuItem("MenuOptionHeadToHead")->Click();
    EXPECT_EQ(Drawn(0x000000FF), 80);
}

}  // namespace
}  // namespace dorvanta
