// The scale the main window opens at and where windows open, worked out once
// for every desktop.
#include <gtest/gtest.h>

#include "core/form_main.h"
#include "platform/scaling.h"

namespace dorvanta {
namespace {

constexpr PixelSize kMainDesign{kMainClientWidth, kMainClientHeight};  // 774 x 510 at scale 1

// The largest of 0.6, 0.75, 1, 1.25, ... at which client, frame and menu bar
// together fit in 85% of the screen's free area; 0.6 when none does. A desktop
// that counts device pixels passes its screen's scale, and the frame in them.
TEST(OpeningScale, IsTheLargestStepAtWhichTheWholeWindowFitsIn85PercentOfTheFreeArea) {
    constexpr PixelSize kFrame{8, 52};
    struct Case {
        PixelSize available;
        PixelSize frame;
        double screenScale;
        double scale;
    };
    for (const auto& [available, frame, screenScale, scale] : {
             Case{{800, 500}, kFrame, 1, 0.6},       // 1600 x 1000 at device scale 2...
             Case{{1600, 1000}, {16, 104}, 2, 1.2},  // ...counted in device pixels
             Case{{2560, 1440}, kFrame, 1, 2.25},    // 1742 x 1148
             Case{{1920, 1040}, kFrame, 1, 1.5},     // the height decides
             Case{{1000, 2000}, kFrame, 1, 1.0},     // the width decides
             Case{{1149, 2000}, kFrame, 1, 1.25},    // 968 + 8 is 85% of 1149, just
             Case{{1148, 2000}, kFrame, 1, 1.0},     // and no longer of 1148
             Case{{640, 480}, kFrame, 1, 0.6},       // 0.75 would be 581 wide: nothing fits
         }) {
        SCOPED_TRACE(testing::Message() << available.width << " x " << available.height);
        EXPECT_DOUBLE_EQ(OpeningScale(available, kMainDesign, frame, screenScale), scale);
    }
}

// Centred over the window it belongs to, moved no further than it takes to lie
// wholly on the screen, whose free area need not start at 0; one larger than
// the screen shows its top left.
TEST(PlaceOver, CentresOverTheOwnerAndKeepsTheWindowOnTheScreen) {
    constexpr PixelRect kScreen{0, 40, 1920, 1040};
    constexpr PixelSize kSize{400, 300};
    EXPECT_EQ(PlaceOver({100, 100, 800, 600}, kSize, kScreen), (PixelRect{300, 250, 400, 300}));
    EXPECT_EQ(PlaceOver({1600, 900, 800, 600}, kSize, kScreen), (PixelRect{1520, 780, 400, 300}));
    EXPECT_EQ(PlaceOver({-500, -300, 800, 600}, kSize, kScreen), (PixelRect{0, 40, 400, 300}));
    EXPECT_EQ(PlaceOver(kScreen, {2000, 1200}, kScreen), (PixelRect{0, 40, 2000, 1200}));
    EXPECT_EQ(PlaceOver(kScreen, kSize, kScreen), (PixelRect{760, 410, 400, 300}));
}

}  // namespace
}  // namespace dorvanta
