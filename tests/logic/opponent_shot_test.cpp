#include "game_test.h"

namespace dorvanta {
namespace {

using OpponentShotTest = GameTest;

TEST_F(OpponentShotTest, TurnBarsTheButtonAndEndTurnMakesItARecordedMissBallInHand) {
    SetRack("Opponent", {2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
    QueueAim(0.0f, 0.5f, 0.25f);
    std::string duringFlight;
    platform.AtYield(50, [&] {
        duringFlight = Turn() + (Control<Button>("CommandShoot").Enabled() ? " on" : " off");
    });
    platform.AtYield(100, [&] { Click("CommandStopLoop"); });
    ComputerTurn();
    EXPECT_EQ(duringFlight, "6 Ball in motion off");
    // Kept for replay: cup 2's row with the Beginner's errors.
    EXPECT_EQ(Values("LastOpponentPower LastOpponentAngle LastOpponentAzimuth LastOpponentHandX"),
              "1270 135 -2.5 -2");
    EXPECT_EQ(Values("OpponentCupsLeft BallY BallZ"), "9 30 -48");
    EXPECT_EQ(Turn(), "0 Shoot");
    EXPECT_LT(platform.YieldCount(), 3000);  // no pause for a make
}

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
    ComputerTurn();
    EXPECT_EQ(Standing("OpponentCupStanding"), "");
    EXPECT_EQ(Values("OpponentCupsLeft BallInCup CupsLeft"), "0 0 10");  // not the player's
    // Its replay pauses for the make and asks nothing: no answer is scripted.
    const std::int64_t start = platform.YieldCount();
    Click("CommandReplay");
    EXPECT_EQ(platform.Boxes().size(), 2u);
    EXPECT_GE(platform.YieldCount() - start, 3000);
    EXPECT_EQ(Standing("OpponentCupStanding"), "");
    // No cup to aim at: nothing drawn, no speed, and the ball bounces in place
    // at the old launch point until End Turn stops it.
    std::string duringFlight;
    platform.AtYield(2000, [&] {
        duringFlight = Values("BallX BallZ");
        Click("CommandStopLoop");
    });
    ComputerTurn();
    EXPECT_EQ(platform.RandomsDrawn(), 6u);
    EXPECT_EQ(Values("LastOpponentPower OpponentHandX"), "0 2");
    EXPECT_EQ(duringFlight, "2 48");  // cup 9's launch point
    EXPECT_EQ(Turn(), "0 Shoot");
}

// The cups fall in the order the Trick Shooter's scenario plays out; here
// each of its ten shots, flown again outside the game, hits a rim first.
TEST_F(OpponentShotTest, TrickShooterSinksTenCupsEachOffARimThenAsksAfterTheTenth) {
    ChooseMenu("MenuOptionTrickShooterOpponent");
    platform.QueueAnswer(BoxAnswer::No);
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        Set("ShotsTaken", n);
        ComputerTurn();
        EXPECT_EQ(Get("OpponentCupsLeft"), 10 - n);
        FlightTable flight(true);
        flight.StandOnly(StandingCups("PreShotOpponentCupStanding"));
        flight.rack.RackZ = Get("PreShotOpponentRackZ");
        flight.FlyShot(Get("LastOpponentPower"), Get("LastOpponentAngle"),
                       Get("LastOpponentAzimuth"), Get("LastOpponentHandX"));
        ASSERT_FALSE(flight.events.empty());
        EXPECT_EQ(flight.events.front().kind, FlightEventKind::Rim);
        EXPECT_EQ(flight.madeCup, Get("NearestCup"));
    }
    EXPECT_EQ(platform.Boxes().size(), 1u);  // the loss's question, after the tenth
    // No row after the tenth shot: the zero shot, bouncing in place until End Turn.
    Set("ShotsTaken", 11);
    platform.AtYield(2000, [&] { Click("CommandStopLoop"); });
    ComputerTurn();
    EXPECT_EQ(Values("LastOpponentPower LastOpponentAngle OpponentCupsLeft"), "0 0 0");
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
}

}  // namespace
}  // namespace dorvanta
