// Reading a drawn picture in tests: which rows of a column are drawn on, and
// how much of a pixel a red line covers.
#pragma once

#include <vector>

#include "platform/raster.h"

namespace dorvanta {

// The rows of one column that are not the white background.
inline std::vector<int> MarkedRows(const Raster& raster, int column) {
    std::vector<int> rows;
    for (int y = 0; y < raster.Height(); ++y) {
        if (raster.At(column, y) != Rgb{255, 255, 255}) {
            rows.push_back(y);
        }
    }
    return rows;
}

// How much of a pixel is red on white, from its green.
inline double RedCover(const Raster& raster, int x, int y) {
    return 1 - raster.At(x, y).green / 255.0;
}

}  // namespace dorvanta
