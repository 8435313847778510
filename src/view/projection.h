// What the projection reports for a point it cannot place: a point level with
// or behind the camera has no picture position, so it is put at one fixed
// far-off spot that the scene recognises and leaves out. The spot is exact in
// single precision, so it survives the hand-over to the drawing primitives.
#pragma once

namespace dorvanta {

constexpr double kBehindCameraScreen = -1.0e6;  // picture units

inline bool BehindCamera(double screenX, double screenY) {
    return screenX == kBehindCameraScreen && screenY == kBehindCameraScreen;
}

}  // namespace dorvanta
