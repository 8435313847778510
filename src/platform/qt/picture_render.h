// Turns a picture's display list into pixels. Picture units are 1/1440 inch,
// 15 to a logical pixel; lines are one device pixel wide whatever the screen
// scale, so the wire outlines stay crisp on high-density screens.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <vector>

#include "platform/controls.h"

namespace dorvanta {

constexpr double kUnitsPerPixel = 15.0;  // picture units per logical pixel

// A logical-pixel length for a length in 1/1440 inch.
int UnitsToPixels(int units);

// A colour value as the screen shows it; system colours take the face colour
// of buttons from the application palette.
QColor ToQColor(Color color);

// Draws the list onto a background of backColor; the image has logicalSize
// times devicePixelRatio pixels.
QImage RenderDisplayList(const std::vector<DrawCommand>& displayList, Color backColor,
                         QSize logicalSize, double devicePixelRatio);

}  // namespace dorvanta
