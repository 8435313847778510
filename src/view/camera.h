// Where the camera stands: its home, and how each of the four camera bars
// moves it. Pan, zoom and rotate each set one camera member from its bar's
// value alone; Reset View puts the camera home and leaves the bars alone.
#pragma once

#include <cstdint>

#include "view/projection.h"

namespace dorvanta {

// The playing field's picture area, as designed, in 1/1440 inch.
constexpr int kFieldWidth = 8175;
constexpr int kFieldHeight = 6975;

// The home position, in length units.
constexpr double kHomeCameraX = 0;
constexpr double kHomeCameraY = 72;
constexpr double kHomeCameraZ = -200;

// The bars' ranges; one step is the smallest move.
constexpr std::int16_t kPanHeightBarLimit = 200;  // VScrollPan, -200 to 200
constexpr std::int16_t kPanAcrossBarLimit = 400;  // HScrollPan
constexpr std::int16_t kZoomBarLimit = 1000;      // HScrollZoom
constexpr std::int16_t kRotateBarLimit = 400;     // HScrollRotate

// The home camera for a picture area `pictureWidth` picture units wide.
Camera HomeCamera(double pictureWidth);

// Each bar's camera member from the bar's value.
double PannedHeight(std::int16_t value, double homeY);     // CameraY
double PannedAcross(std::int16_t value);                   // CameraX
double ZoomedDepth(std::int16_t value, double homeZ);      // CameraZ
double TurnedBy(std::int16_t value, std::int16_t barMax);  // CameraRotate, degrees

}  // namespace dorvanta
