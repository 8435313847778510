#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <vector>

#include "platform/qt/picture_render.h"

namespace dorvanta {
namespace {

using Kind = DrawCommand::Kind;

constexpr Color kWhite = 0xFFFFFFu;
constexpr Color kRed = 0x0000FFu;  // red in the lowest byte
constexpr QSize kArea(100, 80);    // logical pixels: 1500 x 1200 picture units

// Mostly red: an antialiased curve may not cover a pixel completely.
bool IsRed(const QImage& image, int x, int y) {
    const QColor pixel = image.pixelColor(x, y);
    return pixel.red() == 255 && pixel.green() < 128 && pixel.blue() < 128;
}

// The rows of one image column that are not the white background.
std::vector<int> MarkedRows(const QImage& image, int column) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(column, y) != QColor(Qt::white)) {
            rows.push_back(y);
        }
    }
    return rows;
}

TEST(QtPictureRender, DrawsALineOneDevicePixelWideAtFifteenUnitsAPixelAtEitherRatio) {
    for (const int ratio : {1, 2}) {
        const QImage image = RenderDisplayList({{Kind::Line, 150, 300, 1350, 300, 0, 0, kRed}},
                                               kWhite, kArea, ratio);
        ASSERT_EQ(image.size(), kArea * ratio);
        EXPECT_TRUE(IsRed(image, 10 * ratio, 20 * ratio)) << ratio;
        EXPECT_TRUE(IsRed(image, 90 * ratio, 20 * ratio)) << ratio;
        EXPECT_EQ(MarkedRows(image, 50 * ratio), std::vector<int>({20 * ratio})) << ratio;
        EXPECT_EQ(image.pixelColor(5 * ratio, 20 * ratio), QColor(Qt::white)) << ratio;
    }
}

// An ellipse of ratio 0 is drawn as its horizontal diameter.
TEST(QtPictureRender, DrawsAFlatEllipseAsASegment) {
    const QImage segment =
        RenderDisplayList({{Kind::Ellipse, 750, 600, 0, 0, 300, 0, kRed}}, kWhite, kArea, 1);
    EXPECT_TRUE(IsRed(segment, 31, 40) && IsRed(segment, 69, 40));
    EXPECT_EQ(MarkedRows(segment, 50), std::vector<int>({40}));
}

// System colour 15 is the button face of the running style.
TEST(QtPictureRender, ClearsToTheButtonFace) {
    const QImage face = RenderDisplayList({{Kind::Clear}}, kButtonFaceColor, kArea, 1);
    EXPECT_EQ(face.pixelColor(50, 40), QApplication::palette().color(QPalette::Button));
}

}  // namespace
}  // namespace dorvanta
