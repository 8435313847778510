#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <limits>
#include <vector>

#include "platform/qt/picture_render.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

using qt_test::kRed;
using qt_test::kWhite;
using Kind = DrawCommand::Kind;

constexpr QSize kArea(100, 80);  // logical pixels: 1500 x 1200 picture units
const QColor kWhitePixel(255, 255, 255);

DrawCommand Line(float x1, float y1, float x2, float y2) {
    return {Kind::Line, x1, y1, x2, y2, 0, 0, kRed};
}

QImage Render(const std::vector<DrawCommand>& list, Color back = kWhite, int ratio = 1) {
    return RenderDisplayList(list, back, kArea, ratio);
}

// Mostly red: an antialiased curve may not cover a pixel completely.
bool IsRed(const QImage& image, int x, int y) {
    const QColor pixel = image.pixelColor(x, y);
    return pixel.red() == 255 && pixel.green() < 128 && pixel.blue() < 128;
}

// The pixels of one image column that are not the background.
std::vector<int> MarkedRows(const QImage& image, int column) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(column, y) != kWhitePixel) {
            rows.push_back(y);
        }
    }
    return rows;
}

TEST(QtPictureRender, DrawsALineOneDevicePixelWideAtFifteenUnitsAPixelAtEitherRatio) {
    for (const int ratio : {1, 2}) {
        const QImage image = Render({Line(150, 300, 1350, 300)}, kWhite, ratio);
        ASSERT_EQ(image.size(), kArea * ratio);
        EXPECT_TRUE(IsRed(image, 10 * ratio, 20 * ratio)) << ratio;
        EXPECT_TRUE(IsRed(image, 90 * ratio, 20 * ratio)) << ratio;
        EXPECT_EQ(MarkedRows(image, 50 * ratio), std::vector<int>({20 * ratio})) << ratio;
        EXPECT_EQ(image.pixelColor(5 * ratio, 20 * ratio), kWhitePixel) << ratio;
    }
}

// A box from corners given in any order; an ellipse of ratio 0 as its diameter.
TEST(QtPictureRender, FillsBoxesAndOutlinesEllipsesAndCircles) {
    const QImage filled = Render({{Kind::FilledBox, 300, 150, 150, 300, 0, 0, kRed}});
    EXPECT_TRUE(IsRed(filled, 10, 10) && IsRed(filled, 20, 20) && IsRed(filled, 15, 15));
    EXPECT_EQ(filled.pixelColor(22, 15), kWhitePixel);

    const QImage segment = Render({{Kind::Ellipse, 750, 600, 0, 0, 300, 0, kRed}});
    EXPECT_TRUE(IsRed(segment, 31, 40) && IsRed(segment, 69, 40));
    EXPECT_EQ(MarkedRows(segment, 50), std::vector<int>({40}));

    const QImage oval = Render({{Kind::Ellipse, 750, 600, 0, 0, 450, 0.5f, kRed}});
    EXPECT_TRUE(IsRed(oval, 50, 25) && IsRed(oval, 50, 55));  // 225 units above and below
    EXPECT_EQ(oval.pixelColor(50, 40), kWhitePixel);          // not filled

    const QImage round = Render({{Kind::Circle, 750, 600, 0, 0, 450, 0, kRed}});
    EXPECT_TRUE(IsRed(round, 50, 10) && IsRed(round, 20, 40));
    EXPECT_EQ(round.pixelColor(50, 40), kWhitePixel);
}

// System colour 15 is the button face of the running style.
TEST(QtPictureRender, ClearsToTheBackColourIncludingTheButtonFace) {
    const QImage red = Render({Line(0, 0, 1500, 1200), {Kind::Clear}}, kRed);
    EXPECT_TRUE(IsRed(red, 0, 0) && IsRed(red, 99, 79));
    const QImage face = Render({{Kind::Clear}}, kButtonFaceColor);
    EXPECT_EQ(face.pixelColor(50, 40), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ToQColor(0x0080FFu), QColor(255, 128, 0));  // red in the lowest byte
}

TEST(QtPictureRender, SurvivesPointsThatCannotBeDrawnAndKeepsTheRest) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const QImage image = Render({Line(nan, 0, 100, 100),
                                 {Kind::Circle, 750, 600, 0, 0, inf, 0, kRed},
                                 {Kind::FilledBox, nan, 0, 1500, inf, 0, 0, kRed},
                                 {Kind::Ellipse, 0, 0, 0, 0, 3e38f, nan, kRed},
                                 {Kind::Ellipse, 750, 600, 0, 0, 3e38f, 3e38f, kRed},
                                 Line(-1e9f, 300, 1e9f, 300),
                                 Line(150, 600, 1350, 600)});
    EXPECT_EQ(MarkedRows(image, 50), std::vector<int>({20, 40}));
}

// The drawing shows once presented, inside a sunken border, and repaints with
// a new back colour.
TEST(QtPictureWidget, ShowsThePresentedDrawingInsideItsBorder) {
    QtPlatform platform;
    qt_test::ProbeForm form{platform};
    form.Show();
    auto* widget = platform.WindowOf(form)->findChild<QFrame*>("PictureProbe");
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget->window()));
    EXPECT_EQ(widget->contentsRect(), QRect(2, 2, 196, 96));  // 3000 x 1500 units
    const auto shown = [widget] { return widget->grab(widget->contentsRect()).toImage(); };

    form.picture->DrawLine(150, 300, 1350, 300, kRed);
    form.picture->FillBox(0, 0, 0, 0, kRed);
    EXPECT_FALSE(IsRed(shown(), 50, 20));  // not complete until presented
    form.picture->Present();
    EXPECT_TRUE(IsRed(shown(), 50, 20));
    EXPECT_TRUE(IsRed(shown(), 0, 0));  // the origin is inside the border
    EXPECT_FALSE(IsRed(widget->grab().toImage(), 1, 1));
    EXPECT_EQ(shown().pixelColor(50, 60), kWhitePixel);
    form.picture->SetBackColor(kRed);
    EXPECT_TRUE(IsRed(shown(), 50, 60));
}

}  // namespace
}  // namespace dorvanta
