#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "game_test.h"

namespace dorvanta {
namespace {

using Kind = DrawCommand::Kind;
using Shape = std::pair<Kind, Color>;

std::vector<Shape> Shapes(const std::vector<DrawCommand>& drawing) {
    std::vector<Shape> shapes;
    for (const DrawCommand& command : drawing) {
        shapes.emplace_back(command.kind, command.kind == Kind::Clear ? 0 : command.color);
    }
    return shapes;
}

// Clear, four table edges, then for each cup number the far cup and the near
// one (base, rim, two sides), then the black cross and the ball.
std::vector<Shape> Expected(bool nearRack, int fallenFarCup = 0, int fallenNearCup = 0) {
    std::vector<Shape> shapes{{Kind::Clear, 0}};
    shapes.insert(shapes.end(), 4, {Kind::Line, kGrey});
    const auto cup = [&shapes](Color c) {
        shapes.insert(shapes.end(),
                      {{Kind::Ellipse, c}, {Kind::Ellipse, c}, {Kind::Line, c}, {Kind::Line, c}});
    };
    for (int i = 1; i <= kCupCount; ++i) {
        if (i != fallenFarCup) {
            cup(kRed);
        }
        if (nearRack && i != fallenNearCup) {
            cup(kBlue);
        }
    }
    shapes.insert(shapes.end(), {{Kind::Line, 0}, {Kind::Line, 0}, {Kind::Circle, kOrange}});
    return shapes;
}

using ViewSceneTest = GameTest;

// The load draws both racks; fallen cups, and the near rack in Individual
// play, are left out.
TEST_F(ViewSceneTest, DrawsTableRacksCrossAndBallInThatOrderLeavingOutWhatIsNotInPlay) {
    EXPECT_EQ(Shapes(Drawing()), Expected(true));
    Set("CupStanding(3)", kFalse);
    Set("OpponentCupStanding(10)", kFalse);
    main.DrawScene();
    EXPECT_EQ(Shapes(Drawing()), Expected(true, 3, 10));
    ChooseMenu("MenuOptionIndividual");
    EXPECT_EQ(Shapes(Drawing()), Expected(false, 3));
}

// Table edges join the projected corners, each cup's sides join its base and
// rim, and the cross is centred on the ball.
TEST_F(ViewSceneTest, ShapesAreDrawnThroughTheProjectedPoints) {
    const auto& d = Drawing();
    const auto corner = [this](int k) {
        const std::string n = "(" + std::to_string(k) + ")";
        return std::pair(static_cast<float>(Get("TableCornerScreenX" + n)),
                         static_cast<float>(Get("TableCornerScreenY" + n)));
    };
    const int edges[4][2] = {{1, 2}, {1, 3}, {4, 2}, {4, 3}};
    for (int e = 0; e < 4; ++e) {
        EXPECT_EQ(std::pair(d[1 + e].x1, d[1 + e].y1), corner(edges[e][0])) << "edge " << e;
        EXPECT_EQ(std::pair(d[1 + e].x2, d[1 + e].y2), corner(edges[e][1])) << "edge " << e;
    }
    for (std::size_t first = 5; first < 5 + 8 * kCupCount; first += 4) {
        const DrawCommand &base = d[first], &rim = d[first + 1], &right = d[first + 2],
                          &left = d[first + 3];
        EXPECT_FLOAT_EQ(right.x1, base.x1 + base.radius) << first;
        EXPECT_FLOAT_EQ(right.x2, rim.x1 + rim.radius) << first;
        EXPECT_FLOAT_EQ(left.x1, base.x1 - base.radius) << first;
        EXPECT_FLOAT_EQ(left.x2, rim.x1 - rim.radius) << first;
        EXPECT_LT(base.radius, rim.radius) << first;  // the cups widen upwards
    }
    const DrawCommand &across = d[d.size() - 3], &upright = d[d.size() - 2], &ball = d.back();
    EXPECT_EQ(std::pair(across.y1, across.y2), std::pair(ball.y1, ball.y1));
    EXPECT_EQ(std::pair(upright.x1, upright.x2), std::pair(ball.x1, ball.x1));
    EXPECT_FLOAT_EQ((across.x1 + across.x2) / 2, ball.x1);
    EXPECT_GT(upright.y1, upright.y2);  // lower end first; y grows downwards
    EXPECT_NEAR(ball.x1, 4087.5, 0.01);
    EXPECT_NEAR(ball.y1, 2774.74, 0.01);
    EXPECT_NEAR(ball.radius, 85.26, 0.01);
}

// Level with the racks every base is a line, still drawn as an ellipse.
TEST_F(ViewSceneTest, SeenLevelTheCupBasesAreFlatEllipses) {
    Bar("VScrollPan").UserChange(-144);
    ASSERT_EQ(Shapes(Drawing()), Expected(true));
    for (std::size_t base = 5; base < 5 + 8 * kCupCount; base += 4) {
        EXPECT_EQ(Drawing()[base].ratio, 0) << base;
        EXPECT_GT(Drawing()[base + 1].ratio, 0) << base;
    }
}

// Regression: a ball thrown with a power of 1e308 stays a finite number but
// lands where single precision ends; it is left out, not drawn at infinity, as
// is everything touching a point at a depth of zero or less.
TEST_F(ViewSceneTest, NothingAtOrBehindTheCameraOrTooFarOffForThePictureIsDrawn) {
    Set("HandZ", -200);
    Set("TableCornerZ(3)", -260);
    for (const auto& [z, y] : {std::pair(-250.0, 0.0), std::pair(0.0, 1e40)}) {  // behind, far off
        Set("BallZ", z);
        Set("BallY", y);
        main.DrawScene();
        // Clear, the two table edges away from the hidden corner, every cup; no cross, no ball.
        ASSERT_EQ(Drawing().size(), 1u + 2 + 2 * kCupCount * 4) << y;
        EXPECT_EQ(Drawing().back().color, kBlue);  // the last near cup closes the list
        for (const DrawCommand& c : Drawing()) {
            for (const float v : {c.x1, c.y1, c.x2, c.y2}) {
                EXPECT_LT(std::abs(v), 1e5f);
            }
        }
    }
}

}  // namespace
}  // namespace dorvanta
