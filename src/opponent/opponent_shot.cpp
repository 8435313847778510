// The computer's turn in head-to-head play: it chooses a shot (or takes its
// last one again for a replay), records it, flies it at the near rack with the
// same flight as the player's, and scores it against the player: a sunk cup
// falls, the rack re-forms at six and at three cups, and an empty rack loses
// the game. The computer's shots never touch the player's statistics.
#include "core/form_main.h"
#include "flight/fly_ball.h"
#include "flight/rack_forming.h"
#include "flight/wait.h"
#include "opponent/opponent_aim.h"

namespace dorvanta {

void FormMain::OpponentShot() {
    const RunningShot running(ShotsRunning);
    // Start of the turn: the button stays barred until the turn ends.
    CommandShoot->SetCaption(ShootCaption(kPhaseOpponentFlight));
    CommandShoot->SetEnabled(false);
    ShotPhase = kPhaseOpponentFlight;

    // The shot: the recorded one again for a replay, else a new choice.
    const bool replay = Replaying != kFalse;
    if (replay) {
        StartOpponentReplay();
    } else {
        ChooseOpponentShot();
        PreShotNearRack = NearRack;
    }

    // Launch and flight, with an in-cup flag of this turn's own.
    Flag inCup = kFalse;
    const ShotRecord& shot = LastOpponentShot;
    GameRestarted = kFalse;
    FlyBallAtNearRack(LaunchFromShot(shot.Power, shot.Angle, shot.Azimuth, OpponentHandX,
                                     OpponentHandY, OpponentHandZ),
                      inCup);
    if (inCup && !ShotCutShort(replay)) {
        ScoreOpponentMake();
    }
    EndOpponentTurn();
}

// The chosen values go straight into the record, which the launch reads for a
// new shot and for a replay alike. Without a row to play the launch point
// stays where it was.
void FormMain::ChooseOpponentShot() {
    const AimSituation situation{
        OpponentErrorScale,   OpponentPowerSpread, OpponentAngleSpread, OpponentAzimuthSpread,
        NearRack.CupStanding, OpponentCupsLeft,    ShotsTaken};
    const OpponentAim aim = ChooseOpponentAim(situation, platform());
    if (aim.hasLaunch) {
        OpponentHandX = aim.handX;
        OpponentHandY = kHandHeight;
        OpponentHandZ = kOpponentHandZ;
    }
    LastOpponentShot = {aim.power,     aim.angle,     aim.azimuth,
                        OpponentHandX, OpponentHandY, OpponentHandZ};
}

void FormMain::ScoreOpponentMake() {
    // A replay shows the make without counting it.
    if (!Replaying) {
        OpponentCupsLeft -= 1;
    }
    NearRack.CupStanding[NearestCup] = kFalse;
    ReturnBallToHand(Thrower::Player);
    CloseUpRack(OpponentCupsLeft, NearRack, RackEnd::Near, CupRadius);
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
        NearRack = ParkedNearRack;
    }
    CommandShoot->SetCaption(ShootCaption(kPhaseReady));
    CommandShoot->SetEnabled(true);
}

}  // namespace dorvanta
