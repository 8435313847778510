#include <cmath>
#include <vector>

#include "view_fixture.h"

namespace dorvanta {
namespace {

using Kind = DrawCommand::Kind;

constexpr Color kGrey = 0x00C0C0C0, kRed = 0x000000FF, kBlue = 0x00FF0000, kBlack = 0,
                kOrange = 0x000080FF;
constexpr int kTableLines = 4;
constexpr int kCommandsPerCup = 4;

struct Shape {
    Kind kind;
    Color color;
    bool operator==(const Shape&) const = default;
};

std::vector<Shape> Cup(Color color) {
    return {
        {Kind::Ellipse, color}, {Kind::Ellipse, color}, {Kind::Line, color}, {Kind::Line, color}};
}

std::vector<Shape> Shapes(const std::vector<DrawCommand>& drawing) {
    std::vector<Shape> shapes;
    for (const DrawCommand& command : drawing) {
        shapes.push_back({command.kind, command.kind == Kind::Clear ? 0 : command.color});
    }
    return shapes;
}

// Clear, table, the cups the predicate lets through (far before near), cross, ball.
std::vector<Shape> ExpectedShapes(bool nearRack, int fallenFarCup = 0) {
    std::vector<Shape> shapes{{Kind::Clear, 0}};
    shapes.insert(shapes.end(), kTableLines, {Kind::Line, kGrey});
    for (int i = 1; i <= kCupCount; ++i) {
        if (i != fallenFarCup) {
            const auto far = Cup(kRed);
            shapes.insert(shapes.end(), far.begin(), far.end());
        }
        if (nearRack) {
            const auto near = Cup(kBlue);
            shapes.insert(shapes.end(), near.begin(), near.end());
        }
    }
    shapes.insert(shapes.end(),
                  {{Kind::Line, kBlack}, {Kind::Line, kBlack}, {Kind::Circle, kOrange}});
    return shapes;
}

class ViewSceneTest : public ViewTest {
  protected:
    void Redraw() { main.DrawScene(); }
    // The four commands of the n-th cup drawn (0-based), after the table.
    const DrawCommand* CupCommands(int n) {
        return &Drawing()[1 + kTableLines + n * kCommandsPerCup];
    }
};

TEST_F(ViewSceneTest, StartUpShowsTableBothRacksCrossAndBallInThatOrder) {
    ASSERT_EQ(Drawing().size(), 88u);
    EXPECT_EQ(Shapes(Drawing()), ExpectedShapes(true));
}

TEST_F(ViewSceneTest, TableOutlineJoinsTheProjectedCornersEdgeByEdge) {
    const auto corner = [this](int k) {
        return std::pair<float, float>(
            static_cast<float>(probe.Get("TableCornerScreenX(" + std::to_string(k) + ")")),
            static_cast<float>(probe.Get("TableCornerScreenY(" + std::to_string(k) + ")")));
    };
    EXPECT_NEAR(corner(3).first, 1359.08, 0.01);
    EXPECT_NEAR(corner(3).second, 6185.26, 0.01);
    EXPECT_NEAR(corner(2).first, 5759.76, 0.01);
    const int edges[4][2] = {{1, 2}, {1, 3}, {4, 2}, {4, 3}};
    for (int e = 0; e < 4; ++e) {
        const DrawCommand& line = Drawing()[1 + e];
        EXPECT_EQ(std::pair(line.x1, line.y1), corner(edges[e][0])) << "edge " << e;
        EXPECT_EQ(std::pair(line.x2, line.y2), corner(edges[e][1])) << "edge " << e;
    }
}

TEST_F(ViewSceneTest, EachCupIsTwoEllipsesJoinedAtTheirSides) {
    const DrawCommand* apex = CupCommands(0);
    EXPECT_NEAR(apex[0].x1, 4087.5, 0.01);
    EXPECT_NEAR(apex[0].y1, 3271.86, 0.01);
    EXPECT_NEAR(apex[0].radius, 91.53, 0.01);
    EXPECT_NEAR(apex[0].ratio, 0.1885, 0.0001);
    EXPECT_NEAR(apex[1].y1, 2978.98, 0.01);
    EXPECT_NEAR(apex[1].radius, 146.44, 0.01);

    for (int n = 0; n < 2 * kCupCount; ++n) {
        const DrawCommand* cup = CupCommands(n);
        const DrawCommand &base = cup[0], &rim = cup[1], &right = cup[2], &left = cup[3];
        EXPECT_LT(rim.y1, base.y1) << "cup " << n;
        EXPECT_GT(rim.radius, base.radius) << "cup " << n;
        EXPECT_FLOAT_EQ(right.x1, base.x1 + base.radius) << "cup " << n;
        EXPECT_FLOAT_EQ(right.x2, rim.x1 + rim.radius) << "cup " << n;
        EXPECT_FLOAT_EQ(left.x1, base.x1 - base.radius) << "cup " << n;
        EXPECT_FLOAT_EQ(left.x2, rim.x1 - rim.radius) << "cup " << n;
        EXPECT_EQ(right.y1, base.y1);
        EXPECT_EQ(left.y2, rim.y1);
    }
    // The far rack is higher up the picture than the near one.
    EXPECT_LT(CupCommands(0)[0].y1, CupCommands(1)[0].y1);
}

TEST_F(ViewSceneTest, CrossSitsOnTheHandAndTheBallAtItsCentre) {
    const auto& drawing = Drawing();
    const DrawCommand& across = drawing[drawing.size() - 3];
    const DrawCommand& upright = drawing[drawing.size() - 2];
    const DrawCommand& ball = drawing.back();
    EXPECT_EQ(across.y1, across.y2);
    EXPECT_EQ(upright.x1, upright.x2);
    EXPECT_LT(across.x1, across.x2);
    EXPECT_GT(upright.y1, upright.y2);  // lower end first; y grows downwards
    EXPECT_FLOAT_EQ((across.x1 + across.x2) / 2, ball.x1);
    EXPECT_NEAR(ball.x1, 4087.5, 0.01);
    EXPECT_NEAR(ball.y1, 2774.74, 0.01);
    EXPECT_NEAR(ball.radius, 85.26, 0.01);
}

TEST_F(ViewSceneTest, IndividualPlayLeavesOutTheNearRack) {
    main.FindMenuItem("MenuOptionIndividual")->Click();
    EXPECT_EQ(Shapes(Drawing()), ExpectedShapes(false));
}

TEST_F(ViewSceneTest, AFallenCupIsNotDrawnAtAll) {
    probe.Set("CupStanding(3)", kFalse);
    probe.Set("OpponentCupStanding(10)", kFalse);
    Redraw();
    std::vector<Shape> expected = ExpectedShapes(true, 3);
    // The near rack's last cup is the last cup before the cross.
    expected.erase(expected.end() - 3 - kCommandsPerCup, expected.end() - 3);
    EXPECT_EQ(Shapes(Drawing()), expected);
}

TEST_F(ViewSceneTest, AFlatEllipseIsStillDrawn) {
    Bar("VScrollPan").UserChange(-144);
    ASSERT_EQ(Drawing().size(), 88u);
    EXPECT_EQ(CupCommands(0)[0].kind, Kind::Ellipse);
    EXPECT_EQ(CupCommands(0)[0].ratio, 0);
    EXPECT_GT(CupCommands(0)[1].ratio, 0);
}

TEST_F(ViewSceneTest, HalfATurnPutsTheNearRackAtTheFarEnd) {
    Bar("HScrollRotate").UserChange(200);
    EXPECT_GT(CupCommands(0)[0].y1, CupCommands(1)[0].y1);
    EXPECT_NEAR(probe.Get("TableCornerScreenX(1)"), 6815.92, 0.01);
    EXPECT_NEAR(probe.Get("TableCornerScreenY(1)"), 6185.26, 0.01);
}

TEST_F(ViewSceneTest, NothingBehindTheCameraIsDrawn) {
    probe.Set("BallZ", -250);
    probe.Set("HandZ", -200);
    probe.Set("TableCornerZ(3)", -260);
    Redraw();
    const auto& drawing = Drawing();
    // Two table edges end at the hidden corner; the cross and the ball are gone.
    ASSERT_EQ(drawing.size(), 1u + 2 + 2 * kCupCount * kCommandsPerCup);
    EXPECT_EQ(drawing.back().kind, Kind::Line);
    EXPECT_EQ(drawing.back().color, kBlue);
    for (const DrawCommand& command : drawing) {
        EXPECT_TRUE(std::isfinite(command.x1) && std::isfinite(command.y1) &&
                    std::isfinite(command.x2) && std::isfinite(command.y2));
        EXPECT_GT(command.x1, -100000.0f);
    }
}

}  // namespace
}  // namespace dorvanta
