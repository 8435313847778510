// The whole state of a running game, as plain values: the shot phase and
// values, the levels, both racks, the ball, the flight flags, the replay
// records and the camera; and apart from it the settings group, which the
// secondary windows read and set. The main window owns one of each and is the
// only code that changes them. Which flag a handler sets for which loop:
// doc/how_it_runs.md.
#pragma once

#include <array>
#include <cstdint>

#include "core/rack.h"
#include "core/shot_phase.h"
#include "core/table.h"
#include "platform/color.h"
#include "records/settings.h"
#include "view/projection.h"

namespace dorvanta {

// Gauge delay multipliers of the player's levels (a smaller one is a faster
// gauge); each also names the level's high-score slot.
constexpr double kSkillBeginner = 1.0;
constexpr double kSkillIntermediate = 0.5;
constexpr double kSkillExpert = 0.2;
constexpr double kSkillPro = 0.1;
// In the order of the high-score table.
constexpr std::array<double, kLevelCount> kLevelSkillFactors = {kSkillBeginner, kSkillIntermediate,
                                                                kSkillExpert, kSkillPro};

// The settings group: the stored settings and the colours, which start afresh
// at every run.
struct SettingsGroup : StoredSettings {
    Color ColorCups = 0, ColorCupsOpponent = 0, ColorTable = 0, ColorBall = 0, ColorHand = 0;
};

// One throw as it left the hand: what a replay flies again.
struct ShotRecord {
    double Power = 0, Angle = 0, Azimuth = 0;
    double HandX = 0, HandY = 0, HandZ = 0;
};

// Whose hand the ball goes back to.
enum class Thrower { Player, Computer };

struct GameState {
    // The ball waits in the hand of whoever throws next.
    void ReturnBallToHand(Thrower next) {
        const bool computer = next == Thrower::Computer;
        BallX = computer ? OpponentHandX : HandX;
        BallY = computer ? OpponentHandY : HandY;
        BallZ = computer ? OpponentHandZ : HandZ;
    }

    // A turn clears GameRestarted as its ball leaves the hand. After the
    // flight nothing is scored if a new game started under it, or if End Turn
    // stopped it as a replay (`replay`: it started as one): either has left
    // the table as it should be.
    bool ShotCutShort(bool replay) const {
        return GameRestarted != kFalse || (replay && Replaying == kFalse);
    }

    // Levels and game type
    double SkillFactor = 0;
    double OpponentErrorScale = 0;
    Flag HeadToHead = kFalse;

    // Shot input
    std::int16_t ShotPhase = 0;
    double Power = 0, Angle = 0, Azimuth = 0;
    double PowerMeterDelay = 0, AngleMeterDelay = 0, AzimuthMeterDelay = 0;
    double HandX = 0, HandY = 0, HandZ = 0;
    double HandSize = 0;

    // Turn flow and statistics
    std::int16_t ShotsTaken = 0;
    Flag GameRestarted = kFalse;
    Flag StopFlight = kFalse;
    Flag Paused = kFalse;
    Flag Replaying = kFalse;
    Flag NumericShotUsed = kFalse;
    // Turns of either side under way, from the throw to the hand-over. A reset
    // does not end them, so the phase alone cannot tell; more than one would
    // be a ball thrown inside another's flight.
    std::int16_t ShotsRunning = 0;

    // Table, cups and ball
    std::array<double, 5> TableCornerX{}, TableCornerY{}, TableCornerZ{};
    std::array<double, 5> TableCornerScreenX{}, TableCornerScreenY{};
    double CupRadius = 0, CupHeight = 0, CupBaseRadius = 0;
    double BallX = 0, BallY = 0, BallZ = 0;
    double BallRadius = 0;
    double TableBounce = 0, RimBounce = 0, WallBounce = 0;
    double FlightDelay = 0;
    double SlowFactor = 0;
    Flag BallInCup = kFalse;
    std::int16_t NearestCup = 0;

    // The racks: the far one is the player's target, the near one the computer's.
    std::int16_t CupsLeft = 0;
    Rack FarRack;
    std::int16_t OpponentCupsLeft = 0;
    Rack NearRack;

    // Opponent
    double OpponentHandX = 0, OpponentHandY = 0, OpponentHandZ = 0;
    double OpponentPowerSpread = 0, OpponentAngleSpread = 0, OpponentAzimuthSpread = 0;

    // Replay records: each side's last shot and its target rack from before
    // it, and the current rack, parked while that shot is shown again.
    ShotRecord LastShot;
    Rack PreShotFarRack, ParkedFarRack;
    ShotRecord LastOpponentShot;
    Rack PreShotNearRack, ParkedNearRack;

    // Camera
    Camera View;
    double CameraHomeX = 0, CameraHomeY = 0, CameraHomeZ = 0;
};

// Counts a turn as running for as long as it lives, also when the end of the
// program unwinds it.
class RunningShot {
  public:
    explicit RunningShot(std::int16_t& count) : count_(count) { ++count_; }
    ~RunningShot() { --count_; }
    RunningShot(const RunningShot&) = delete;
    RunningShot& operator=(const RunningShot&) = delete;

  private:
    std::int16_t& count_;
};

}  // namespace dorvanta
