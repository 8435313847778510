#include "view/projection.h"

#include <cmath>

#include "core/table.h"

namespace dorvanta {

ScreenPoint ProjectPoint(const Camera& camera, double x, double y, double z, double length) {
    // Tilt about the x axis, then turn about the vertical axis.
    const double t = Radians(camera.CameraTilt);
    const double r = Radians(camera.CameraRotate);
    const double y1 = y * std::cos(t) + z * std::sin(t);
    const double z1 = z * std::cos(t) - y * std::sin(t);
    const double x2 = x * std::cos(r) - z1 * std::sin(r);
    const double z2 = z1 * std::cos(r) + x * std::sin(r);

    // Relative to the camera; a point not in front of it has no picture position.
    const double dx = x2 - camera.CameraX;
    const double dy = y1 - camera.CameraY;
    const double dz = z2 - camera.CameraZ;
    if (dz <= 0) {
        return {kBehindCameraScreen, kBehindCameraScreen, 0, 0};
    }

    // Perspective, and the ratio under which a level circle at the point is seen.
    return {camera.ViewCenterX + camera.FocalLength * dx / dz,
            camera.ViewCenterY - camera.FocalLength * dy / dz, camera.FocalLength * length / dz,
            2 * std::fabs(std::atan(dy / dz)) / kPi};
}

}  // namespace dorvanta
