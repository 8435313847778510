#include "platform/scaling.h"

#include <algorithm>
#include <cmath>

namespace dorvanta {

int UnitsToPixels(int units, double scale) {
    return static_cast<int>(std::lround(units * scale / kUnitsPerPixel));
}

int DesignFontPixels(double scale) {
    return static_cast<int>(std::floor(kDesignFontPixels * scale));
}

// A separator line has no thickness of its own, and both its ends belong to it.
PixelRect ControlPixelRect(const Control& control, double scale) {
    const Geometry& g = control.Geom();
    const int left = UnitsToPixels(g.left, scale);
    const int top = UnitsToPixels(g.top, scale);
    const int right = UnitsToPixels(g.left + g.width, scale);
    const int bottom = UnitsToPixels(g.top + g.height, scale);
    if (control.Kind() != ControlKind::Line) {
        return {left, top, right - left, bottom - top};
    }
    if (g.width >= g.height) {
        return {left, top - kSeparatorPixels / 2, right - left + 1, kSeparatorPixels};
    }
    return {left - kSeparatorPixels / 2, top, kSeparatorPixels, bottom - top + 1};
}

Letterbox FitLetterbox(int roomWidth, int roomHeight, int designWidthUnits, int designHeightUnits) {
    const int designWidth = UnitsToPixels(designWidthUnits, 1);
    const int designHeight = UnitsToPixels(designHeightUnits, 1);
    const double scale = std::min(static_cast<double>(roomWidth) / designWidth,
                                  static_cast<double>(roomHeight) / designHeight);
    const int width = UnitsToPixels(designWidthUnits, scale);
    const int height = UnitsToPixels(designHeightUnits, scale);
    return {scale, {(roomWidth - width) / 2, (roomHeight - height) / 2, width, height}};
}

namespace {

constexpr double kFirstQuarterScale = 0.75;  // from here on the scales step by a quarter
constexpr double kScaleStep = 0.25;

double NextOpeningScale(double scale) {
    return scale < kFirstQuarterScale ? kFirstQuarterScale : scale + kScaleStep;
}

bool WindowFits(PixelSize room, PixelSize designUnits, PixelSize decoration, double scale) {
    return UnitsToPixels(designUnits.width, scale) + decoration.width <= room.width &&
           UnitsToPixels(designUnits.height, scale) + decoration.height <= room.height;
}

// The position of a span of `length` centred on `over`, kept within `screen`.
int PlaceSpan(int overStart, int overLength, int length, int screenStart, int screenLength) {
    const int centred = overStart + (overLength - length) / 2;
    return std::max(screenStart, std::min(centred, screenStart + screenLength - length));
}

}  // namespace

double OpeningScale(PixelSize available, PixelSize designUnits, PixelSize decoration,
                    double screenScale) {
    const PixelSize room{static_cast<int>(available.width * kOpeningScreenShare),
                         static_cast<int>(available.height * kOpeningScreenShare)};
    double scale = kSmallestScale;
    for (double next = NextOpeningScale(scale);
         WindowFits(room, designUnits, decoration, next * screenScale);
         next = NextOpeningScale(next)) {
        scale = next;
    }
    return scale * screenScale;
}

PixelRect PlaceOver(const PixelRect& over, PixelSize size, const PixelRect& screen) {
    return {PlaceSpan(over.left, over.width, size.width, screen.left, screen.width),
            PlaceSpan(over.top, over.height, size.height, screen.top, screen.height), size.width,
            size.height};
}

}  // namespace dorvanta
