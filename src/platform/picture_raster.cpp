#include "platform/picture_raster.h"

#include <algorithm>
#include <cmath>

#include "platform/scaling.h"

namespace dorvanta {

namespace {

constexpr Color kByteMask = 0xFFu;

// The rasterizer works in device pixels: the mapping for one device pixel a pixel.
class RasterPainter {
  public:
    RasterPainter(Raster& raster, Color backColor, Rgb buttonFace, double scale,
                  double devicePixelRatio)
        : raster_(raster),
          backColor_(backColor),
          buttonFace_(buttonFace),
          mapping_(scale * devicePixelRatio, 1),
          pixel_(devicePixelRatio) {}

    void Paint(const DrawCommand& command) {
        const Rgb color = ToRgb(command.color, buttonFace_);
        switch (command.kind) {
            case DrawCommand::Kind::Clear:
                raster_.Fill(ToRgb(backColor_, buttonFace_));
                break;
            case DrawCommand::Kind::Line:
                raster_.Line(At(command.x1), At(command.y1), At(command.x2), At(command.y2), color);
                break;
            case DrawCommand::Kind::FilledBox:
                FillBox(command, color);
                break;
            case DrawCommand::Kind::Ellipse:
                raster_.Ellipse(At(command.x1), At(command.y1), Length(command.radius),
                                Length(command.radius) * std::abs(command.ratio), color);
                break;
            case DrawCommand::Kind::Circle:
                raster_.Ellipse(At(command.x1), At(command.y1), Length(command.radius),
                                Length(command.radius), color);
                break;
        }
    }

  private:
    double At(float units) const { return mapping_.Centre(units); }
    double Length(float units) const { return mapping_.Pixels(std::abs(units)); }

    // Both corners belong to the box, so it reaches one pixel past the far corner.
    void FillBox(const DrawCommand& command, Rgb color) {
        const double left = mapping_.Pixels(std::min(command.x1, command.x2));
        const double top = mapping_.Pixels(std::min(command.y1, command.y2));
        raster_.FillBox(left, top, left + Length(command.x2 - command.x1) + pixel_,
                        top + Length(command.y2 - command.y1) + pixel_, color);
    }

    Raster& raster_;
    Color backColor_;
    Rgb buttonFace_;
    PictureMapping mapping_;
    double pixel_;  // device pixels in one pixel
};

}  // namespace

Rgb ToRgb(Color color, Rgb buttonFace) {
    if ((color & kSystemColorBit) != 0) {
        return buttonFace;
    }
    return {static_cast<std::uint8_t>(color & kByteMask),
            static_cast<std::uint8_t>((color >> 8) & kByteMask),
            static_cast<std::uint8_t>((color >> 16) & kByteMask)};
}

Raster RasterizeDisplayList(const std::vector<DrawCommand>& displayList, Color backColor,
                            Rgb buttonFace, int width, int height, double scale,
                            double devicePixelRatio) {
    Raster raster(width, height, ToRgb(backColor, buttonFace));
    RasterizeDisplayListInto(raster, displayList, backColor, buttonFace, scale, devicePixelRatio);
    return raster;
}

void RasterizeDisplayListInto(Raster& raster, const std::vector<DrawCommand>& displayList,
                              Color backColor, Rgb buttonFace, double scale,
                              double devicePixelRatio) {
    raster.Fill(ToRgb(backColor, buttonFace));
    RasterPainter painter(raster, backColor, buttonFace, scale, devicePixelRatio);
    for (const DrawCommand& command : displayList) {
        painter.Paint(command);
    }
}

}  // namespace dorvanta
