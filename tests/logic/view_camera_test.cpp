#include <cmath>
#include <string>

#include "view_fixture.h"

namespace dorvanta {
namespace {

struct Projection {
    double x = 0, y = 0, length = 0, flatness = 0;
};

class ViewCameraTest : public ViewTest {
  protected:
    Projection Project(double x, double y, double z, double length = 0) {
        Projection p;
        probe.ProjectPoint(x, y, z, length, p.x, p.y, p.length, p.flatness);
        return p;
    }
    void ClickResetView() { dynamic_cast<Button&>(*main.FindControl("CommandResetView")).Click(); }
};

constexpr double kPictureTolerance = 0.01;  // picture units

TEST_F(ViewCameraTest, HomeCameraProjectsTheTableWhereItIsDesigned) {
    EXPECT_DOUBLE_EQ(probe.Get("ViewCenterX"), 4087.5);

    const Projection centre = Project(0, 0, 0);
    EXPECT_NEAR(centre.x, 4087.5, kPictureTolerance);
    EXPECT_NEAR(centre.y, 4220.8, kPictureTolerance);
    EXPECT_NEAR(centre.flatness, 0.22, 0.005);
    EXPECT_EQ(centre.length, 0);

    const struct {
        double x, z, screenX, screenY;
    } corners[] = {{-24, -48, 1359.08, 6185.26},
                   {24, 48, 5759.76, 3016.77},
                   {24, -48, 6815.92, 6185.26},
                   {-24, 48, 2415.24, 3016.77}};
    for (const auto& corner : corners) {
        const Projection p = Project(corner.x, 0, corner.z);
        EXPECT_NEAR(p.x, corner.screenX, kPictureTolerance) << corner.x << ", " << corner.z;
        EXPECT_NEAR(p.y, corner.screenY, kPictureTolerance) << corner.x << ", " << corner.z;
    }
}

TEST_F(ViewCameraTest, CupCirclesScaleWithDepthAndFlattenWithHeight) {
    const Projection rim = Project(0, 4, 36, 2);
    const Projection base = Project(0, 0, 36, 2);
    EXPECT_NEAR(rim.length, 146.44, kPictureTolerance);
    EXPECT_NEAR(base.length, 146.44, kPictureTolerance);
    EXPECT_NEAR(rim.flatness, 0.179, 0.0005);
    EXPECT_NEAR(base.flatness, 0.189, 0.0005);

    const Projection cupBase = Project(0, 0, 36, 1.25);
    EXPECT_NEAR(cupBase.x, 4087.5, kPictureTolerance);
    EXPECT_NEAR(cupBase.y, 3271.86, kPictureTolerance);
    EXPECT_NEAR(cupBase.length, 91.53, kPictureTolerance);

    // Above eye level the circle is seen from below: still a positive ratio.
    EXPECT_NEAR(Project(0, 144, 0).flatness, Project(0, 0, 0).flatness, 1e-12);
}

TEST_F(ViewCameraTest, TurningCarriesPointsAboutTheTableCentreWithoutClipping) {
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollRotate", 100, "CameraRotate"), 90);
    const Projection p = Project(-24, 0, -48);
    EXPECT_NEAR(p.x, 8800.23, kPictureTolerance);
    EXPECT_NEAR(p.y, 5069.09, kPictureTolerance);
    EXPECT_GT(p.x, main.Picture1().Geom().width);
}

TEST_F(ViewCameraTest, TiltLiftsTheFarSideOfTheWorldUp) {
    const Projection upright = Project(0, 48, 0);
    probe.Set("CameraTilt", 90);
    const Projection tilted = Project(0, 0, 48);
    EXPECT_NEAR(tilted.x, upright.x, kPictureTolerance);
    EXPECT_NEAR(tilted.y, upright.y, kPictureTolerance);
}

TEST_F(ViewCameraTest, BarsMoveTheirCameraMember) {
    EXPECT_DOUBLE_EQ(CameraAfter("VScrollPan", -144, "CameraY"), 0);
    EXPECT_DOUBLE_EQ(CameraAfter("VScrollPan", 1, "CameraY"), 72.5);
    EXPECT_DOUBLE_EQ(CameraAfter("VScrollPan", 200, "CameraY"), 172);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollPan", 5, "CameraX"), -0.5);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollPan", -400, "CameraX"), 40);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollZoom", -1000, "CameraZ"), -100);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollZoom", 1000, "CameraZ"), -300);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollZoom", 3, "CameraZ"), -200.3);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollRotate", 1, "CameraRotate"), 0.9);
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollRotate", -400, "CameraRotate"), -360);
}

TEST_F(ViewCameraTest, CentredSideBarsGiveAPositiveZero) {
    CameraAfter("HScrollPan", 7, "CameraX");
    EXPECT_FALSE(std::signbit(CameraAfter("HScrollPan", 0, "CameraX")));
    CameraAfter("HScrollZoom", 7, "CameraZ");
    EXPECT_DOUBLE_EQ(CameraAfter("HScrollZoom", 0, "CameraZ"), -200);
}

TEST_F(ViewCameraTest, LevelWithTheRackEveryBaseIsALine) {
    CameraAfter("VScrollPan", -144, "CameraY");
    EXPECT_EQ(Project(-6, 0, 46.4, 1.25).flatness, 0);
    CameraAfter("VScrollPan", -136, "CameraY");
    EXPECT_EQ(Project(6, 4, 46.4, 2).flatness, 0);
}

TEST_F(ViewCameraTest, ResetViewRestoresHomeButLeavesTheThumbs) {
    const double homeCornerX = probe.Get("TableCornerScreenX(3)");
    Bar("HScrollPan").UserChange(50);
    Bar("VScrollPan").UserChange(10);
    Bar("HScrollRotate").UserChange(30);

    ClickResetView();
    EXPECT_EQ(probe.Get("CameraX"), 0);
    EXPECT_EQ(probe.Get("CameraY"), 72);
    EXPECT_EQ(probe.Get("CameraRotate"), 0);
    EXPECT_EQ(Bar("HScrollPan").Value(), 50);
    EXPECT_EQ(Bar("VScrollPan").Value(), 10);
    EXPECT_DOUBLE_EQ(probe.Get("TableCornerScreenX(3)"), homeCornerX);

    // One arrow step from where the thumb was; the other bars' members stay home.
    Bar("HScrollPan").UserChange(51);
    EXPECT_DOUBLE_EQ(probe.Get("CameraX"), -5.1);
    EXPECT_EQ(probe.Get("CameraY"), 72);
    EXPECT_EQ(probe.Get("CameraRotate"), 0);
}

TEST_F(ViewCameraTest, APointNotInFrontOfTheCameraIsNeverDivided) {
    for (const double z : {-200.0, -250.0}) {
        const Projection p = Project(3, 72, z, 2);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << z;
        EXPECT_EQ(p.length, 0) << z;
        EXPECT_EQ(p.flatness, 0) << z;
    }
    // Just in front of the camera is still projected, however large.
    const Projection close = Project(1, 72, -199.999);
    EXPECT_NEAR(close.x, 4087.5 + 17280 * 1 / 0.001, 1);
}

}  // namespace
}  // namespace dorvanta
