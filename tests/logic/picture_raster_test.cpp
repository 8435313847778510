// Our own rasterizer drawing a picture's display list: every outline one
// device pixel wide at every scale, blended where it falls between pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/picture_raster.h"
#include "raster_rows.h"

namespace dorvanta {
namespace {

using Kind = DrawCommand::Kind;

constexpr Rgb kFace{212, 208, 200};
constexpr int kAreaWidth = 100;  // pixels at scale 1: 1500 x 1200 picture units
constexpr int kAreaHeight = 80;

Raster Draw(const std::vector<DrawCommand>& list, double scale = 1, double ratio = 1) {
    const double pixels = scale * ratio;
    return RasterizeDisplayList(list, kWhite, kFace, static_cast<int>(kAreaWidth * pixels),
                                static_cast<int>(kAreaHeight * pixels), scale, ratio);
}

double CoveredRows(const Raster& raster, int column) {
    double covered = 0;
    for (int y = 0; y < raster.Height(); ++y) {
        covered += RedCover(raster, column, y);
    }
    return covered;
}

// The window's scale changes the units per pixel (15 at scale 1, 10 at 1.5,
// 7.5 at 2); the screen's ratio changes only the device pixels behind them.
TEST(PictureRaster, DrawsLinesOneDevicePixelWideInPictureUnitsAtEveryScaleAndRatio) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        for (const double ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << scale << " " << ratio);
            // From 10 to 90 design pixels across, `y` units down.
            const auto line = [&](float y) {
                return Draw({{Kind::Line, 150, y, 1350, y, 0, 0, kRed}}, scale, ratio);
            };
            const auto at = [&](double designPixels) {
                return static_cast<int>(designPixels * scale * ratio);
            };
            const Raster onRow = line(300);
            EXPECT_EQ(onRow.At(at(10), at(20)), (Rgb{255, 0, 0}));
            EXPECT_EQ(onRow.At(at(90) - 1, at(20)), (Rgb{255, 0, 0}));
            EXPECT_EQ(MarkedRows(onRow, at(50)), std::vector<int>({at(20)}));
            EXPECT_EQ(onRow.At(at(9), at(20)), (Rgb{255, 255, 255}));

            // Two units lower: between two rows at every scale, shared by both.
            const Raster between = line(302);
            EXPECT_EQ(MarkedRows(between, at(50)).size(), 2u);
            EXPECT_NEAR(CoveredRows(between, at(50)), 1.0, 0.02);

            // A steep line covers one pixel of each row it crosses.
            const Raster steep =
                Draw({{Kind::Line, 300, 150, 450, 1050, 0, 0, kRed}}, scale, ratio);
            double across = 0;
            for (int x = 0; x < steep.Width(); ++x) {
                across += RedCover(steep, x, at(40));
            }
            EXPECT_NEAR(across, 1.0, 0.02);
        }
    }
}

// A circle's outline, crossed by a column through its centre, gives a pixel
// of coverage at the top and one at the bottom, at the radius; an ellipse is
// flattened by its ratio, and a flat one is its horizontal diameter.
TEST(PictureRaster, DrawsCirclesAndEllipsesAsOnePixelOutlines) {
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        const Raster circle = Draw({{Kind::Circle, 750, 600, 0, 0, 300, 0, kRed}}, scale);
        const int centre = static_cast<int>(50 * scale);
        double top = 0, bottom = 0;
        for (int y = 0; y < circle.Height(); ++y) {
            (y < 40 * scale ? top : bottom) += RedCover(circle, centre, y);
        }
        EXPECT_NEAR(top, 1.0, 0.1);
        EXPECT_NEAR(bottom, 1.0, 0.1);
        const std::vector<int> rows = MarkedRows(circle, centre);
        ASSERT_FALSE(rows.empty());
        EXPECT_NEAR(rows.front(), (40 - 20) * scale, 1.5);
        EXPECT_NEAR(rows.back(), (40 + 20) * scale, 1.5);
        EXPECT_EQ(circle.At(centre, static_cast<int>(40 * scale)), (Rgb{255, 255, 255}));

        const Raster ellipse = Draw({{Kind::Ellipse, 750, 600, 0, 0, 300, 0.25f, kRed}}, scale);
        const std::vector<int> flattened = MarkedRows(ellipse, centre);
        ASSERT_FALSE(flattened.empty());
        EXPECT_NEAR(flattened.front(), (40 - 5) * scale, 1.5);
        EXPECT_NEAR(flattened.back(), (40 + 5) * scale, 1.5);
    }
    const Raster segment = Draw({{Kind::Ellipse, 750, 600, 0, 0, 300, 0, kRed}});
    EXPECT_GT(RedCover(segment, 31, 40), 0.9);
    EXPECT_GT(RedCover(segment, 69, 40), 0.9);
    EXPECT_EQ(MarkedRows(segment, 50), std::vector<int>({40}));
}

// A filled box takes both its corners, so it reaches a pixel past the far one;
// the clear takes the background, a system colour the button face.
TEST(PictureRaster, FillsBoxesToThePixelPastTheFarCornerAndClearsToTheBackground) {
    const Raster box = Draw({{Kind::FilledBox, 150, 150, 300, 450, 0, 0, kRed}});
    EXPECT_EQ(box.At(10, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(box.At(20, 30), (Rgb{255, 0, 0}));
    EXPECT_EQ(box.At(21, 30), (Rgb{255, 255, 255}));
    EXPECT_EQ(box.At(9, 10), (Rgb{255, 255, 255}));
    const Raster face =
        RasterizeDisplayList({{Kind::Line, 0, 0, 1500, 1200, 0, 0, kRed}, {Kind::Clear}},
                             kButtonFaceColor, kFace, kAreaWidth, kAreaHeight, 1, 1);
    EXPECT_EQ(face.At(50, 40), kFace);
    EXPECT_EQ(face.Pixels()[0], 0x00D4D0C8u);  // 0x00RRGGBB, as a bitmap holds it

    // A raster drawn into again, as a window redraws its picture every frame,
    // shows the new list alone.
    Raster reused = box;
    RasterizeDisplayListInto(reused, {{Kind::Line, 0, 0, 1500, 1200, 0, 0, kRed}}, kWhite, kFace, 1,
                             1);
    EXPECT_EQ(reused.Pixels(), Draw({{Kind::Line, 0, 0, 1500, 1200, 0, 0, kRed}}).Pixels());
}

}  // namespace
}  // namespace dorvanta
