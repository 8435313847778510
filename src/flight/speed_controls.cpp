// How fast the game runs and what the user can do to a ball in flight: the
// calibration of the pacing to the machine (measured or typed), slow motion,
// Pause and End Turn. The pacing loops only read the members set here at
// their next step; nothing here waits on a running loop.
#include "core/game_state.h"
#include "core/product.h"
#include "flight/form_calibrate.h"
#include "records/data_file.h"

namespace dorvanta {

namespace {

constexpr double kCalibrationSeconds = 3.0;
// The count stops here even on a machine fast enough to pass it in 3 s.
constexpr double kMaxCalibrationPasses = 1000000000.0;
// The factor is loop passes per hundredth of a second.
constexpr double kHundredthsPerSecond = 100.0;

constexpr double kNormalSpeed = 1.0;
constexpr double kSlowMotion = 300.0;

}  // namespace

void FormMain::CalibrateToSystem() {
    // A busy loop without yields: the window does not respond while it counts.
    // Each pass samples the time of day, the clock the count is meant to be
    // paced against; the end is decided on the monotonic clock, which neither
    // wraps at midnight nor jumps when the system clock is set.
    const double start = platform().MonotonicSeconds();
    double passes = 1;
    while (passes < kMaxCalibrationPasses &&
           platform().MonotonicSeconds() - start < kCalibrationSeconds) {
        platform().TimeOfDay();
        passes += 1;
    }
    CalibrationFactor = passes / kCalibrationSeconds / kHundredthsPerSecond;
    DataFile(platform()).StoreCalibration(CalibrationFactor);
    platform().MessageBox("Calibration Completed", BoxButtons::Ok, kProductName);
}

void FormMain::MenuOptionAutoCalibrate_Click() {
    CalibrateToSystem();
}

void FormMain::MenuOptionCalibrate_Click() {
    LoadedForm(formCalibrate_, platform(), *this).Show();
}

void FormMain::CommandSlow_Click() {
    // The caption names the speed now in force.
    if (SlowFactor == kNormalSpeed) {
        SlowFactor = kSlowMotion;
        CommandSlow->SetCaption("Slow");
    } else if (SlowFactor == kSlowMotion) {
        SlowFactor = kNormalSpeed;
        CommandSlow->SetCaption("Normal");
    }
}

void FormMain::CommandPause_Click() {
    Paused = Paused ? kFalse : kTrue;
}

void FormMain::CommandStopLoop_Click() {
    // The running flight ends at its next end test.
    StopFlight = kTrue;
    // A waiting computer shot is skipped: the player shoots next.
    if (ShotPhase == kPhaseOpponentToShoot) {
        ShotPhase = kPhaseReady;
        CommandShoot->SetCaption("Shoot");
    }
    // The player's ball in flight: the turn passes on as after the flight.
    if (ShotPhase == kPhasePlayerFlight) {
        ShotPhase = HeadToHead ? kPhaseOpponentToShoot : kPhaseReady;
    }
    BallX = HandX;
    BallY = HandY;
    BallZ = HandZ;
    // A stopped replay scores nothing and leaves the table as it was before it:
    // phase 6 is a replay of the computer's shot, any other the player's.
    if (Replaying) {
        Replaying = kFalse;
        if (ShotPhase == kPhaseOpponentFlight) {
            RestoreParkedNearRack();
        } else {
            RestoreParkedFarRack();
        }
    }
}

}  // namespace dorvanta
