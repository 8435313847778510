// How fast the game runs and what the user can do to a ball in flight: the
// calibration of the pacing to the machine (measured or typed), slow motion,
// Pause and End Turn. The pacing loops only read the members set here at
// their next step; nothing here waits on a running loop.
#include "core/form_main.h"
#include "core/product.h"
#include "flight/calibration.h"
#include "flight/form_calibrate.h"
#include "records/data_file.h"

namespace dorvanta {

namespace {

constexpr double kNormalSpeed = 1.0;
constexpr double kSlowMotion = 300.0;

}  // namespace

void FormMain::CalibrateToSystem() {
    CalibrationFactor = MeasureCalibrationFactor(platform());
    DataFile(platform()).StoreCalibration(CalibrationFactor);
    platform().MessageBox("Calibration Completed", BoxButtons::Ok, kProductName);
}

void FormMain::MenuOptionAutoCalibrate_Click() {
    CalibrateToSystem();
}

void FormMain::MenuOptionCalibrate_Click() {
    LoadedForm(formCalibrate_, platform(), *this).ShowCurrentFactor();
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
        CommandShoot->SetCaption(ShootCaption(kPhaseReady));
    }
    // The player's ball in flight: the turn passes on as after the flight.
    if (ShotPhase == kPhasePlayerFlight) {
        ShotPhase = HeadToHead ? kPhaseOpponentToShoot : kPhaseReady;
    }
    ReturnBallToHand(Thrower::Player);
    // A stopped replay scores nothing and leaves the table as it was before it:
    // phase 6 is a replay of the computer's shot, any other the player's.
    if (Replaying) {
        Replaying = kFalse;
        if (ShotPhase == kPhaseOpponentFlight) {
            NearRack = ParkedNearRack;
        } else {
            FarRack = ParkedFarRack;
        }
    }
}

}  // namespace dorvanta
