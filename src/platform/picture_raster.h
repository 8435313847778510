// A picture's display list drawn by our own rasterizer, the same way the Qt
// desktop paints it: lines one device pixel wide at every scale, a flat
// ellipse as its horizontal diameter, a filled box reaching one pixel past its
// far corner.
#pragma once

#include <vector>

#include "platform/controls.h"
#include "platform/raster.h"

namespace dorvanta {

// A colour value as the screen shows it; `buttonFace` stands for system colours.
Rgb ToRgb(Color color, Rgb buttonFace);

// Draws the list onto `backColor` in a raster of width x height device
// pixels, the picture being `scale` times its design size on a screen of
// `devicePixelRatio`.
Raster RasterizeDisplayList(const std::vector<DrawCommand>& displayList, Color backColor,
                            Rgb buttonFace, int width, int height, double scale,
                            double devicePixelRatio);
// The same, drawn over every pixel of `raster`.
void RasterizeDisplayListInto(Raster& raster, const std::vector<DrawCommand>& displayList,
                              Color backColor, Rgb buttonFace, double scale,
                              double devicePixelRatio);

}  // namespace dorvanta
