// The camera: a fixed look straight down +z from a movable point, with the
// world tilted and turned about its own origin instead of turning the camera.
// Eye level sits above the top edge of the picture, which gives the downward
// look without any pitch in the formula. Nothing is clipped here; only a point
// level with or behind the camera is refused (see view/projection.h).
#include <cmath>

#include "core/game_state.h"
#include "view/projection.h"

namespace dorvanta {

namespace {

constexpr double kViewCenterY = -2000;   // picture units, eye level above the picture
constexpr double kFocalLength = 17280;   // picture units per unit of offset / depth
constexpr double kHomeCameraX = 0;       // world units
constexpr double kHomeCameraY = 72;      // world units
constexpr double kHomeCameraZ = -200;    // world units
constexpr double kPanStepsPerUnitY = 2;  // bar steps per world unit of height
constexpr double kPanStepsPerUnit = 10;  // bar steps per world unit sideways and along z
constexpr double kFullTurn = 360;        // degrees

double Radians(double degrees) {
    return degrees * kPi / 180;
}

}  // namespace

void FormMain::InitCameraVars() {
    ViewCenterX = Picture1().Geom().width / 2.0;
    ViewCenterY = kViewCenterY;
    CameraX = kHomeCameraX;
    CameraY = kHomeCameraY;
    CameraZ = kHomeCameraZ;
    CameraHomeX = kHomeCameraX;
    CameraHomeY = kHomeCameraY;
    CameraHomeZ = kHomeCameraZ;
    FocalLength = kFocalLength;
    CameraTilt = 0;
    CameraRotate = 0;
}

void FormMain::ProjectPoint(const double& x, const double& y, const double& z, const double& length,
                            const double& tilt, const double& turn, const double& camX,
                            const double& camY, const double& camZ, double& screenX,
                            double& screenY, double& screenLength, double& flatness) {
    // Tilt about the x axis, then turn about the vertical axis.
    const double t = Radians(tilt);
    const double r = Radians(turn);
    const double y1 = y * std::cos(t) + z * std::sin(t);
    const double z1 = z * std::cos(t) - y * std::sin(t);
    const double x2 = x * std::cos(r) - z1 * std::sin(r);
    const double z2 = z1 * std::cos(r) + x * std::sin(r);

    // Relative to the camera; a point not in front of it has no picture position.
    const double dx = x2 - camX;
    const double dy = y1 - camY;
    const double dz = z2 - camZ;
    if (dz <= 0) {
        screenX = kBehindCameraScreen;
        screenY = kBehindCameraScreen;
        screenLength = 0;
        flatness = 0;
        return;
    }

    // Perspective, and the ratio under which a level circle at the point is seen.
    screenX = ViewCenterX + FocalLength * dx / dz;
    screenY = ViewCenterY - FocalLength * dy / dz;
    screenLength = FocalLength * length / dz;
    flatness = 2 * std::fabs(std::atan(dy / dz)) / kPi;
}

// The bars are not moved back: view and thumbs disagree until a bar moves again.
void FormMain::CommandResetView_Click() {
    InitCameraVars();
    DrawScene();
}

void FormMain::VScrollPan_Change() {
    CameraY = VScrollPan->Value() / kPanStepsPerUnitY + CameraHomeY;
    DrawScene();
}

// The sign is flipped on the bar's integer, so a centred bar gives +0, never -0.
void FormMain::HScrollPan_Change() {
    const int negated = -HScrollPan->Value();
    CameraX = negated / kPanStepsPerUnit;
    DrawScene();
}

void FormMain::HScrollZoom_Change() {
    const int negated = -HScrollZoom->Value();
    CameraZ = negated / kPanStepsPerUnit + CameraHomeZ;
    DrawScene();
}

// The thumb's place from -1 (left end) to 1 (right end) is a fraction of a full turn.
void FormMain::HScrollRotate_Change() {
    const double thumb = static_cast<double>(HScrollRotate->Value()) / HScrollRotate->Max();
    CameraRotate = thumb * kFullTurn;
    DrawScene();
}

}  // namespace dorvanta
