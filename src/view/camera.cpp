#include "view/camera.h"

namespace dorvanta {

namespace {

constexpr double kViewCenterY = -2000;   // picture units, eye level above the picture
constexpr double kFocalLength = 17280;   // picture units per unit of offset / depth
constexpr double kPanStepsPerUnitY = 2;  // bar steps per length unit of height
constexpr double kPanStepsPerUnit = 10;  // bar steps per length unit sideways and along z
constexpr double kFullTurn = 360;        // degrees

}  // namespace

Camera HomeCamera(double pictureWidth) {
    Camera camera;
    camera.ViewCenterX = pictureWidth / 2.0;
    camera.ViewCenterY = kViewCenterY;
    camera.CameraX = kHomeCameraX;
    camera.CameraY = kHomeCameraY;
    camera.CameraZ = kHomeCameraZ;
    camera.FocalLength = kFocalLength;
    return camera;
}

double PannedHeight(std::int16_t value, double homeY) {
    return value / kPanStepsPerUnitY + homeY;
}

// The sign is flipped on the bar's integer, so a centred bar gives +0, never -0.
double PannedAcross(std::int16_t value) {
    const int negated = -value;
    return negated / kPanStepsPerUnit;
}

double ZoomedDepth(std::int16_t value, double homeZ) {
    const int negated = -value;
    return negated / kPanStepsPerUnit + homeZ;
}

// The thumb's place from -1 (left end) to 1 (right end) is a fraction of a full turn.
double TurnedBy(std::int16_t value, std::int16_t barMax) {
    const double thumb = static_cast<double>(value) / barMax;
    return thumb * kFullTurn;
}

}  // namespace dorvanta
