#include <string>
#include <tuple>

#include "game_test.h"

namespace dorvanta {
namespace {

using ReplayTest = GameTest;

TEST_F(ReplayTest, ReplayOfTheComputersMakeReRacksTheReplayedTableAndPutsTheCurrentOneBack) {
    Set("ShotsTaken", 1);
    SetRack("Opponent", {1, 2, 3, 4, 5, 6, 9}, 7);
    QueueAim();
    platform.AtYield(100, [&] { Click("CommandReplay"); });  // ignored while the ball flies
    const std::int64_t start = platform.YieldCount();
    ComputerTurn();
    const std::int64_t turnYields =
        platform.YieldCount() - start;  // the last is the made cup's wait
    ASSERT_EQ(Standing("OpponentCupStanding"), "1 2 3 4 5 6");
    // The table and the launch point change after the shot; the replay must
    // fly from the recorded point and not lose the current table.
    Set("OpponentCupStanding(6)", kFalse);
    Set("OpponentHandX", 5);
    const std::string rackZ = Values("OpponentRackZ");
    std::string inPause;
    platform.AtYield(turnYields, [&] {
        inPause = Standing("OpponentCupStanding") + " at " + Values("OpponentRackZ");
    });
    Click("CommandReplay");
    // The replayed make re-racked the replayed table to six cups without counting.
    EXPECT_EQ(inPause, "1 2 3 4 5 6 at -39.4641");
    EXPECT_EQ(Standing("OpponentCupStanding"), "1 2 3 4 5");
    EXPECT_EQ(Values("OpponentRackZ"), rackZ);
    EXPECT_EQ(Values("OpponentCupsLeft Replaying OpponentHandX"), "6 0 0");
}

// End Turn stops a replay of either side's make: the rack is as before the
// replay at once, and the make it flew counts for nothing, also when End Turn
// comes in the very step in which the replayed ball drops into its cup (every
// step one yield: no delay) or in the made cup's pause (the one yield after).
TEST_F(ReplayTest, EndTurnPutsTheRackBackAtOnceAndAStoppedReplayCountsNoSecondCup) {
    const auto cutShort = [&](int yields, const std::string& rack) {
        SCOPED_TRACE(rack + " " + std::to_string(yields));
        std::string rightAfter;
        platform.AtYield(yields, [&] {
            Click("CommandStopLoop");
            rightAfter = Standing(rack) + " " + Values("Replaying");
        });
        Click("CommandReplay");
        EXPECT_EQ(rightAfter, "2 3 4 5 6 7 8 9 10 0");
        EXPECT_EQ(Standing(rack), "2 3 4 5 6 7 8 9 10");
    };
    constexpr int kMakeStep = 474;
    PlayerMakesCupOne();
    cutShort(kMakeStep, "CupStanding");  // the computer to shoot: the player's shot again
    EXPECT_EQ(Values("CupsLeft Replaying"), "9 0");
    QueueAim();
    ComputerTurn();                              // its error-free shot into cup 1
    cutShort(kMakeStep, "OpponentCupStanding");  // the player to shoot: the computer's again
    cutShort(kMakeStep + 1, "OpponentCupStanding");
    EXPECT_EQ(Values("CupsLeft OpponentCupsLeft"), "9 9");
}

TEST_F(ReplayTest, OnePressReplaysOneShotEvenIfAResetUnderItLeavesTheGameReady) {
    PlayerMakesCupOne();
    platform.QueueAnswer(BoxAnswer::Ok);
    platform.AtYield(100, [&] { ChooseMenu("MenuOptionIndividual"); });
    const std::int64_t start = platform.YieldCount();
    Click("CommandReplay");
    EXPECT_EQ(Values("ShotsTaken Replaying Power"), "0 0 1100");
    EXPECT_LT(platform.YieldCount() - start, 200);
}

class NumericShotTest : public GameTest {
  protected:
    void AllowNumericShooting() {
        platform.QueueAnswer(BoxAnswer::Ok);
        ChooseMenu("MenuOptionNumericShooting");
    }
    // Types the shot in the boxes and presses the numeric-shot button.
    void ShootNumerically(const std::string& power = "1250", const std::string& handX = "0") {
        Control<TextBox>("TextPower").SetText(power);
        Control<TextBox>("TextAngle").SetText("45");
        Control<TextBox>("TextAzimuth").SetText("0");
        Control<TextBox>("TextHandX").SetText(handX);
        Click("CommandCheatShoot");
    }
    bool Offered() { return Control<Button>("CommandCheatShoot").Visible(); }
};

TEST_F(NumericShotTest, TheMenuWarnsFirstAndATextThatIsNotANumberRefusesTheShot) {
    platform.QueueAnswer(BoxAnswer::Cancel);
    ChooseMenu("MenuOptionNumericShooting");
    EXPECT_EQ(LastBox(),
              "Are you sure?  If you shoot numerically, you will no longer be able to set a "
              "high score.");
    EXPECT_FALSE(Offered());
    AllowNumericShooting();
    EXPECT_TRUE(Offered());
    ChooseMenu("MenuOptionNumericShooting");  // off again, without a question
    EXPECT_FALSE(Offered());
    AllowNumericShooting();

    // A text that is not a number refuses the shot with the message; the box
    // gets a number again. A shot thrown all the same may bounce in place for
    // ever, so End Turn ends it.
    const std::string nines(400, '9');
    const std::tuple<std::string, std::string, std::string> kRefused[] = {
        // Regression: "1e309" and 400 nines read as 0, and the ball bounced in place.
        {"TextPower", "1e309", "The power is not a number."},
        {"TextAngle", nines, "The vertical angle is not a number."},
        {"TextAzimuth", "-" + nines, "The horizontal angle is not a number."},
    };
    for (const auto& [box, text, message] : kRefused) {
        SCOPED_TRACE(box + " " + text);
        Control<TextBox>(box).SetText(text);
        platform.QueueAnswer(BoxAnswer::Ok);
        platform.AtYield(10000, [this] { Click("CommandStopLoop"); });
        Click("CommandCheatShoot");
        EXPECT_EQ(LastBox(), message);
        Control<TextBox>(box).SetText("10");
    }
    EXPECT_EQ(platform.Boxes().size(), 6u);
    EXPECT_EQ(Values("ShotPhase NumericShotUsed Power ShotsTaken"), "0 0 1100 0");
    // The hand box cannot hold such a number: it stops at the table's edge.
    Control<TextBox>("TextHandX").SetText(nines);
    EXPECT_EQ(Control<TextBox>("TextHandX").Text() + " " + Values("HandX"), "24 24");
}

TEST_F(NumericShotTest, WhileTheComputerWaitsItMakesItShootElseItThrowsFromTheBoxes) {
    AllowNumericShooting();
    PlayerShot(1100, 5, 0);
    QueueAim();
    ShootNumerically();
    // The computer's turn, so the high score stays possible.
    EXPECT_EQ(Values("OpponentCupsLeft ShotsTaken NumericShotUsed ShotPhase"), "9 1 0 0");

    ShootNumerically("1250", "0.25");  // 2.5 scroll units round to the even 2
    EXPECT_EQ(Values("HandX Power NumericShotUsed ShotsTaken CupsLeft"), "0.2 1250 -1 2 9");
}

// Regression: New Game under a flight put the phase back to 0, and a numeric
// shot in the same moment flew a second ball inside the first; the old ball
// then scored in the new game (1 shot, 8 cups left, 200 %).
TEST_F(NumericShotTest, NoShotStartsInsideARunningOneAfterAResetUnderIt) {
    AllowNumericShooting();
    Set("CalibrationFactor", 100000);
    int shotsRunning = 0;
    platform.AtYield(20, [&] {
        ChooseMenu("MenuOptionNewGame");
        Click("CommandCheatShoot");
        shotsRunning = static_cast<int>(Get("ShotsRunning"));
    });
    ShootNumerically();
    EXPECT_EQ(shotsRunning, 1);
    EXPECT_EQ(Values("ShotsTaken CupsLeft ShotsRunning"), "0 10 0");
    EXPECT_EQ(Control<TextBox>("TextShootingPercentage").Text(), "0");
}

}  // namespace
}  // namespace dorvanta
