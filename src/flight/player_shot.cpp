// The player's turn, from the throw to the hand-over: the replay snapshot and
// the shot count, the flight at the far rack, then the score, the re-formed
// rack, the win with its high score, and the button handed to whoever shoots
// next.
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "core/game_state.h"
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
    // A replay that End Turn stopped has put the rack back already, and a game
    // reset during the flight leaves nothing to score.
    const bool stoppedReplay = replay && Replaying == kFalse;
    if (BallInCup != kFalse && !stoppedReplay && GameRestarted == kFalse) {
        ScoreMadePlayerShot();
    }
    HandOverAfterPlayerShot();
}

// The button is off for the whole shot. A replay parks the rack and flies the
// last shot from the snapshot; a new shot takes the snapshot and is counted.
void FormMain::StartPlayerTurn() {
    CommandShoot->SetCaption("Ball in motion");
    CommandShoot->SetEnabled(false);
    if (Replaying != kFalse) {
        ParkFarRack();
        std::tie(Power, Angle, Azimuth, HandX, HandY, HandZ) =
            std::tie(LastPower, LastAngle, LastAzimuth, LastHandX, LastHandY, LastHandZ);
        return;
    }
    std::tie(PreShotCupStanding, PreShotCupX, PreShotCupZ, PreShotRackZ, PreShotRackHomeZ,
             PreShotRackBaseY) = std::tie(CupStanding, CupX, CupZ, RackZ, RackHomeZ, RackBaseY);
    std::tie(LastPower, LastAngle, LastAzimuth, LastHandX, LastHandY, LastHandZ) =
        std::tie(Power, Angle, Azimuth, HandX, HandY, HandZ);
    // The count is 16 bits: a game that long stops counting rather than wrap.
    if (ShotsTaken < std::numeric_limits<std::int16_t>::max()) {
        ++ShotsTaken;
    }
    TextShotsTaken->SetText(std::to_string(ShotsTaken));
}

// The current far rack is parked and the one from before the recorded shot
// comes back.
void FormMain::ParkFarRack() {
    std::tie(ParkedCupStanding, ParkedCupX, ParkedCupZ, ParkedRackZ, ParkedRackHomeZ,
             ParkedRackBaseY) = std::tie(CupStanding, CupX, CupZ, RackZ, RackHomeZ, RackBaseY);
    std::tie(CupStanding, CupX, CupZ, RackZ, RackHomeZ, RackBaseY) =
        std::tie(PreShotCupStanding, PreShotCupX, PreShotCupZ, PreShotRackZ, PreShotRackHomeZ,
                 PreShotRackBaseY);
}

void FormMain::RestoreParkedFarRack() {
    std::tie(CupStanding, CupX, CupZ, RackZ, RackHomeZ, RackBaseY) = std::tie(
        ParkedCupStanding, ParkedCupX, ParkedCupZ, ParkedRackZ, ParkedRackHomeZ, ParkedRackBaseY);
}

void FormMain::ScoreMadePlayerShot() {
    // Counts, unless this only shows the last shot again.
    if (Replaying == kFalse) {
        --CupsLeft;
        TextShotsMade->SetText(std::to_string(kCupCount - CupsLeft));
        ShowShootingPercentage();
    }
    CupStanding[NearestCup] = kFalse;
    // Ball to the next thrower's hand.
    if (HeadToHead != kFalse) {
        BallX = OpponentHandX;
        BallY = OpponentHandY;
        BallZ = OpponentHandZ;
    } else {
        BallX = HandX;
        BallY = HandY;
        BallZ = HandZ;
    }
    CloseUpRack(CupsLeft, CupStanding, RackZ, RackHomeZ, std::sqrt(3.0) * CupRadius);
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

// A high score is fewer shots than the level's record, in a game without
// numeric shots. The skill factor selects the level only by exact value.
void FormMain::RecordHighScore() {
    struct Slot {
        double skillFactor;
        std::string* name;
        std::int16_t* score;
    };
    const Slot slots[] = {{kSkillBeginner, &NameBeginner, &HighScoreBeginner},
                          {kSkillIntermediate, &NameIntermediate, &HighScoreIntermediate},
                          {kSkillExpert, &NameExpert, &HighScoreExpert},
                          {kSkillPro, &NamePro, &HighScorePro}};
    for (int level = 1; level <= 4; ++level) {
        const Slot& slot = slots[level - 1];
        if (SkillFactor != slot.skillFactor || ShotsTaken >= *slot.score ||
            NumericShotUsed != kFalse) {
            continue;
        }
        *slot.score = ShotsTaken;
        // The member holds the name as the file will give it back.
        *slot.name = DataFile::StoredName(platform().InputBox(
            "Congratulations.  You earned a new high score.  Please enter your name",
            "High Score"));
        DataFile(platform()).StoreHighScore(level, *slot.name, *slot.score);
    }
}

void FormMain::HandOverAfterPlayerShot() {
    if (HeadToHead != kFalse) {
        CommandShoot->SetCaption("Opponent's Shot");
        ShotPhase = kPhaseOpponentToShoot;
    } else {
        CommandShoot->SetCaption("Shoot");
        ShotPhase = kPhaseReady;
    }
    if (Replaying != kFalse) {
        Replaying = kFalse;
        RestoreParkedFarRack();
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
