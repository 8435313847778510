// An antialiased rasterizer of our own for the pictures of a desktop whose
// drawing library does not blend: Wu lines, circles and ellipses one pixel
// wide, and filled boxes, into rows of 32-bit pixels as a device-independent
// bitmap holds them. Coordinates are pixels, the centre of pixel (i, j) at
// (i + 0.5, j + 0.5).
#pragma once

#include <cstdint>
#include <vector>

namespace dorvanta {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

class Raster {
  public:
    Raster(int width, int height, Rgb background);
    // Pixels as Pixels() holds them, such as a capture of the screen.
    Raster(int width, int height, std::vector<std::uint32_t> pixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    // 0x00RRGGBB per pixel, rows from the top.
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

    // A line one pixel wide whose ends reach half a pixel past the end points,
    // so that lines meeting at a point close the corner.
    void Line(double x1, double y1, double x2, double y2, Rgb color);
    // The outline of an ellipse with semi-axes a across and b down, one pixel wide.
    void Ellipse(double centreX, double centreY, double a, double b, Rgb color);
    // Every point between the edges, the edge pixels as far as they are covered.
    void FillBox(double left, double top, double right, double bottom, Rgb color);
    // Every pixel, in place: a picture redrawn at every frame reuses its pixels,
    // where a new raster costs far more in fresh memory than in drawing.
    void Fill(Rgb color);

  private:
    // Mixes `color` into the pixel by `coverage` (0 to 1); outside the raster, nothing.
    void Blend(int x, int y, Rgb color, double coverage);
    void AlongX(double x1, double y1, double x2, double y2, Rgb color);
    void AlongY(double x1, double y1, double x2, double y2, Rgb color);

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace dorvanta
