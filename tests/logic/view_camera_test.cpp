#include <cmath>
#include <tuple>

#include "view_fixture.h"

namespace dorvanta {
namespace {

// Where points land under a moved camera is checked through the lab (view_lab_test).
class ViewCameraTest : public ViewTest {};

TEST_F(ViewCameraTest, EachBarMovesItsCameraMemberFromHome) {
    const std::tuple<const char*, std::int16_t, const char*, double> cases[] = {
        {"VScrollPan", -144, "CameraY", 0},         {"VScrollPan", 1, "CameraY", 72.5},
        {"VScrollPan", 200, "CameraY", 172},        {"HScrollPan", 5, "CameraX", -0.5},
        {"HScrollPan", -400, "CameraX", 40},        {"HScrollPan", 0, "CameraX", 0},
        {"HScrollZoom", -1000, "CameraZ", -100},    {"HScrollZoom", 1000, "CameraZ", -300},
        {"HScrollZoom", 3, "CameraZ", -200.3},      {"HScrollZoom", 0, "CameraZ", -200},
        {"HScrollRotate", 1, "CameraRotate", 0.9},  {"HScrollRotate", -400, "CameraRotate", -360},
        {"HScrollRotate", 100, "CameraRotate", 90},
    };
    for (const auto& [bar, value, member, expected] : cases) {
        Bar(bar).UserChange(value);
        EXPECT_DOUBLE_EQ(probe.Get(member), expected) << bar << " at " << value;
        EXPECT_EQ(std::signbit(probe.Get(member)), std::signbit(expected))
            << bar << " at " << value;
    }
}

// The thumbs stay where they were, so the next arrow click acts from there.
TEST_F(ViewCameraTest, ResetViewBringsTheDrawnTableHomeButLeavesTheThumbs) {
    Bar("HScrollRotate").UserChange(100);
    EXPECT_NEAR(probe.Get("TableCornerScreenX(3)"), 8800.23, 0.01);  // a quarter turn, unclipped
    Bar("HScrollPan").UserChange(50);
    Bar("VScrollPan").UserChange(10);
    dynamic_cast<Button&>(*main.FindControl("CommandResetView")).Click();
    EXPECT_NEAR(probe.Get("TableCornerScreenX(3)"), 1359.08, 0.01);
    EXPECT_NEAR(probe.Get("TableCornerScreenY(3)"), 6185.26, 0.01);
    EXPECT_EQ(Bar("HScrollPan").Value(), 50);
    EXPECT_EQ(Bar("VScrollPan").Value(), 10);

    Bar("HScrollPan").UserChange(51);
    EXPECT_DOUBLE_EQ(probe.Get("CameraX"), -5.1);
    EXPECT_EQ(probe.Get("CameraY"), 72);
    EXPECT_EQ(probe.Get("CameraRotate"), 0);
}

// Nothing touching a point at a depth of zero or less is drawn (the projection
// itself is checked through the lab).
TEST_F(ViewCameraTest, NothingAtOrBehindTheCameraIsDrawn) {
    probe.Set("BallZ", -250);
    probe.Set("HandZ", -200);
    probe.Set("TableCornerZ(3)", -260);
    main.DrawScene();
    // Clear, the two table edges away from the hidden corner, every cup; no cross, no ball.
    ASSERT_EQ(Drawing().size(), 1u + 2 + 2 * kCupCount * 4);
    EXPECT_EQ(Drawing().back().color, 0x00FF0000u);  // the last near cup closes the list
    for (const DrawCommand& c : Drawing()) {
        for (const float v : {c.x1, c.y1, c.x2, c.y2}) {
            EXPECT_LT(std::abs(v), 1e5f);
        }
    }
}

}  // namespace
}  // namespace dorvanta
