// The whole playing field as wire outlines, redrawn from the members on every
// call: the table's edges, each standing cup as a base ellipse, a rim ellipse
// and two side lines, the hand as a cross, the ball as a circle. There is no
// depth sorting and no hidden-line removal; later primitives simply draw over
// earlier ones. Anything touching a point the camera cannot see, or one too
// far off for the drawing's single precision, is left out.
#include <array>
#include <cmath>
#include <limits>

#include "core/form_main.h"
#include "view/projection.h"

namespace dorvanta {

namespace {

bool FitsFloat(double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

bool Drawable(const ScreenPoint& point) {
    return !BehindCamera(point) && FitsFloat(point.x) && FitsFloat(point.y) &&
           FitsFloat(point.length);
}

struct ScreenCup {
    ScreenPoint base, rim;
};

struct ScreenCross {
    ScreenPoint left, right, lower, upper;
};

void DrawSegment(Picture& picture, const ScreenPoint& from, double fromShift, const ScreenPoint& to,
                 double toShift, Color color) {
    if (Drawable(from) && Drawable(to)) {
        picture.DrawLine(static_cast<float>(from.x + fromShift), static_cast<float>(from.y),
                         static_cast<float>(to.x + toShift), static_cast<float>(to.y), color);
    }
}

void DrawSegment(Picture& picture, const ScreenPoint& from, const ScreenPoint& to, Color color) {
    DrawSegment(picture, from, 0, to, 0, color);
}

void DrawLevelCircle(Picture& picture, const ScreenPoint& centre, Color color) {
    if (Drawable(centre)) {
        picture.DrawEllipse(static_cast<float>(centre.x), static_cast<float>(centre.y),
                            static_cast<float>(centre.length), static_cast<float>(centre.flatness),
                            color);
    }
}

void DrawCup(Picture& picture, const ScreenCup& cup, Color color) {
    DrawLevelCircle(picture, cup.base, color);
    DrawLevelCircle(picture, cup.rim, color);
    DrawSegment(picture, cup.base, cup.base.length, cup.rim, cup.rim.length, color);
    DrawSegment(picture, cup.base, -cup.base.length, cup.rim, -cup.rim.length, color);
}

}  // namespace

void FormMain::DrawScene() {
    const auto project = [this](double x, double y, double z, double length) {
        return ProjectPoint(View, x, y, z, length);
    };
    Picture& picture = Picture1();
    picture.Cls();

    // Both racks are projected in full, standing or not, whatever the game type.
    CupArray<ScreenCup> farCups, nearCups;
    for (int i = 1; i <= kCupCount; ++i) {
        const double farZ = FarRack.CupZ[i] + FarRack.RackZ;
        const double nearZ = NearRack.CupZ[i] + NearRack.RackZ;
        farCups[i].base = project(FarRack.CupX[i], FarRack.RackBaseY, farZ, CupBaseRadius);
        nearCups[i].base = project(NearRack.CupX[i], NearRack.RackBaseY, nearZ, CupBaseRadius);
        farCups[i].rim = project(FarRack.CupX[i], FarRack.RackBaseY + CupHeight, farZ, CupRadius);
        nearCups[i].rim =
            project(NearRack.CupX[i], NearRack.RackBaseY + CupHeight, nearZ, CupRadius);
    }

    // The hand cross and the table corners; the corners are kept on screen.
    const ScreenCross hand{
        project(HandX - HandSize, HandY, HandZ, 0), project(HandX + HandSize, HandY, HandZ, 0),
        project(HandX, HandY - HandSize, HandZ, 0), project(HandX, HandY + HandSize, HandZ, 0)};
    std::array<ScreenPoint, 5> corner;
    for (int k = 1; k <= 4; ++k) {
        corner[k] = project(TableCornerX[k], TableCornerY[k], TableCornerZ[k], 0);
        TableCornerScreenX[k] = corner[k].x;
        TableCornerScreenY[k] = corner[k].y;
    }

    // Table edges: far, left, right, near.
    DrawSegment(picture, corner[1], corner[2], ColorTable);
    DrawSegment(picture, corner[1], corner[3], ColorTable);
    DrawSegment(picture, corner[4], corner[2], ColorTable);
    DrawSegment(picture, corner[4], corner[3], ColorTable);

    // Cups, far before near for each number; the near rack only head to head.
    for (int i = 1; i <= kCupCount; ++i) {
        if (FarRack.CupStanding[i] != kFalse) {
            DrawCup(picture, farCups[i], ColorCups);
        }
        if (NearRack.CupStanding[i] != kFalse && HeadToHead != kFalse) {
            DrawCup(picture, nearCups[i], ColorCupsOpponent);
        }
    }

    // The hand cross, then the ball on top of everything.
    DrawSegment(picture, hand.left, hand.right, ColorHand);
    DrawSegment(picture, hand.lower, hand.upper, ColorHand);
    const ScreenPoint ball = project(BallX, BallY, BallZ, BallRadius);
    if (Drawable(ball)) {
        picture.DrawCircle(static_cast<float>(ball.x), static_cast<float>(ball.y),
                           static_cast<float>(ball.length), ColorBall);
    }
    picture.Present();
}

}  // namespace dorvanta
