#include "flight/wait.h"
#include "game_test.h"

namespace dorvanta {
namespace {

using OpponentShotTest = GameTest;

TEST_F(OpponentShotTest, LosingAsksToPlayAgainYesStartsAfreshNoLeavesTheRackAndTheZeroShot) {
    SetRack("Opponent", {9}, 1);
    Set("ShotsTaken", 4);
    QueueAim();
    platform.QueueAnswer(BoxAnswer::Yes);
    ComputerTurn();
    EXPECT_EQ(LastBox(), "You just lost.  Do you want to play again?");
    EXPECT_EQ(Values("OpponentCupsLeft ShotsTaken"), "10 0");

    SetRack("Opponent", {9}, 1);
    Set("ShotsTaken", 3);
    QueueAim();
    platform.QueueAnswer(BoxAnswer::No);
    double start = platform.MonotonicSeconds();
    ComputerTurn();
    const double turn = platform.MonotonicSeconds() - start;
    // Its replay pauses for the make and asks nothing: no answer is scripted.
    start = platform.MonotonicSeconds();
    Click("CommandReplay");
    EXPECT_EQ(platform.Boxes().size(), 2u);
    EXPECT_NEAR(platform.MonotonicSeconds() - start - turn, kMadeCupPauseSeconds, 1e-9);
    EXPECT_EQ(Standing("OpponentCupStanding"), "");
    // No cup to aim at: nothing drawn, no speed, and the ball bounces in place
    // at the old launch point until End Turn stops it.
    std::string duringFlight;
    platform.AtYield(2000, [&] {
        duringFlight =
            Values("BallX BallZ") + (Control<Button>("CommandShoot").Enabled() ? "" : " barred");
        Click("CommandStopLoop");
    });
    ComputerTurn();
    EXPECT_EQ(platform.RandomsDrawn(), 6u);
    EXPECT_EQ(duringFlight, "2 48 barred");  // cup 9's launch point
    EXPECT_EQ(Get("ShotPhase"), kPhaseReady);
}

}  // namespace
}  // namespace dorvanta
