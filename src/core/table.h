// The table and what stands on it, as the whole game measures them, and the
// small types every part of the game shares. Nothing here knows the window.
// One length unit reads best as an inch: the table is 8 feet by 4, a cup's rim
// 4 inches across and the ball 1.5; the flight's gravity of 9.81 units a
// second squared makes the ball float more slowly than a real one.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace dorvanta {

// A 16-bit flag: true is all bits set.
using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

constexpr int kCupCount = 10;
// Per-cup arrays are indexed by cup number 1..10; element 0 is unused.
template <class T>
using CupArray = std::array<T, kCupCount + 1>;

// Angles are turned into radians with this value of pi, not the exact one.
constexpr double kPi = 3.141592653592;
constexpr double kHalfPi = 1.570796326796;

// An angle the player or the camera gives in degrees, in radians.
constexpr double Radians(double degrees) {
    return degrees * kPi / 180;
}

// The table's surface is y = 0; x runs across it, z along it from the
// player's end (-z) to the computer's (+z). All in length units.
constexpr double kTableHalfWidth = 24;   // x from -24 to 24
constexpr double kTableHalfLength = 48;  // z from -48 to 48

// Both throwers hold the ball this high over their own end of the table.
constexpr double kHandHeight = 30;
constexpr double kPlayerHandZ = -kTableHalfLength;
constexpr double kOpponentHandZ = kTableHalfLength;

// The far rack's apex cup stands this far along, the near rack's mirrored.
constexpr double kFarRackHomeZ = 36;
constexpr double kNearRackHomeZ = -kFarRackHomeZ;

// A cup is a frustum: rim radius, base radius and height. The ball is a sphere.
constexpr double kCupRadius = 2.0;
constexpr double kCupBaseRadius = 1.25;
constexpr double kCupHeight = 4.0;
constexpr double kBallRadius = 0.75;

// The distance between two rows of touching cups of this radius: sqrt(3) times
// the radius, computed at run time like every other square root of the game.
inline double RowSpacing(double cupRadius) {
    return std::sqrt(3.0) * cupRadius;
}

}  // namespace dorvanta
