// Where windows and their contents land on the screen, the same on every
// desktop: a control's design place in 1/1440 inch times a scale, 15 units to a
// pixel at scale 1; the letterbox that fits a sizable window's client area into
// the room it has; the scale a sizable window opens at and where windows open;
// the one font size of a window; and the picture units as pixels.
#pragma once

#include "platform/controls.h"

namespace dorvanta {

constexpr double kUnitsPerPixel = 15.0;  // picture and design units per pixel at scale 1

// The layouts were designed for a small dialog font. A condensed face this
// size shows every number the game writes into its narrowest boxes (1257.5 in
// 495 units) in full.
constexpr const char* kDesignFontFamily = "DejaVu Sans Condensed";
constexpr double kDesignFontPixels = 9;

// Pixels of an etched separator line, drawn centred on its path.
constexpr int kSeparatorPixels = 2;

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;

    bool operator==(const PixelSize&) const = default;
};

// A pixel position for a position in 1/1440 inch, `scale` times the design size.
int UnitsToPixels(int units, double scale);

// The window's one font size at `scale`, rounded down as the window grows, so
// that text never outgrows its box.
int DesignFontPixels(double scale);

// Where a control goes in a client area `scale` times its design size. Edges
// are rounded, not sizes, so that controls that meet in the design meet at
// every scale.
PixelRect ControlPixelRect(const Control& control, double scale);

// A sizable window's client area: the largest scale at which the design fits
// the room, and the area at that scale, centred in the room.
struct Letterbox {
    double scale = 1;
    PixelRect area;
};
Letterbox FitLetterbox(int roomWidth, int roomHeight, int designWidthUnits, int designHeightUnits);

// A sizable window opens at one of the scales 0.6, 0.75, 1, 1.25, 1.5, ... and
// can be shrunk to the smallest; below it the labels could not be read.
constexpr double kSmallestScale = 0.6;
// The share of the screen's free area a window may take when it opens, so that
// it never hides the whole desktop.
constexpr double kOpeningScreenShare = 0.85;

// The largest of those scales at which the whole window, its client area of
// `designUnits` (1/1440 inch) plus `decoration` pixels of frame, title and menu
// bar, fits in the opening share of `available`; the smallest when none does.
// `screenScale` is what the desktop counts as scale 1 (its pixels per design
// pixel), and the result includes it.
double OpeningScale(PixelSize available, PixelSize designUnits, PixelSize decoration,
                    double screenScale = 1);

// A window of `size` centred over `over`, then moved as little as it takes to
// lie wholly in `screen`; one larger than the screen shows its top left.
PixelRect PlaceOver(const PixelRect& over, PixelSize size, const PixelRect& screen);

// Picture units (1/1440 inch, y down) in the pixels of a picture area `scale`
// times its design size, on a screen with `devicePixelRatio` device pixels to
// a pixel. Points land on the centres of device pixels, so that a line one
// device pixel wide covers one row of them, not two half-lit ones.
class PictureMapping {
  public:
    PictureMapping(double scale, double devicePixelRatio)
        : unitsPerPixel_(kUnitsPerPixel / scale), halfPixel_(0.5 / devicePixelRatio) {}

    // A length, or a position without the half pixel, in pixels.
    double Pixels(double units) const { return units / unitsPerPixel_; }
    // A position on the centre of its device pixel.
    double Centre(double units) const { return Pixels(units) + halfPixel_; }

  private:
    double unitsPerPixel_;
    double halfPixel_;
};

}  // namespace dorvanta
