#include "platform/qt/picture_render.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace dorvanta {

namespace {

constexpr Color kByteMask = 0xFFu;

// Paints primitives in picture units.
class DisplayListPainter {
  public:
    DisplayListPainter(QPainter& painter, Color backColor, QSize logicalSize, double scale,
                       double devicePixelRatio)
        : painter_(painter),
          backColor_(backColor),
          area_(QPoint(0, 0), logicalSize),
          mapping_(scale, devicePixelRatio) {}

    void Paint(const DrawCommand& command) {
        switch (command.kind) {
            case DrawCommand::Kind::Clear:
                painter_.fillRect(area_, ToQColor(backColor_));
                break;
            case DrawCommand::Kind::Line:
                Stroke(command.color);
                painter_.drawLine(At(command.x1, command.y1), At(command.x2, command.y2));
                break;
            case DrawCommand::Kind::FilledBox:
                FillBox(command);
                break;
            case DrawCommand::Kind::Ellipse:
                Ellipse(command);
                break;
            case DrawCommand::Kind::Circle:
                Stroke(command.color);
                painter_.drawEllipse(At(command.x1, command.y1), Length(command.radius),
                                     Length(command.radius));
                break;
        }
    }

  private:
    QPointF At(float x, float y) const { return {mapping_.Centre(x), mapping_.Centre(y)}; }
    double Length(float units) const { return mapping_.Pixels(std::abs(units)); }

    void Stroke(Color color) {
        QPen pen(ToQColor(color));
        pen.setCosmetic(true);
        pen.setWidth(0);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }

    // Both corners belong to the box, so it reaches one pixel past the far corner.
    void FillBox(const DrawCommand& command) {
        const double left = mapping_.Pixels(std::min(command.x1, command.x2));
        const double top = mapping_.Pixels(std::min(command.y1, command.y2));
        const double width = Length(command.x2 - command.x1) + 1;
        const double height = Length(command.y2 - command.y1) + 1;
        painter_.fillRect(QRectF(left, top, width, height), ToQColor(command.color));
    }

    // A flat ellipse (ratio 0) is seen edge-on: its horizontal diameter.
    void Ellipse(const DrawCommand& command) {
        Stroke(command.color);
        const QPointF centre = At(command.x1, command.y1);
        const double semiAxis = Length(command.radius);
        const double vertical = semiAxis * std::abs(command.ratio);
        if (vertical == 0) {
            painter_.drawLine(centre - QPointF(semiAxis, 0), centre + QPointF(semiAxis, 0));
            return;
        }
        painter_.drawEllipse(centre, semiAxis, vertical);
    }

    QPainter& painter_;
    Color backColor_;
    QRect area_;
    PictureMapping mapping_;
};

}  // namespace

QColor ToQColor(Color color) {
    if ((color & kSystemColorBit) != 0) {
        return QGuiApplication::palette().color(QPalette::Button);
    }
    return QColor(static_cast<int>(color & kByteMask), static_cast<int>((color >> 8) & kByteMask),
                  static_cast<int>((color >> 16) & kByteMask));
}

QImage RenderDisplayList(const std::vector<DrawCommand>& displayList, Color backColor,
                         QSize logicalSize, double scale, double devicePixelRatio) {
    QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(ToQColor(backColor));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DisplayListPainter primitives(painter, backColor, logicalSize, scale, devicePixelRatio);
    for (const DrawCommand& command : displayList) {
        primitives.Paint(command);
    }
    return image;
}

}  // namespace dorvanta
