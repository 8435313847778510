// How the computer chooses its shot, apart from flying it. At the four error
// levels it aims at the first standing cup of a fixed list with that cup's base
// shot and adds uniform errors scaled by the level; the Trick Shooter plays a
// fixed row per turn instead, and draws no random number. Flight, scoring and
// the replay record are the caller's.
#pragma once

#include <array>
#include <cstdint>

#include "core/table.h"

namespace dorvanta {

class Platform;

// Scales of the computer's aiming errors at its levels; zero selects the fixed
// trick shots.
constexpr double kOpponentBeginner = 1.0;
constexpr double kOpponentIntermediate = 0.5;
constexpr double kOpponentExpert = 0.2;
constexpr double kOpponentPro = 0.16;
constexpr double kOpponentTrickShooter = 0;

// The computer throws back over its own head: 135 degrees, so the horizontal
// speed points towards -z.
constexpr double kOpponentBaseAngle = 135;

// One row of the aim list: the target cup, the launch x, and the base power
// with more than six cups left in the near rack and with six or fewer.
struct AimRow {
    int cup;
    double handX;
    double powerMoreThanSix;
    double powerSixOrFewer;
};

constexpr int kAimRowCount = 6;
extern const std::array<AimRow, kAimRowCount> kAimRows;

// One of the Trick Shooter's fixed shots; the vertical angle is always the base one.
struct TrickRow {
    double handX;
    double power;
    double azimuth;
};

constexpr int kTrickRowCount = 10;
// Row n (1..10) follows the player's n-th shot of the game.
extern const std::array<TrickRow, kTrickRowCount> kTrickRows;

// What the computer's shot depends on.
struct AimSituation {
    double errorScale;                               // 0 selects the Trick Shooter
    double powerSpread, angleSpread, azimuthSpread;  // full error widths at scale 1
    const CupArray<Flag>& standing;                  // the near rack
    std::int16_t cupsLeft;                           // before this shot
    std::int16_t shotsTaken;                         // the player's shots this game
};

// The chosen shot. Without a launch x (no row applies) the shot is all zeros
// and the launch point stays where it was.
struct OpponentAim {
    double power = 0, angle = 0, azimuth = 0;
    bool hasLaunch = false;
    double handX = 0;
};

// Draws exactly three numbers from `platform` at the error levels, none for the
// Trick Shooter or when no row applies.
OpponentAim ChooseOpponentAim(const AimSituation& situation, Platform& platform);

}  // namespace dorvanta
