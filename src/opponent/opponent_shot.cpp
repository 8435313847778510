// The computer's turn in head-to-head play: it chooses a shot (or takes its
// last one again for a replay), records it, flies it at the near rack with the
// same flight as the player's, and scores it against the player: a sunk cup
// falls, the rack re-forms at six and at three cups, and an empty rack loses
// the game. The computer's shots never touch the player's statistics.
#include <cmath>
#include <tuple>

#include "core/game_state.h"
#include "flight/fly_ball.h"
#include "flight/rack_forming.h"
#include "flight/wait.h"
#include "opponent/opponent_aim.h"

namespace dorvanta {

void FormMain::OpponentShot() {
    const RunningShot running(ShotsRunning);
    // Start of the turn: the button stays barred until the turn ends.
    CommandShoot->SetCaption("Ball in motion");
    CommandShoot->SetEnabled(false);
    ShotPhase = kPhaseOpponentFlight;

    // The shot: the recorded one again for a replay, else a new choice.
    const bool replay = Replaying != kFalse;
    if (replay) {
        StartOpponentReplay();
    } else {
        ChooseOpponentShot();
        RecordOpponentShot();
    }

    // Launch and flight, with an in-cup flag of this turn's own.
    Flag inCup = kFalse;
    FlyBallAtNearRack(LaunchFromShot(LastOpponentPower, LastOpponentAngle, LastOpponentAzimuth,
                                     OpponentHandX, OpponentHandY, OpponentHandZ),
                      inCup);

    // A replay stopped by End Turn, or a new game started under the flight,
    // has nothing left to score: the table already is what it should be.
    const bool cutShort = ShotPhase != kPhaseOpponentFlight || (replay && !Replaying);
    if (inCup && !cutShort) {
        ScoreOpponentMake();
    }
    EndOpponentTurn();
}

// The chosen values go straight into the record, which the launch reads for a
// new shot and for a replay alike.
void FormMain::ChooseOpponentShot() {
    const AimSituation situation{
        OpponentErrorScale,  OpponentPowerSpread, OpponentAngleSpread, OpponentAzimuthSpread,
        OpponentCupStanding, OpponentCupsLeft,    ShotsTaken};
    const OpponentAim aim = ChooseOpponentAim(situation, platform());
    if (aim.hasLaunch) {
        OpponentHandX = aim.handX;
        OpponentHandY = kOpponentHandY;
        OpponentHandZ = kOpponentHandZ;
    }
    LastOpponentPower = aim.power;
    LastOpponentAngle = aim.angle;
    LastOpponentAzimuth = aim.azimuth;
}

// The shot's launch point and the near rack before it, for a later replay.
void FormMain::RecordOpponentShot() {
    std::tie(LastOpponentHandX, LastOpponentHandY, LastOpponentHandZ) =
        std::tie(OpponentHandX, OpponentHandY, OpponentHandZ);
    std::tie(PreShotOpponentCupStanding, PreShotOpponentCupX, PreShotOpponentCupZ,
             PreShotOpponentRackZ, PreShotOpponentRackHomeZ, PreShotOpponentRackY) =
        std::tie(OpponentCupStanding, OpponentCupX, OpponentCupZ, OpponentRackZ, OpponentRackHomeZ,
                 OpponentRackY);
}

void FormMain::ScoreOpponentMake() {
    // A replay shows the make without counting it.
    if (!Replaying) {
        OpponentCupsLeft -= 1;
    }
    OpponentCupStanding[NearestCup] = kFalse;
    BallX = HandX;
    BallY = HandY;
    BallZ = HandZ;
    // The near rack moves away from the computer, towards -z.
    CloseUpRack(OpponentCupsLeft, OpponentCupStanding, OpponentRackZ, OpponentRackHomeZ,
                -std::sqrt(3.0) * CupRadius);
    if (OpponentCupsLeft != 0 || Replaying) {
        WaitSeconds(platform(), kMadeCupPauseSeconds);
    } else if (platform().MessageBox("You just lost.  Do you want to play again?",
                                     BoxButtons::YesNo, "") == BoxAnswer::Yes) {
        ResetGame();
        DrawScene();
    }
    DrawScene();
}

void FormMain::EndOpponentTurn() {
    ShotPhase = kPhaseReady;
    if (Replaying) {
        Replaying = kFalse;
        RestoreParkedNearRack();
    }
    CommandShoot->SetCaption("Shoot");
    CommandShoot->SetEnabled(true);
}

}  // namespace dorvanta
