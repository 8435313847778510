#include "opponent/opponent_aim.h"

#include "flight/rack_forming.h"
#include "platform/platform.h"

namespace dorvanta {

namespace {

OpponentAim AimedShot(const AimSituation& s, Platform& platform) {
    for (const AimRow& row : kAimRows) {
        if (!s.standing[row.cup]) {
            continue;
        }
        // Above six cups the rack is at home; from six on it stands a row further away.
        const double basePower =
            s.cupsLeft > kThreeRowRackCups ? row.powerMoreThanSix : row.powerSixOrFewer;
        const double scale = s.errorScale;
        // The draws in this order: power, vertical angle, azimuth.
        const double u1 = platform.Random();
        const double u2 = platform.Random();
        const double u3 = platform.Random();
        OpponentAim aim;
        aim.power = scale * s.powerSpread * u1 + basePower - 0.5 * s.powerSpread * scale;
        aim.angle = scale * s.angleSpread * u2 + kOpponentBaseAngle - 0.5 * s.angleSpread * scale;
        aim.azimuth = scale * s.azimuthSpread * u3 - 0.5 * s.azimuthSpread * scale;
        aim.hasLaunch = true;
        aim.handX = row.handX;
        return aim;
    }
    return {};
}

OpponentAim TrickShot(std::int16_t shotsTaken) {
    if (shotsTaken < 1 || shotsTaken > kTrickRowCount) {
        return {};
    }
    const TrickRow& row = kTrickRows[shotsTaken - 1];
    return {row.power, kOpponentBaseAngle, row.azimuth, true, row.handX};
}

}  // namespace

// Cups 4, 6, 7 and 10 are never aimed at. Cup 5 comes up only with cups 1 to 3
// down, which the re-racks allow only in the home position, and cups 8 and 9
// only after the three-cup re-rack; so their two powers are the same.
const std::array<AimRow, kAimRowCount> kAimRows = {{
    {1, 0, 1250, 1280},
    {2, -2, 1280, 1315},
    {3, 2, 1280, 1315},
    {5, 0, 1315, 1315},
    {8, -2, 1345, 1345},
    {9, 2, 1345, 1345},
}};

// Played against the rack the earlier rows left, each of these touches a rim
// and drops in: cups 7, 10, 5, 1, then 1, 5, 6, then 8, 9, 5.
const std::array<TrickRow, kTrickRowCount> kTrickRows = {{
    {-6.3, 1365.8, 0},
    {-0.2, 1237.85, 0},
    {0, 1275.195, 0},
    {4.1, 1335.6, 0},
    {0, 1365.7, 0},
    {0, 1366.1, 0},
    {-4.2, 1366, 0},
    {2.1, 1366.1, 0.01},
    {0.1, 1300.55, -0.01},
    {-24, 1363.2, -14.65},
}};

OpponentAim ChooseOpponentAim(const AimSituation& situation, Platform& platform) {
    if (situation.errorScale == 0) {
        return TrickShot(situation.shotsTaken);
    }
    return AimedShot(situation, platform);
}

}  // namespace dorvanta
