// A picture's display list rendered by Qt: lines, ellipses and the clear.
#include "platform/qt/picture_render.h"
#include "qt_test_support.h"

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

// The share of one pixel column that a red line on white covers, summed over
// the rows: an antialiased line one device pixel wide covers one row in all,
// whether it falls on a row or between two.
double CoveredRows(const QImage& image, int column) {
    double covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        covered += 1 - image.pixelColor(column, y).greenF();
    }
    return covered;
}

// The window's scale changes the units per pixel (15 at scale 1, 10 at 1.5,
// 7.5 at 2); the screen's ratio changes only the device pixels behind them.
TEST(QtPictureRender, DrawsLinesOneDevicePixelWideInPictureUnitsAtEveryScaleAndRatio) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        for (const int ratio : {1, 2}) {
            SCOPED_TRACE(testing::Message() << scale << " " << ratio);
            // From 10 to 90 design pixels across, `y` units down.
            const auto line = [&](float y) {
                return RenderDisplayList({{Kind::Line, 150, y, 1350, y, 0, 0, kRed}}, kWhite,
                                         kArea * scale, scale, ratio);
            };
            const auto at = [&](double designPixels) {
                return static_cast<int>(designPixels * scale * ratio);
            };
            const QImage onRow = line(300);
            ASSERT_EQ(onRow.size(), kArea * scale * ratio);
            EXPECT_TRUE(IsRed(onRow, at(10), at(20)));
            EXPECT_TRUE(IsRed(onRow, at(90) - 1, at(20)));
            EXPECT_EQ(qt_test::MarkedRows(onRow, at(50)), std::vector<int>({at(20)}));
            EXPECT_EQ(onRow.pixelColor(at(9), at(20)), QColor(Qt::white));

            // Two units lower: between two rows at every scale, shared by both.
            const QImage between = line(302);
            EXPECT_EQ(qt_test::MarkedRows(between, at(50)).size(), 2u);
            EXPECT_NEAR(CoveredRows(between, at(50)), 1.0, 0.1);
        }
    }
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
