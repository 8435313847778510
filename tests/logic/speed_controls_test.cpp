#include <gtest/gtest.h>

#include <string>

#include "opponent_fixture.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

using SpeedControlsTest = GameTest;

// --- Slow motion and Pause ---

TEST_F(SpeedControlsTest, SlowTogglesTheFactorAndTheCaptionNamesTheSpeedInForce) {
    Click("CommandSlow");
    EXPECT_EQ(Get("SlowFactor"), 300);
    EXPECT_EQ(ButtonNamed("CommandSlow").Caption(), "Slow");
    Click("CommandSlow");
    EXPECT_EQ(Get("SlowFactor"), 1);
    EXPECT_EQ(ButtonNamed("CommandSlow").Caption(), "Normal");
}

TEST_F(SpeedControlsTest, SlowIgnoresAFactorThatIsNeitherSpeed) {
    Set("SlowFactor", 2);
    Click("CommandSlow");
    EXPECT_EQ(Get("SlowFactor"), 2);
    EXPECT_EQ(ButtonNamed("CommandSlow").Caption(), "Normal");
}

TEST_F(SpeedControlsTest, ANewGameInSlowMotionReadsNormalAgain) {
    Click("CommandSlow");
    ChooseMenu("MenuOptionNewGame");
    EXPECT_EQ(Get("SlowFactor"), 1);
    EXPECT_EQ(ButtonNamed("CommandSlow").Caption(), "Normal");
    Click("CommandSlow");
    EXPECT_EQ(ButtonNamed("CommandSlow").Caption(), "Slow");
}

TEST_F(SpeedControlsTest, PauseTogglesTheFlag) {
    Click("CommandPause");
    EXPECT_EQ(Get("Paused"), kTrue);
    Click("CommandPause");
    EXPECT_EQ(Get("Paused"), kFalse);
    EXPECT_EQ(ButtonNamed("CommandPause").Caption(), "Pause");
}

// --- End Turn ---

TEST_F(SpeedControlsTest, EndTurnWithTheComputerWaitingGivesThePlayerTheTurn) {
    PlayerShot(1100, 5, 0);
    ASSERT_EQ(ShootCaption(), "Opponent's Shot");
    Click("CommandStopLoop");
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
    EXPECT_EQ(Get("StopFlight"), kTrue);
    // The next press starts the power gauge, not the computer.
    platform.AtYield(5, [&] { Set("ShotPhase", 0); });
    PressShoot();
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
}

TEST_F(SpeedControlsTest, EndTurnWithNothingRunningOnlyPutsTheBallInThePlayersHand) {
    Set("BallX", 3);
    Set("BallY", 1);
    Set("BallZ", 40);
    Set("HandX", -2);
    Click("CommandStopLoop");
    EXPECT_EQ(Get("BallX"), -2);
    EXPECT_EQ(Get("BallY"), 30);
    EXPECT_EQ(Get("BallZ"), -48);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(SpeedControlsTest, EndTurnDuringThePlayersFlightPassesTheTurnOn) {
    platform.AtYield(50, [&] {
        Click("CommandStopLoop");
        EXPECT_EQ(Get("ShotPhase"), 5);
    });
    PlayerMakesCupOne();
    EXPECT_EQ(Get("CupsLeft"), 10);
    EXPECT_EQ(ShootCaption(), "Opponent's Shot");

    ChooseMenu("MenuOptionNewGame");
    ChooseMenu("MenuOptionIndividual");
    platform.AtYield(50, [&] {
        Click("CommandStopLoop");
        EXPECT_EQ(Get("ShotPhase"), 0);
    });
    PlayerMakesCupOne();
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(SpeedControlsTest, EndTurnWhilePausedDoesNotReleaseThePause) {
    QueueAim();
    double phaseAfterEndTurn = -1;
    platform.AtYield(100, [&] { Click("CommandPause"); });
    platform.AtYield(110, [&] { Click("CommandStopLoop"); });
    platform.AtYield(500, [&] {
        phaseAfterEndTurn = Get("ShotPhase");
        EXPECT_EQ(Get("Paused"), kTrue);
        Click("CommandPause");
    });
    ComputerTurn();
    // The flight was still held at yield 500, then ended at its next end test.
    EXPECT_EQ(phaseAfterEndTurn, 6);
    EXPECT_GE(platform.YieldCount(), 500);
    EXPECT_LT(platform.YieldCount(), 600);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

// --- Calibration ---

class CalibrationTest : public GameTest {
  protected:
    // The window as it is now; Open() shows it first.
    Form& Window() { return *probe.SecondaryForm("FormCalibrate"); }
    Form& Open() {
        ChooseMenu("MenuOptionCalibrate");
        return Window();
    }
    TextBox& FactorBox() {
        return dynamic_cast<TextBox&>(*Window().FindControl("TextCalibrationFactor"));
    }
    void Press(const std::string& button) {
        dynamic_cast<Button&>(*Window().FindControl(button)).Click();
    }
    double StoredFactor() { return DataFile(platform).ReadSettings().calibrationFactor; }
};

TEST_F(CalibrationTest, WindowShowsTheFactorInItsShortestForm) {
    main.CalibrationFactor = 1234.5;
    EXPECT_EQ(probe.SecondaryForm("FormCalibrate"), nullptr);
    EXPECT_EQ(Open().Caption(), "Calibrate Game Speed");
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(FactorBox().Text(), "1234.5");
}

TEST_F(CalibrationTest, RefusesTextsThatAreNotPlainPositiveNumbers) {
    main.CalibrationFactor = 7;
    Open();
    for (const std::string text : {"", ".", "1.2.3", "-5", "1e3", "1,5", " 5", "+5", "abc"}) {
        SCOPED_TRACE(text);
        FactorBox().SetText(text);
        platform.QueueAnswer(BoxAnswer::Ok);
        Press("CommandOkay");
        EXPECT_EQ(platform.Boxes().back().text, "Please enter a valid positive number.");
        EXPECT_TRUE(Window().Visible());
        EXPECT_EQ(FactorBox().Text(), text);
        EXPECT_EQ(main.CalibrationFactor, 7);
    }
    EXPECT_EQ(StoredFactor(), 0);
}

TEST_F(CalibrationTest, AcceptsDigitsWithAtMostOnePointAndStoresTheFactor) {
    const std::pair<std::string, double> accepted[] = {
        {"0", 0}, {"5.", 5}, {".5", 0.5}, {"007", 7}, {"2500.25", 2500.25}};
    for (const auto& [text, value] : accepted) {
        SCOPED_TRACE(text);
        Open();
        FactorBox().SetText(text);
        Press("CommandOkay");
        EXPECT_EQ(main.CalibrationFactor, value);
        EXPECT_EQ(StoredFactor(), value);
        EXPECT_FALSE(Window().Visible());
    }
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(CalibrationTest, CancelPutsTheCurrentFactorBackAndAReopeningKeepsTheText) {
    main.CalibrationFactor = 40;
    Open();
    FactorBox().SetText("99");
    Press("CommandCancel");
    EXPECT_FALSE(Window().Visible());
    EXPECT_EQ(main.CalibrationFactor, 40);
    EXPECT_EQ(FactorBox().Text(), "40");
    main.CalibrationFactor = 55;
    Open();
    EXPECT_EQ(FactorBox().Text(), "40");  // loaded once, not reread
}

TEST_F(CalibrationTest, AutomaticCalibrationCountsForThreeSecondsAcrossMidnight) {
    platform.SetTimeOfDay(86400 - 1.5);
    platform.SetSecondsPerClockRead(0.001);
    platform.QueueAnswer(BoxAnswer::Ok);
    const std::int64_t yields = platform.YieldCount();
    ChooseMenu("MenuOptionAutoCalibrate");
    // About 3000 passes of a thousandth of a second each: 10 per hundredth.
    EXPECT_NEAR(main.CalibrationFactor, 10, 0.01);
    EXPECT_EQ(StoredFactor(), main.CalibrationFactor);
    EXPECT_EQ(platform.YieldCount(), yields);
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text, "Calibration Completed");
}

}  // namespace
}  // namespace dorvanta
