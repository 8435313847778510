// The player's turn, from the throw to the hand-over: the replay snapshot and
// the shot count, the flight at the far rack, then the score, the re-formed
// rack, the win with its high score, and the button handed to whoever shoots
// next.
#include <limits>
#include <string>
#include <utility>

#include "core/form_main.h"
#include "core/number_text.h"
#include "core/product.h"
#include "flight/fly_ball.h"
#include "flight/rack_forming.h"
#include "flight/wait.h"
#include "records/data_file.h"

namespace dorvanta {

void FormMain::PlayerShot() {
    const RunningShot running(ShotsRunning);
    StartPlayerTurn();
    // Flight at the far rack from the hand.
    const FlightLaunch launch = LaunchFromShot(Power, Angle, Azimuth, HandX, HandY, HandZ);
    GameRestarted = kFalse;
    const bool replay = Replaying != kFalse;
    FlyBallAtFarRack(launch);
    if (BallInCup != kFalse && !ShotCutShort(replay)) {
        ScoreMadePlayerShot();
    }
    HandOverAfterPlayerShot();
}

// The button is off for the whole shot. A replay parks the rack and flies the
// last shot from the snapshot; a new shot takes the snapshot and is counted.
void FormMain::StartPlayerTurn() {
    CommandShoot->SetCaption(ShootCaption(kPhasePlayerFlight));
    CommandShoot->SetEnabled(false);
    if (Replaying != kFalse) {
        ParkedFarRack = std::exchange(FarRack, PreShotFarRack);
        TakeShot(LastShot);
        return;
    }
    PreShotFarRack = FarRack;
    LastShot = ThisShot();
    // The count is 16 bits: a game that long stops counting rather than wrap.
    if (ShotsTaken < std::numeric_limits<std::int16_t>::max()) {
        ++ShotsTaken;
    }
    TextShotsTaken->SetText(std::to_string(ShotsTaken));
}

ShotRecord FormMain::ThisShot() const {
    return {Power, Angle, Azimuth, HandX, HandY, HandZ};
}

void FormMain::TakeShot(const ShotRecord& shot) {
    Power = shot.Power;
    Angle = shot.Angle;
    Azimuth = shot.Azimuth;
    HandX = shot.HandX;
    HandY = shot.HandY;
    HandZ = shot.HandZ;
}

void FormMain::ScoreMadePlayerShot() {
    // Counts, unless this only shows the last shot again.
    if (Replaying == kFalse) {
        --CupsLeft;
        TextShotsMade->SetText(std::to_string(kCupCount - CupsLeft));
        ShowShootingPercentage();
    }
    FarRack.CupStanding[NearestCup] = kFalse;
    ReturnBallToHand(HeadToHead != kFalse ? Thrower::Computer : Thrower::Player);
    CloseUpRack(CupsLeft, FarRack, RackEnd::Far, CupRadius);
    if (CupsLeft != 0 || Replaying != kFalse) {
        WaitSeconds(platform(), kMadeCupPauseSeconds);
    } else {
        CelebrateWin();
    }
    DrawScene();
}

void FormMain::CelebrateWin() {
    RecordHighScore();
    if (platform().MessageBox("You just won.  Do you want to play again?", BoxButtons::YesNo,
                              kProductName) == BoxAnswer::Yes) {
        ResetGame();
        DrawScene();
    }
}

// A high score beats the level's record as the file holds it at the win, in a
// game without numeric shots: another game may have set a better one since
// this one began. The skill factor selects the level only by exact value. The
// record is checked again as it is stored, since another game may win while
// the name is typed; the member then holds what the file holds, as the file
// will give it back.
void FormMain::RecordHighScore() {
    for (int level = 0; level < kLevelCount; ++level) {
        if (SkillFactor != kLevelSkillFactors[level] || NumericShotUsed != kFalse) {
            continue;
        }
        DataFile file(platform());
        HighScore& slot = HighScores[level];
        slot = file.ReadHighScore(level + 1);
        if (!Beats(ShotsTaken, slot)) {
            continue;
        }
        const std::string name = platform().InputBox(
            "Congratulations.  You earned a new high score.  Please enter your name", "High Score");
        slot = file.StoreBetterHighScore(level + 1, name, ShotsTaken);
    }
}

void FormMain::HandOverAfterPlayerShot() {
    if (HeadToHead != kFalse) {
        ShotPhase = kPhaseOpponentToShoot;
    } else {
        ShotPhase = kPhaseReady;
    }
    CommandShoot->SetCaption(ShootCaption(ShotPhase));
    if (Replaying != kFalse) {
        Replaying = kFalse;
        FarRack = ParkedFarRack;
    }
    if (GameRestarted == kFalse) {
        ShowShootingPercentage();
    }
    CommandShoot->SetEnabled(true);
}

// Before the first shot of a game there is no percentage yet: it reads 0.
void FormMain::ShowShootingPercentage() {
    const double made = kCupCount - CupsLeft;
    TextShootingPercentage->SetText(NumberText(ShotsTaken == 0 ? 0.0 : made / ShotsTaken * 100));
}

}  // namespace dorvanta
