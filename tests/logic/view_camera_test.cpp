#include <string>
#include <tuple>

#include "game_test.h"
#include "scenarios/arguments.h"
#include "view/camera.h"

namespace dorvanta {
namespace {

// A far table corner, the far apex cup's rim and base, points at and behind the
// camera's depth, then the camera lowered by its bar. The table's centre, the
// camera turned, panned across and zoomed are projected by the lab (lab_test)
// and the reset view test.
TEST(Projection, PutsPointsWhereTheCameraSeesThem) {
    const Camera home = HomeCamera(kFieldWidth);
    Camera lowered = home;
    lowered.CameraY = PannedHeight(-144, kHomeCameraY);  // level with the cups' bases
    const struct {
        const Camera& camera;
        double x, y, z, length;
        const char* seen;  // x, y, length and flatness, to nine digits
    } kCases[] = {
        {home, 24, 0, 48, 0, "5759.75806 3016.77419 0 0.17988007"},
        {home, 0, 4, 36, 2, "4087.5 2978.98305 146.440678 0.178595268"},
        {home, 0, 0, 36, 1.25, "4087.5 3271.86441 91.5254237 0.188512757"},
        {home, 0, 144, 0, 0, "4087.5 -8220.8 0 0.219987515"},  // above eye level
        {home, 3, 72, -200, 2, "-1000000 -1000000 0 0"},       // level with the camera
        {home, 3, 72, -250, 2, "-1000000 -1000000 0 0"},       // behind it
        {home, 1, 72, -199.999, 0, "17284087.5 -2000 0 0"},    // just in front: however far
        {lowered, 0, 0, 36, 1.25, "4087.5 -2000 91.5254237 0"},
    };
    for (const auto& c : kCases) {
        const ScreenPoint p = ProjectPoint(c.camera, c.x, c.y, c.z, c.length);
        EXPECT_EQ(lab::NineDigits(p.x) + " " + lab::NineDigits(p.y) + " " +
                      lab::NineDigits(p.length) + " " + lab::NineDigits(p.flatness),
                  c.seen)
            << c.x << " " << c.y << " " << c.z;
    }
}

using ViewCameraTest = GameTest;

// Clamping to each bar's range is the scroll bar's (controls_test).
TEST_F(ViewCameraTest, EachBarMovesItsCameraMemberFromHome) {
    const std::tuple<const char*, std::int16_t, const char*, double> cases[] = {
        {"VScrollPan", 1, "CameraY", 72.5},
        {"HScrollPan", 5, "CameraX", -0.5},
        {"HScrollZoom", 3, "CameraZ", -200.3},
        {"HScrollRotate", -400, "CameraRotate", -360},
    };
    for (const auto& [bar, value, member, expected] : cases) {
        Bar(bar).UserChange(value);
        EXPECT_DOUBLE_EQ(Get(member), expected) << bar << " at " << value;
    }
}

// The thumbs stay where they were, so the next arrow click acts from there.
TEST_F(ViewCameraTest, ResetViewBringsTheDrawnTableHomeButLeavesTheThumbs) {
    Bar("HScrollRotate").UserChange(100);
    EXPECT_NEAR(Get("TableCornerScreenX(3)"), 8800.23, 0.01);  // a quarter turn, unclipped
    Bar("HScrollPan").UserChange(50);
    Bar("VScrollPan").UserChange(10);
    Click("CommandResetView");
    EXPECT_NEAR(Get("TableCornerScreenX(3)"), 1359.08, 0.01);
    EXPECT_NEAR(Get("TableCornerScreenY(3)"), 6185.26, 0.01);
    EXPECT_EQ(Bar("HScrollPan").Value(), 50);
    EXPECT_EQ(Bar("VScrollPan").Value(), 10);

    Bar("HScrollPan").UserChange(51);
    EXPECT_DOUBLE_EQ(Get("CameraX"), -5.1);
    EXPECT_EQ(Get("CameraY"), 72);
    EXPECT_EQ(Get("CameraRotate"), 0);
}

}  // namespace
}  // namespace dorvanta
