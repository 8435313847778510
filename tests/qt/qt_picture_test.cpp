#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <cmath>
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

TEST(QtPictureRender, DrawsALineOnePixelWideAtFifteenUnitsPerPixel) {
    const QImage image = RenderDisplayList({Line(150, 300, 1350, 300)}, kWhite, kArea, 1);
    ASSERT_EQ(image.size(), kArea);
    for (int x = 10; x <= 90; x += 10) {
        EXPECT_TRUE(IsRed(image, x, 20)) << x;
    }
    EXPECT_EQ(MarkedRows(image, 50), std::vector<int>({20}));
    EXPECT_EQ(image.pixelColor(5, 20), kWhitePixel);
    EXPECT_EQ(image.pixelColor(95, 20), kWhitePixel);
}

TEST(QtPictureRender, KeepsLinesOneDevicePixelWideOnDenseScreens) {
    const QImage image = RenderDisplayList({Line(150, 300, 1350, 300)}, kWhite, kArea, 2);
    ASSERT_EQ(image.size(), kArea * 2);
    EXPECT_EQ(MarkedRows(image, 100), std::vector<int>({40}));
    EXPECT_TRUE(IsRed(image, 100, 40));
}

TEST(QtPictureRender, FillsABoxIncludingBothCorners) {
    const DrawCommand box{Kind::FilledBox, 300, 150, 150, 300, 0, 0, kRed};  // corners in any order
    const QImage image = RenderDisplayList({box}, kWhite, kArea, 1);
    for (int y = 10; y <= 20; ++y) {
        for (int x = 10; x <= 20; ++x) {
            ASSERT_TRUE(IsRed(image, x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(image.pixelColor(9, 15), kWhitePixel);
    EXPECT_EQ(image.pixelColor(22, 15), kWhitePixel);
    EXPECT_EQ(image.pixelColor(15, 22), kWhitePixel);
}

TEST(QtPictureRender, DrawsAFlatEllipseAsItsDiameter) {
    const DrawCommand flat{Kind::Ellipse, 750, 600, 0, 0, 300, 0, kRed};
    const QImage image = RenderDisplayList({flat}, kWhite, kArea, 1);
    for (int x = 31; x <= 69; ++x) {
        ASSERT_TRUE(IsRed(image, x, 40)) << x;
    }
    EXPECT_EQ(MarkedRows(image, 50), std::vector<int>({40}));
    EXPECT_EQ(MarkedRows(image, 20), std::vector<int>());
}

TEST(QtPictureRender, DrawsEllipsesAndCirclesAsOutlines) {
    const DrawCommand ellipse{Kind::Ellipse, 750, 600, 0, 0, 450, 0.5f, kRed};
    const QImage flat = RenderDisplayList({ellipse}, kWhite, kArea, 1);
    EXPECT_TRUE(IsRed(flat, 50, 25));  // top of the vertical semi-axis, 225 units up
    EXPECT_TRUE(IsRed(flat, 50, 55));
    EXPECT_EQ(flat.pixelColor(50, 40), kWhitePixel);  // not filled

    const DrawCommand circle{Kind::Circle, 750, 600, 0, 0, 450, 0, kRed};
    const QImage round = RenderDisplayList({circle}, kWhite, kArea, 1);
    EXPECT_TRUE(IsRed(round, 50, 10));
    EXPECT_TRUE(IsRed(round, 20, 40));
    EXPECT_EQ(round.pixelColor(50, 40), kWhitePixel);
}

TEST(QtPictureRender, ClearsToTheBackColourIncludingTheButtonFace) {
    const QImage red = RenderDisplayList({Line(0, 0, 1500, 1200), {Kind::Clear}}, kRed, kArea, 1);
    EXPECT_TRUE(IsRed(red, 0, 0));
    EXPECT_TRUE(IsRed(red, 99, 79));

    const QImage face = RenderDisplayList({{Kind::Clear}}, kButtonFaceColor, kArea, 1);
    const QColor expected = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(face.pixelColor(50, 40), expected);
    EXPECT_EQ(ToQColor(kButtonFaceColor), expected);
    EXPECT_EQ(ToQColor(0x0080FFu), QColor(255, 128, 0));  // red in the lowest byte
}

TEST(QtPictureRender, SurvivesPointsThatCannotBeDrawnAndKeepsTheRest) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const QImage image = RenderDisplayList({Line(nan, 0, 100, 100),
                                            {Kind::Circle, 750, 600, 0, 0, inf, 0, kRed},
                                            {Kind::FilledBox, nan, 0, 1500, inf, 0, 0, kRed},
                                            {Kind::Ellipse, 0, 0, 0, 0, 3e38f, nan, kRed},
                                            {Kind::Ellipse, 750, 600, 0, 0, 3e38f, 3e38f, kRed},
                                            Line(-1e9f, 300, 1e9f, 300),
                                            Line(150, 600, 1350, 600)},
                                           kWhite, kArea, 1);
    EXPECT_EQ(MarkedRows(image, 50), std::vector<int>({20, 40}));
}

class QtPictureWidget : public testing::Test {
  protected:
    void SetUp() override {
        form_.Show();
        widget_ = platform_.WindowOf(form_)->findChild<QWidget*>("PictureProbe");
        ASSERT_NE(widget_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget_->window()));
    }

    // The drawing as shown, without the picture's border.
    QImage Shown() { return widget_->grab(widget_->contentsRect()).toImage(); }

    QtPlatform platform_;
    qt_test::ProbeForm form_{platform_};
    QWidget* widget_ = nullptr;
};

TEST_F(QtPictureWidget, ShowsTheDrawingOncePresented) {
    Picture& picture = *form_.picture;
    picture.Cls();
    picture.DrawLine(150, 300, 1350, 300, kRed);
    EXPECT_FALSE(IsRed(Shown(), 50, 20));  // not complete until presented
    picture.Present();
    EXPECT_TRUE(IsRed(Shown(), 50, 20));
    EXPECT_EQ(Shown().pixelColor(50, 60), kWhitePixel);
}

TEST_F(QtPictureWidget, DrawsInsideASunkenBorder) {
    EXPECT_EQ(widget_->size(), QSize(200, 100));  // 3000 x 1500 units
    const QRect inside = static_cast<QFrame*>(widget_)->contentsRect();
    EXPECT_EQ(inside, QRect(2, 2, 196, 96));
    form_.picture->FillBox(0, 0, 0, 0, kRed);
    form_.picture->Present();
    EXPECT_TRUE(IsRed(widget_->grab().toImage(), 2, 2));  // the origin is inside the border
    EXPECT_FALSE(IsRed(widget_->grab().toImage(), 1, 1));
}

TEST_F(QtPictureWidget, RepaintsWithANewBackColour) {
    form_.picture->Cls();
    form_.picture->Present();
    form_.picture->SetBackColor(kRed);
    EXPECT_TRUE(IsRed(Shown(), 50, 60));
}

}  // namespace
}  // namespace dorvanta
