// A picture's display list rendered by Qt: flat ellipses and the clear. Line
// widths at every scale are the desktop contract's.
#include "platform/qt/picture_render.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

using Kind = DrawCommand::Kind;

constexpr QSize kArea(100, 80);  // logical pixels: 1500 x 1200 picture units

// Mostly red: an antialiased curve may not cover a pixel completely.
bool IsRed(const QImage& image, int x, int y) {
    const QColor pixel = image.pixelColor(x, y);
    return pixel.red() == 255 && pixel.green() < 128 && pixel.blue() < 128;
}

// An ellipse of ratio 0 is drawn as its horizontal diameter. System colour 15
// is the button face of the running style.
TEST(QtPictureRender, DrawsAFlatEllipseAsASegmentAndClearsToTheButtonFace) {
    const QImage segment =
        RenderDisplayList({{Kind::Ellipse, 750, 600, 0, 0, 300, 0, kRed}}, kWhite, kArea, 1, 1);
    EXPECT_TRUE(IsRed(segment, 31, 40) && IsRed(segment, 69, 40));
    EXPECT_EQ(qt_test::MarkedRows(segment, 50), std::vector<int>({40}));
    const QImage face = RenderDisplayList({{Kind::Clear}}, kButtonFaceColor, kArea, 1, 1);
    EXPECT_EQ(face.pixelColor(50, 40), QApplication::palette().color(QPalette::Button));
}

}  // namespace
}  // namespace dorvanta
