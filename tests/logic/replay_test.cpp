#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "opponent_fixture.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

const double kRowStep = std::sqrt(3.0) * 2.0;

class ReplayTest : public GameTest {
  protected:
    void Replay() { Click("CommandReplay"); }
    std::string Stats() {
        return TextNamed("TextShotsTaken").Text() + " " + TextNamed("TextShotsMade").Text() + " " +
               TextNamed("TextShootingPercentage").Text();
    }
};

// --- Replay ---

TEST_F(ReplayTest, NothingToReplayBeforeTheFirstShot) {
    Replay();
    EXPECT_EQ(platform.YieldCount(), 0);
    EXPECT_EQ(Get("Replaying"), kFalse);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(ReplayTest, IndividualReplayOfAMakeShowsItAgainAndChangesNoCount) {
    ChooseMenu("MenuOptionIndividual");
    PlayerMakesCupOne();
    ASSERT_EQ(Get("CupsLeft"), 9);
    const std::string stats = Stats();
    std::string duringFlight;
    platform.AtYield(10, [&] { duringFlight = FarStanding(); });
    const std::int64_t start = platform.YieldCount();
    Replay();
    EXPECT_EQ(duringFlight, "1 2 3 4 5 6 7 8 9 10");
    EXPECT_GE(platform.YieldCount() - start, 3000);  // the made cup's pause
    EXPECT_EQ(FarStanding(), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("CupsLeft"), 9);
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Stats(), stats);
    EXPECT_EQ(Get("Replaying"), kFalse);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(ReplayTest, HeadToHeadReplayOfThePlayersShotKeepsTheComputerWaiting) {
    PlayerMakesCupOne();
    ASSERT_EQ(ShootCaption(), "Opponent's Shot");
    Replay();
    EXPECT_EQ(ShootCaption(), "Opponent's Shot");
    EXPECT_EQ(Get("ShotPhase"), 5);
    EXPECT_EQ(Get("CupsLeft"), 9);
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
}

TEST_F(ReplayTest, ReplayOfTheComputersMakeReRacksTheReplayedTableAndPutsTheCurrentOneBack) {
    Set("ShotsTaken", 1);
    SetNearRack({1, 2, 3, 4, 5, 6, 9}, 7);
    QueueAim();
    ComputerTurn();
    ASSERT_EQ(NearStanding(), "1 2 3 4 5 6");
    // The table and the launch point change after the shot; the replay must
    // fly from the recorded point and not lose the current table.
    Set("OpponentCupStanding(6)", kFalse);
    Set("OpponentHandX", 5);
    const double rackZ = Get("OpponentRackZ");

    std::string standingInPause;
    double rackZInPause = 0;
    platform.AtYield(1500, [&] {
        standingInPause = NearStanding();
        rackZInPause = Get("OpponentRackZ");
    });
    Replay();
    // The replayed make re-racked the replayed table to six cups without counting.
    EXPECT_EQ(standingInPause, "1 2 3 4 5 6");
    EXPECT_NEAR(rackZInPause, -36 - kRowStep, 1e-9);
    EXPECT_EQ(platform.RandomsDrawn(), 3u);
    EXPECT_EQ(Get("OpponentCupsLeft"), 6);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5");
    EXPECT_EQ(Get("OpponentRackZ"), rackZ);
    EXPECT_EQ(Get("Replaying"), kFalse);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
    // The launch point keeps the replayed values.
    EXPECT_EQ(Get("OpponentHandX"), 0);
}

TEST_F(ReplayTest, ReplayOfTheWinningComputerShotAfterNoPausesWithoutTheLossQuestion) {
    Set("ShotsTaken", 3);
    SetNearRack({9}, 1);
    QueueAim();
    platform.QueueAnswer(BoxAnswer::No);
    ComputerTurn();
    ASSERT_EQ(platform.Boxes().size(), 1u);
    const std::int64_t start = platform.YieldCount();
    Replay();  // a second loss question would find no scripted answer
    EXPECT_EQ(platform.Boxes().size(), 1u);
    EXPECT_GE(platform.YieldCount() - start, 3000);
    EXPECT_EQ(Get("OpponentCupsLeft"), 0);
    EXPECT_EQ(NearStanding(), "");
}

TEST_F(ReplayTest, EndTurnDuringAReplayOfTheComputersShotPutsTheRackBackAtOnce) {
    Set("ShotsTaken", 1);
    QueueAim();
    ComputerTurn();
    ASSERT_EQ(NearStanding(), "2 3 4 5 6 7 8 9 10");
    std::string standingRightAfter;
    platform.AtYield(100, [&] {
        ASSERT_EQ(NearStanding(), "1 2 3 4 5 6 7 8 9 10");  // the replayed table
        Click("CommandStopLoop");
        standingRightAfter = NearStanding();
        EXPECT_EQ(Get("Replaying"), kFalse);
    });
    Replay();
    EXPECT_EQ(standingRightAfter, "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(NearStanding(), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
}

TEST_F(ReplayTest, EndTurnAfterTheReplayedBallDroppedInScoresNothing) {
    Set("ShotsTaken", 1);
    QueueAim();
    ComputerTurn();
    // Stop inside the made cup's pause of the replay.
    platform.AtYield(1500, [&] { Click("CommandStopLoop"); });
    Replay();
    EXPECT_EQ(NearStanding(), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
    EXPECT_EQ(Get("Replaying"), kFalse);
}

TEST_F(ReplayTest, EndTurnDuringAReplayOfThePlayersShotPutsTheFarRackBack) {
    ChooseMenu("MenuOptionIndividual");
    PlayerMakesCupOne();
    platform.AtYield(100, [&] {
        Click("CommandStopLoop");
        EXPECT_EQ(FarStanding(), "2 3 4 5 6 7 8 9 10");
    });
    Replay();
    EXPECT_EQ(FarStanding(), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("CupsLeft"), 9);
    EXPECT_EQ(Get("Replaying"), kFalse);
}

TEST_F(ReplayTest, ReplayIsIgnoredWhileABallIsInFlight) {
    Set("ShotsTaken", 1);
    QueueAim();
    platform.AtYield(100, [&] {
        Replay();
        EXPECT_EQ(Get("Replaying"), kFalse);
    });
    ComputerTurn();
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
}

TEST_F(ReplayTest, OnePressReplaysOneShotEvenIfAResetUnderItEndsInPhaseZero) {
    PlayerMakesCupOne();
    platform.QueueAnswer(BoxAnswer::Ok);
    platform.AtYield(100, [&] { ChooseMenu("MenuOptionIndividual"); });
    const std::int64_t start = platform.YieldCount();
    Replay();
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(Get("Replaying"), kFalse);
    EXPECT_EQ(Get("Power"), 1100);
    EXPECT_LT(platform.YieldCount() - start, 200);
}

// --- Numeric shooting ---

class NumericShotTest : public ReplayTest {
  protected:
    void AllowNumericShooting() {
        platform.QueueAnswer(BoxAnswer::Ok);
        ChooseMenu("MenuOptionNumericShooting");
    }
    void Type(const std::string& power, const std::string& angle, const std::string& azimuth,
              const std::string& handX) {
        TextNamed("TextPower").SetText(power);
        TextNamed("TextAngle").SetText(angle);
        TextNamed("TextAzimuth").SetText(azimuth);
        TextNamed("TextHandX").SetText(handX);
    }
    void ShootNumerically() { Click("CommandCheatShoot"); }
    // A rack with only cup 1 left, one make from the win.
    void OneCupLeft() {
        for (int i = 2; i <= kCupCount; ++i) {
            Set("CupStanding(" + std::to_string(i) + ")", kFalse);
        }
        Set("CupsLeft", 1);
    }
};

TEST_F(NumericShotTest, TheMenuWarnsAndShowsOrHidesTheButton) {
    platform.QueueAnswer(BoxAnswer::Cancel);
    ChooseMenu("MenuOptionNumericShooting");
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text,
              "Are you sure?  If you shoot numerically, you will no longer be able to set a "
              "high score.");
    EXPECT_EQ(platform.Boxes()[0].title, "");
    EXPECT_FALSE(Checked("MenuOptionNumericShooting"));
    EXPECT_FALSE(ButtonNamed("CommandCheatShoot").Visible());

    AllowNumericShooting();
    EXPECT_TRUE(Checked("MenuOptionNumericShooting"));
    EXPECT_TRUE(ButtonNamed("CommandCheatShoot").Visible());

    ChooseMenu("MenuOptionNumericShooting");  // off again, without a question
    EXPECT_EQ(platform.Boxes().size(), 2u);
    EXPECT_FALSE(Checked("MenuOptionNumericShooting"));
    EXPECT_FALSE(ButtonNamed("CommandCheatShoot").Visible());
    EXPECT_EQ(Get("NumericShotUsed"), kFalse);
}

TEST_F(NumericShotTest, ShotFliesTheTypedValuesAndMovesTheHandThroughItsScrollBar) {
    ChooseMenu("MenuOptionIndividual");
    AllowNumericShooting();
    Type("1250", "45", "0", "0.25");
    ShootNumerically();
    EXPECT_EQ(Get("Power"), 1250);
    EXPECT_EQ(Get("Angle"), 45);
    EXPECT_EQ(dynamic_cast<ScrollBar&>(*main.FindControl("HScrollHand")).Value(), 2);
    EXPECT_NEAR(Get("HandX"), 0.2, 1e-12);
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Get("NumericShotUsed"), kTrue);

    Type("1100", "5", "0", "24");
    ShootNumerically();
    EXPECT_EQ(dynamic_cast<ScrollBar&>(*main.FindControl("HScrollHand")).Value(), 240);
    EXPECT_EQ(Get("HandX"), 24);
}

TEST_F(NumericShotTest, ANumericShotBarsTheHighScoreOfThatGameOnly) {
    DataFile(platform).ResetHighScores();
    ChooseMenu("MenuOptionNewGame");  // reads the records back
    ChooseMenu("MenuOptionIndividual");
    AllowNumericShooting();
    OneCupLeft();
    Type("1250", "45", "0", "0");
    platform.QueueAnswer(BoxAnswer::Yes);
    ShootNumerically();  // the win; an offered high score would find no scripted name
    EXPECT_EQ(platform.Boxes().back().text, "You just won.  Do you want to play again?");
    EXPECT_EQ(Get("NumericShotUsed"), kFalse);

    OneCupLeft();
    platform.QueueInput("Ada");
    platform.QueueAnswer(BoxAnswer::No);
    PlayerMakesCupOne();
    EXPECT_EQ(main.NameBeginner, "Ada");
    EXPECT_EQ(main.HighScoreBeginner, 1);
}

TEST_F(NumericShotTest, InPhaseFiveTheButtonMakesTheComputerShootAndKeepsTheHighScore) {
    AllowNumericShooting();
    PlayerShot(1100, 5, 0);
    ASSERT_EQ(Get("ShotPhase"), 5);
    Type("1250", "45", "0", "0");
    QueueAim();
    ShootNumerically();
    EXPECT_EQ(platform.RandomsDrawn(), 3u);
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Get("NumericShotUsed"), kFalse);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(NumericShotTest, ATextThatIsNotANumberRefusesTheShotBeforeAnythingChanges) {
    AllowNumericShooting();
    const std::pair<std::string, std::string> refusals[] = {
        {"TextPower", "The power is not a number."},
        {"TextAngle", "The vertical angle is not a number."},
        {"TextAzimuth", "The horizontal angle is not a number."},
    };
    for (const auto& [box, message] : refusals) {
        SCOPED_TRACE(box);
        Type("1250", "45", "0", "0");
        TextNamed(box).SetText("12x");
        platform.QueueAnswer(BoxAnswer::Ok);
        ShootNumerically();
        EXPECT_EQ(platform.Boxes().back().text, message);
    }
    Type("1250", "45", "0", "0");
    TextNamed("TextPower").SetText("");
    platform.QueueAnswer(BoxAnswer::Ok);
    ShootNumerically();
    EXPECT_EQ(platform.Boxes().back().text, "The power is not a number.");
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(Get("NumericShotUsed"), kFalse);
    EXPECT_EQ(Get("Power"), 1100);
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(platform.YieldCount(), 0);
}

TEST_F(NumericShotTest, APressDuringAFlightOrAReplayDoesNothing) {
    ChooseMenu("MenuOptionIndividual");
    AllowNumericShooting();
    Type("1250", "45", "0", "0");
    platform.AtYield(100, [&] { ShootNumerically(); });
    ShootNumerically();
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Get("CupsLeft"), 9);

    platform.AtYield(100, [&] { ShootNumerically(); });
    Replay();
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Get("CupsLeft"), 9);
}

}  // namespace
}  // namespace dorvanta
