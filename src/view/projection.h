// The perspective projection, as a pure function of a camera and a point. The
// camera never turns: it looks straight down +z from its position, and the
// world is tilted about the x axis and turned about the vertical axis instead.
// Eye level sits above the top edge of the picture, which gives the downward
// look without any pitch in the formula. Nothing is clipped; only a point
// level with or behind the camera has no picture position, and is reported at
// one fixed far-off spot that the scene recognises and leaves out.
#pragma once

namespace dorvanta {

// Everything the projection reads, in picture units (1/1440 inch, y down),
// length units and degrees.
struct Camera {
    double ViewCenterX = 0, ViewCenterY = 0;  // the picture point of the view axis
    double FocalLength = 0;                   // picture units per unit of offset / depth
    double CameraX = 0, CameraY = 0, CameraZ = 0;
    double CameraTilt = 0, CameraRotate = 0;
};

// A world point in the picture: where it lands, a world length at its depth,
// and the vertical-to-horizontal ratio under which a level circle there is seen.
struct ScreenPoint {
    double x = 0, y = 0, length = 0, flatness = 0;
};

// Exact in single precision, so it survives the hand-over to the drawing.
constexpr double kBehindCameraScreen = -1.0e6;  // picture units

ScreenPoint ProjectPoint(const Camera& camera, double x, double y, double z, double length);

inline bool BehindCamera(const ScreenPoint& point) {
    return point.x == kBehindCameraScreen && point.y == kBehindCameraScreen;
}

}  // namespace dorvanta
