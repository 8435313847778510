#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flight/fly_ball.h"
#include "opponent/opponent_aim.h"
#include "opponent_fixture.h"

namespace dorvanta {
namespace {

const double kRowStep = std::sqrt(3.0) * 2.0;  // one rack row, for a cup radius of 2

// Flights flown outside the game, with every contact written down.
class EventRecorder : public FlightHooks {
  public:
    void OnEvent(const FlightEvent& event) override { events.push_back(event); }
    bool Has(FlightEventKind kind) const {
        for (const FlightEvent& event : events) {
            if (event.kind == kind) {
                return true;
            }
        }
        return false;
    }
    std::vector<FlightEvent> events;
};

// A near rack in the reset layout with only `cups` standing at front z `rackZ`.
struct NearRack {
    CupArray<Flag> standing{};
    CupArray<double> cupX{0, 0, -2, 2, -4, 0, 4, 6, -2, 2, -6};
    CupArray<double> cupZ{};
    double rackZ;
    double baseY = 0;
    NearRack(const std::vector<int>& cups, double frontZ) : rackZ(frontZ) {
        const int row[] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
        for (int i = 1; i <= kCupCount; ++i) {
            cupZ[i] = -row[i] * kRowStep;
        }
        for (int cup : cups) {
            standing[cup] = kTrue;
        }
    }
    FlightRack Flight() { return FlightRack{standing, cupX, cupZ, rackZ, baseY}; }
};

struct FlightResult {
    Flag inCup = kFalse;
    std::int16_t nearestCup = 0;
    EventRecorder recorder;
};

FlightResult FlyComputerShot(NearRack rack, double power, double angle, double azimuth,
                             double handX) {
    FlightResult result;
    double x = 0, y = 0, z = 0;
    const double handZ = kOpponentHandZ;
    Flag stop = kFalse, paused = kFalse;
    const FlightBall ball{x, y, z, result.inCup, stop, paused, result.nearestCup};
    FlyBall(LaunchFromShot(power, angle, azimuth, handX, kOpponentHandY, handZ), rack.Flight(),
            FlightEnds{FlightHeading::TowardNearRack, handZ}, ball, FlightPhysics{},
            result.recorder);
    return result;
}

// --- The aim list against the physics ---

TEST(OpponentAimRows, EveryBaseShotDropsStraightIntoItsTargetWhereverItCanBeChosen) {
    const double home = -36;
    const double reRacked = home - kRowStep;
    struct Case {
        const char* what;
        int row;  // index into the aim list
        std::vector<int> cups;
        double rackZ;
        bool sixOrFewer;
    };
    const Case cases[] = {
        {"cup 1, full rack", 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, home, false},
        {"cup 1, six-cup rack", 0, {1, 2, 3, 4, 5, 6}, reRacked, true},
        {"cup 2, home", 1, {2, 3, 4, 5, 6, 7, 8, 9, 10}, home, false},
        {"cup 2, six-cup rack", 1, {2, 3, 4, 5, 6}, reRacked, true},
        {"cup 3, home", 2, {3, 4, 5, 6, 7, 8, 9, 10}, home, false},
        {"cup 3, six-cup rack", 2, {3, 4, 5, 6}, reRacked, true},
        {"cup 5, home", 3, {4, 5, 6, 7, 8, 9, 10}, home, false},
        {"cup 5, three-cup rack", 3, {5, 8, 9}, home, true},
        {"cup 8, three-cup rack", 4, {8, 9}, home, true},
        {"cup 9, three-cup rack", 5, {9}, home, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AimRow& row = kAimRows[c.row];
        const double power = c.sixOrFewer ? row.powerSixOrFewer : row.powerMoreThanSix;
        const FlightResult result =
            FlyComputerShot(NearRack(c.cups, c.rackZ), power, kOpponentBaseAngle, 0, row.handX);
        EXPECT_EQ(result.inCup, kTrue);
        EXPECT_EQ(result.nearestCup, row.cup);
        EXPECT_FALSE(result.recorder.Has(FlightEventKind::Rim));
        EXPECT_FALSE(result.recorder.Has(FlightEventKind::Wall));
    }
}

// --- One computer turn in the game ---

using OpponentShotTest = GameTest;

TEST_F(OpponentShotTest, TurnBarsTheButtonFliesAtTheNearRackAndHandsBack) {
    QueueAim();
    Set("BallInCup", kFalse);
    std::vector<std::string> duringFlight;
    platform.AtYield(50, [&] {
        duringFlight = {ShootCaption(), ButtonNamed("CommandShoot").Enabled() ? "on" : "off",
                        std::to_string(static_cast<int>(Get("ShotPhase")))};
    });
    ComputerTurn();

    EXPECT_EQ(duringFlight, (std::vector<std::string>{"Ball in motion", "off", "6"}));
    EXPECT_EQ(platform.RandomsDrawn(), 3u);
    // The error-free shot at cup 1 makes it; the player's own flag is untouched.
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
    EXPECT_EQ(NearStanding(), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("NearestCup"), 1);
    EXPECT_EQ(Get("BallInCup"), kFalse);
    // The made cup pauses for three seconds, then the ball is in the player's hand.
    EXPECT_GE(platform.YieldCount(), 3000);
    EXPECT_EQ(Get("BallZ"), -48);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
    EXPECT_TRUE(ButtonNamed("CommandShoot").Enabled());
    // The player's statistics are not the computer's.
    EXPECT_EQ(TextNamed("TextShotsTaken").Text(), "0");
    EXPECT_EQ(TextNamed("TextShotsMade").Text(), "0");
    EXPECT_EQ(Get("CupsLeft"), 10);
}

TEST_F(OpponentShotTest, RecordsTheShotAndTheRackBeforeIt) {
    SetNearRack({2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
    QueueAim(0.0f, 0.5f, 1.0f / 4);
    ComputerTurn();
    EXPECT_EQ(Get("LastOpponentPower"), 1280 - 10);
    EXPECT_EQ(Get("LastOpponentAngle"), 135);
    EXPECT_EQ(Get("LastOpponentAzimuth"), -2.5);
    EXPECT_EQ(Get("LastOpponentHandX"), -2);
    EXPECT_EQ(Get("LastOpponentHandY"), 30);
    EXPECT_EQ(Get("LastOpponentHandZ"), 48);
    EXPECT_EQ(Get("PreShotOpponentCupStanding(1)"), kFalse);
    EXPECT_EQ(Get("PreShotOpponentCupStanding(2)"), kTrue);
    EXPECT_EQ(Get("PreShotOpponentCupZ(10)"), -3 * kRowStep);
    EXPECT_EQ(Get("PreShotOpponentRackZ"), -36);
    EXPECT_EQ(Get("PreShotOpponentRackHomeZ"), -36);
}

TEST_F(OpponentShotTest, MakeLeavingSixReFormsTheRackOneRowAway) {
    SetNearRack({1, 2, 3, 4, 5, 6, 8}, 7);
    QueueAim();
    ComputerTurn();
    EXPECT_EQ(Get("OpponentCupsLeft"), 6);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5 6");
    EXPECT_NEAR(Get("OpponentRackZ"), -39.464, 1e-3);
}

TEST_F(OpponentShotTest, MakeLeavingThreeReFormsTheBackTwoRowsAtHome) {
    SetNearRack({1, 2, 4, 6}, 4, -36 - kRowStep);
    QueueAim();
    ComputerTurn();
    EXPECT_EQ(Get("OpponentCupsLeft"), 3);
    EXPECT_EQ(NearStanding(), "5 8 9");
    EXPECT_EQ(Get("OpponentRackZ"), -36);
}

TEST_F(OpponentShotTest, EmptyRackAsksWhetherToPlayAgainAndYesStartsANewGame) {
    SetNearRack({9}, 1);
    Set("ShotsTaken", 4);
    QueueAim();
    platform.QueueAnswer(BoxAnswer::Yes);
    ComputerTurn();
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text, "You just lost.  Do you want to play again?");
    EXPECT_EQ(platform.Boxes()[0].title, "");
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
}

TEST_F(OpponentShotTest, NoAfterTheLossLeavesTheEmptyRackAndTheZeroShotFollows) {
    SetNearRack({9}, 1);
    QueueAim();
    platform.QueueAnswer(BoxAnswer::No);
    ComputerTurn();
    EXPECT_EQ(Get("OpponentCupsLeft"), 0);
    EXPECT_EQ(NearStanding(), "");
    EXPECT_EQ(Get("ShotPhase"), 0);
    const double handX = Get("OpponentHandX");

    // No cup to aim at: nothing drawn, no speed, and the ball bounces in place
    // from the old launch point until End Turn stops it.
    const std::int64_t start = platform.YieldCount();
    double zDuringFlight = 0;
    platform.AtYield(2000, [&] {
        zDuringFlight = Get("BallZ");
        Click("CommandStopLoop");
    });
    ComputerTurn();
    EXPECT_EQ(platform.RandomsDrawn(), 3u);
    EXPECT_EQ(Get("LastOpponentPower"), 0);
    EXPECT_EQ(Get("LastOpponentAngle"), 0);
    EXPECT_EQ(Get("LastOpponentAzimuth"), 0);
    EXPECT_EQ(Get("OpponentHandX"), handX);
    EXPECT_EQ(zDuringFlight, 48);
    EXPECT_GE(platform.YieldCount() - start, 2000);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

TEST_F(OpponentShotTest, EndTurnDuringTheFlightCountsAsAMissWithTheBallInThePlayersHand) {
    QueueAim();
    platform.AtYield(100, [&] { Click("CommandStopLoop"); });
    ComputerTurn();
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("BallX"), 0);
    EXPECT_EQ(Get("BallY"), 30);
    EXPECT_EQ(Get("BallZ"), -48);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
    EXPECT_LT(platform.YieldCount(), 3000);  // no pause for a make
}

TEST_F(OpponentShotTest, NewGameJustAfterTheBallDropsInScoresNothingInTheNewGame) {
    QueueAim();
    // The ball lies at the bottom of cup 1 when the step that sank it yields.
    bool started = false;
    for (int i = 1; i < 1500; ++i) {
        platform.AtYield(i, [&] {
            if (!started && Get("BallY") == 0.75 && Get("BallZ") == -36) {
                started = true;
                ChooseMenu("MenuOptionNewGame");
            }
        });
    }
    ComputerTurn();
    ASSERT_TRUE(started);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
}

// --- The Trick Shooter's ten turns ---

TEST_F(OpponentShotTest, TrickShooterSinksTenCupsInOrderEachOffARimThenAsksAfterTheTenth) {
    ChooseMenu("MenuOptionTrickShooterOpponent");
    const int expectedCups[] = {7, 10, 5, 1, 1, 5, 6, 8, 9, 5};
    platform.QueueAnswer(BoxAnswer::No);
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        Set("ShotsTaken", n);
        ComputerTurn();
        EXPECT_EQ(Get("NearestCup"), expectedCups[n - 1]);
        EXPECT_EQ(Get("OpponentCupsLeft"), 10 - n);
        EXPECT_EQ(platform.Boxes().size(), n == 10 ? 1u : 0u);

        // The same shot against the recorded rack, outside the game: a rim first.
        NearRack before({}, Get("PreShotOpponentRackZ"));
        for (int i = 1; i <= kCupCount; ++i) {
            before.standing[i] =
                static_cast<Flag>(Get("PreShotOpponentCupStanding(" + std::to_string(i) + ")"));
        }
        const FlightResult replayed =
            FlyComputerShot(before, Get("LastOpponentPower"), Get("LastOpponentAngle"),
                            Get("LastOpponentAzimuth"), Get("LastOpponentHandX"));
        ASSERT_FALSE(replayed.recorder.events.empty());
        EXPECT_EQ(replayed.recorder.events.front().kind, FlightEventKind::Rim);
        EXPECT_EQ(replayed.nearestCup, expectedCups[n - 1]);
    }
    EXPECT_EQ(platform.Boxes()[0].text, "You just lost.  Do you want to play again?");
    EXPECT_EQ(platform.RandomsDrawn(), 0u);
    EXPECT_EQ(Get("ShotPhase"), 0);
}

}  // namespace
}  // namespace dorvanta
