// Turns a picture's display list into pixels. Picture units are 1/1440 inch,
// 15 to a logical pixel at the design size and 15 / scale in a window scaled
// up; lines are one device pixel wide whatever the scale, so the wire outlines
// stay crisp in a large window and on high-density screens.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <vector>

#include "platform/controls.h"
#include "platform/scaling.h"

namespace dorvanta {

// A colour value as the screen shows it; system colours take the face colour
// of buttons from the application palette.
QColor ToQColor(Color color);

// Draws the list onto a background of backColor at `scale` times the design
// size; the image has logicalSize times devicePixelRatio pixels.
QImage RenderDisplayList(const std::vector<DrawCommand>& displayList, Color backColor,
                         QSize logicalSize, double scale, double devicePixelRatio);

}  // namespace dorvanta
