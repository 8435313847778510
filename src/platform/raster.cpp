#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dorvanta {

namespace {

constexpr double kHalf = 0.5;

std::uint32_t Pack(Rgb color) {
    return (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
}

Rgb Unpack(std::uint32_t pixel) {
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

// Rounds half up, as lround does for these never negative sums, without its
// call per channel: a filled box blends every pixel it covers.
std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double coverage) {
    return static_cast<std::uint8_t>(from + (to - from) * coverage + kHalf);
}

// How much of the pixel [i, i + 1) the span [from, to] covers.
double Overlap(int i, double from, double to) {
    return std::clamp(std::min<double>(i + 1, to) - std::max<double>(i, from), 0.0, 1.0);
}

}  // namespace

Raster::Raster(int width, int height, Rgb background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              Pack(background)) {}

Raster::Raster(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
}

Rgb Raster::At(int x, int y) const {
    return Unpack(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                          static_cast<std::size_t>(x)]);
}

void Raster::Blend(int x, int y, Rgb color, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) {
        return;
    }
    std::uint32_t& pixel = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                   static_cast<std::size_t>(x)];
    if (coverage >= 1) {
        pixel = Pack(color);
        return;
    }
    const Rgb old = Unpack(pixel);
    pixel = Pack({Mix(old.red, color.red, coverage), Mix(old.green, color.green, coverage),
                  Mix(old.blue, color.blue, coverage)});
}

// Wu's line: one pixel of coverage a column (or a row, for a steep line),
// shared by the two pixels nearest the line's centre there.
void Raster::Line(double x1, double y1, double x2, double y2, Rgb color) {
    if (std::abs(x2 - x1) >= std::abs(y2 - y1)) {
        AlongX(x1, y1, x2, y2, color);
    } else {
        AlongY(x1, y1, x2, y2, color);
    }
}

void Raster::AlongX(double x1, double y1, double x2, double y2, Rgb color) {
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double slope = x2 == x1 ? 0 : (y2 - y1) / (x2 - x1);
    const double from = x1 - kHalf;
    const double to = x2 + kHalf;
    const int last = std::min(static_cast<int>(std::ceil(to)), width_);
    for (int i = std::max(static_cast<int>(std::floor(from)), 0); i < last; ++i) {
        const double along = Overlap(i, from, to);
        const double centre = y1 + (std::clamp(i + kHalf, x1, x2) - x1) * slope - kHalf;
        const double row = std::floor(centre);
        const double below = centre - row;
        Blend(i, static_cast<int>(row), color, along * (1 - below));
        Blend(i, static_cast<int>(row) + 1, color, along * below);
    }
}

void Raster::AlongY(double x1, double y1, double x2, double y2, Rgb color) {
    if (y2 < y1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double slope = (x2 - x1) / (y2 - y1);
    const double from = y1 - kHalf;
    const double to = y2 + kHalf;
    const int last = std::min(static_cast<int>(std::ceil(to)), height_);
    for (int j = std::max(static_cast<int>(std::floor(from)), 0); j < last; ++j) {
        const double along = Overlap(j, from, to);
        const double centre = x1 + (std::clamp(j + kHalf, y1, y2) - y1) * slope - kHalf;
        const double column = std::floor(centre);
        const double right = centre - column;
        Blend(static_cast<int>(column), j, color, along * (1 - right));
        Blend(static_cast<int>(column) + 1, j, color, along * right);
    }
}

// Each pixel near the outline is lit by its distance from it, to first order
// (exact for a circle): full on the outline, nothing a pixel away, so a
// crossing adds up to one pixel of coverage. A row visits only the ring
// between the ellipses one pixel inside and outside.
void Raster::Ellipse(double centreX, double centreY, double a, double b, Rgb color) {
    a = std::abs(a);
    b = std::abs(b);
    if (b == 0 || a == 0) {
        Line(centreX - a, centreY, centreX + a, centreY, color);
        return;
    }
    const double outerA = a + 1;
    const double outerB = b + 1;
    const int firstRow = std::max(static_cast<int>(std::floor(centreY - outerB)), 0);
    const int lastRow = std::min(static_cast<int>(std::ceil(centreY + outerB)), height_ - 1);
    for (int j = firstRow; j <= lastRow; ++j) {
        const double dy = j + kHalf - centreY;
        if (std::abs(dy) >= outerB) {
            continue;
        }
        const double outer = outerA * std::sqrt(1 - (dy * dy) / (outerB * outerB));
        const double innerB = b - 1;
        const double inner = a > 1 && innerB > 0 && std::abs(dy) < innerB
                                 ? (a - 1) * std::sqrt(1 - (dy * dy) / (innerB * innerB))
                                 : 0;
        const int first = static_cast<int>(std::floor(centreX - outer));
        const int last = static_cast<int>(std::ceil(centreX + outer));
        for (int i = std::max(first, 0); i <= std::min(last, width_ - 1); ++i) {
            const double dx = i + kHalf - centreX;
            if (std::abs(dx) < inner - 1) {
                continue;
            }
            const double u = dx / a;
            const double v = dy / b;
            const double r = std::hypot(u, v);
            const double gradient = std::hypot(dx / (a * a), dy / (b * b));
            if (gradient == 0) {
                continue;
            }
            const double distance = (r - 1) * r / gradient;
            Blend(i, j, color, 1 - std::abs(distance));
        }
    }
}

void Raster::Fill(Rgb color) {
    std::fill(pixels_.begin(), pixels_.end(), Pack(color));
}

void Raster::FillBox(double left, double top, double right, double bottom, Rgb color) {
    const int lastRow = std::min(static_cast<int>(std::ceil(bottom)), height_);
    const int lastColumn = std::min(static_cast<int>(std::ceil(right)), width_);
    for (int j = std::max(static_cast<int>(std::floor(top)), 0); j < lastRow; ++j) {
        const double down = Overlap(j, top, bottom);
        for (int i = std::max(static_cast<int>(std::floor(left)), 0); i < lastColumn; ++i) {
            Blend(i, j, color, down * Overlap(i, left, right));
        }
    }
}

}  // namespace dorvanta
