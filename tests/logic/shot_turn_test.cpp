#include <cmath>

#include "records/data_file.h"
#include "shot_fixture.h"

namespace dorvanta {
namespace {

// Shots that fly the same way every time against a new rack.
constexpr double kMakesCupOne[] = {1250, 45, 0};
constexpr double kMisses[] = {1100, 5, 0};  // over the rack, 494 steps
constexpr std::int64_t kMissSteps = 494;
const double kRowSpacing = std::sqrt(3.0) * 2;

class ShotTurn : public ShotTest {
  protected:
    void Make() { Throw(kMakesCupOne[0], kMakesCupOne[1], kMakesCupOne[2]); }
    void Miss() { Throw(kMisses[0], kMisses[1], kMisses[2]); }
    std::string TextOf(const std::string& name) { return Text(name).Text(); }
    bool Stands(int cup) { return Get("CupStanding(" + std::to_string(cup) + ")") != 0; }
    // The last cup of the rack, at the shot count that wins with the next shot.
    void ReadyToWin(double shotsTaken, double skillFactor = 1.0) {
        StandOnly({1});
        Set("ShotsTaken", shotsTaken);
        Set("SkillFactor", skillFactor);
    }
    bool AnyInputBox() const {
        for (const ShownBox& box : platform_.Boxes()) {
            if (box.isInput) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(ShotTurn, AMadeShotIsCountedTheCupRemovedAndTheBallHandedBack) {
    Set("HeadToHead", 0);
    const double start = platform_.MonotonicSeconds();
    Make();
    EXPECT_EQ(Get("CupsLeft"), 9);
    EXPECT_FALSE(Stands(1));
    EXPECT_EQ(TextOf("TextShotsTaken"), "1");
    EXPECT_EQ(TextOf("TextShotsMade"), "1");
    EXPECT_EQ(TextOf("TextShootingPercentage"), "100");
    EXPECT_EQ(Get("BallZ"), -48);
    EXPECT_EQ(Get("BallY"), 30);
    // Three seconds of waiting after the make.
    EXPECT_GT(platform_.MonotonicSeconds() - start, 3);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(Shoot().Caption(), "Shoot");
    EXPECT_TRUE(Shoot().Enabled());

    Miss();
    EXPECT_EQ(TextOf("TextShotsTaken"), "2");
    EXPECT_EQ(TextOf("TextShootingPercentage"), "50");
    EXPECT_GT(Get("BallZ"), 60);  // a missed ball stays where it ended
}

TEST_F(ShotTurn, AMissWaitsForNothing) {
    const std::int64_t yields = platform_.YieldCount();
    Miss();
    EXPECT_EQ(platform_.YieldCount() - yields, kMissSteps);
    EXPECT_EQ(Get("CupsLeft"), 10);
}

TEST_F(ShotTurn, SixLeftReformsTheFrontThreeRowsOneRowBack) {
    StandOnly({1, 2, 3, 4, 5, 6, 7});
    Make();
    EXPECT_EQ(Get("CupsLeft"), 6);
    for (int cup = 1; cup <= kCupCount; ++cup) {
        EXPECT_EQ(Stands(cup), cup <= 6) << cup;
    }
    EXPECT_EQ(Get("RackZ"), 36 + kRowSpacing);
}

TEST_F(ShotTurn, ThreeLeftReformsTheBackTriangleAtHome) {
    StandOnly({1, 5, 8, 9});
    Set("RackZ", 36 + kRowSpacing);
    Throw(1280, 45, 0);  // cup 1 of the moved rack
    EXPECT_EQ(Get("CupsLeft"), 3);
    for (int cup = 1; cup <= kCupCount; ++cup) {
        EXPECT_EQ(Stands(cup), cup == 5 || cup == 8 || cup == 9) << cup;
    }
    EXPECT_EQ(Get("RackZ"), 36);
}

TEST_F(ShotTurn, HeadToHeadHandsTheBallAndTheButtonToTheComputer) {
    Set("HeadToHead", -1);
    Make();
    EXPECT_EQ(Get("BallZ"), 48);
    EXPECT_EQ(Shoot().Caption(), "Opponent's Shot");
    EXPECT_EQ(Get("ShotPhase"), 5);
    EXPECT_TRUE(Shoot().Enabled());
}

TEST_F(ShotTurn, TheTenthCupWinsAndFewerShotsSetTheHighScore) {
    ReadyToWin(9);
    Set("HighScoreBeginner", 11);
    platform_.QueueInput("Ann");
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    ASSERT_EQ(platform_.Boxes().size(), 2u);
    EXPECT_EQ(platform_.Boxes()[0].text,
              "Congratulations.  You earned a new high score.  Please enter your name");
    EXPECT_EQ(platform_.Boxes()[0].title, "High Score");
    EXPECT_EQ(platform_.Boxes()[1].text, "You just won.  Do you want to play again?");
    EXPECT_EQ(platform_.Boxes()[1].title, "Dorvanta");
    EXPECT_EQ(Get("HighScoreBeginner"), 10);
    EXPECT_EQ(probe_->GetString("NameBeginner"), "Ann");
    const Settings stored = DataFile(platform_).ReadSettings();
    EXPECT_EQ(stored.scores[0], 10);
    EXPECT_EQ(stored.names[0], "Ann");

    // No: the empty rack stays and the counts go on.
    EXPECT_EQ(Get("CupsLeft"), 0);
    Make();
    EXPECT_EQ(TextOf("TextShotsTaken"), "11");
    EXPECT_EQ(TextOf("TextShootingPercentage"), "90.9090909090909");
    EXPECT_EQ(platform_.Boxes().size(), 2u);
}

TEST_F(ShotTurn, NoHighScoreForAsManyShotsOrAfterANumericShot) {
    ReadyToWin(9);
    Set("HighScoreBeginner", 10);
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    EXPECT_EQ(Get("HighScoreBeginner"), 10);

    NewGame();
    ReadyToWin(9);
    Set("HighScoreBeginner", 50);
    Set("NumericShotUsed", -1);
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    EXPECT_EQ(Get("HighScoreBeginner"), 50);
    EXPECT_FALSE(AnyInputBox());
}

TEST_F(ShotTurn, TheSkillFactorPicksTheSlotOnlyByItsExactValue) {
    ReadyToWin(0, 0.2);
    Set("HighScoreExpert", 5);
    platform_.QueueInput("Eve");
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    EXPECT_EQ(Get("HighScoreExpert"), 1);
    EXPECT_EQ(DataFile(platform_).ReadSettings().names[2], "Eve");

    NewGame();
    ReadyToWin(0, 0.3);
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    EXPECT_EQ(platform_.Boxes().size(), 3u);  // no second name box
}

TEST_F(ShotTurn, ACancelledNameStoresAnEmptyName) {
    ReadyToWin(0);
    Set("HighScoreBeginner", 999);
    platform_.QueueInput("");
    platform_.QueueAnswer(BoxAnswer::No);
    Make();
    EXPECT_TRUE(AnyInputBox());
    EXPECT_EQ(probe_->GetString("NameBeginner"), "");
    EXPECT_EQ(DataFile(platform_).ReadSettings().names[0], "");
    EXPECT_EQ(DataFile(platform_).ReadSettings().scores[0], 1);
}

TEST_F(ShotTurn, YesAfterTheWinStartsANewGame) {
    ReadyToWin(0);
    Set("HighScoreBeginner", 0);
    platform_.QueueAnswer(BoxAnswer::Yes);
    Make();
    EXPECT_EQ(Get("CupsLeft"), 10);
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(TextOf("TextShotsMade"), "0");
    EXPECT_EQ(TextOf("TextShootingPercentage"), "0");
    EXPECT_TRUE(Stands(1));
}

TEST_F(ShotTurn, NewGameDuringTheFlightLeavesTheNewGamesPercentageAlone) {
    platform_.AtYield(100, [this] {
        NewGame();
        Text("TextShootingPercentage").SetText("untouched");
    });
    Miss();
    EXPECT_EQ(TextOf("TextShootingPercentage"), "untouched");
    EXPECT_EQ(Get("ShotsTaken"), 0);
}

// The ball drops into the cup in the step whose yield runs New Game: the
// shot belongs to a game that no longer exists and scores nothing in the new.
TEST_F(ShotTurn, ACupMadeAsTheGameIsResetIsNotScoredInTheNewGame) {
    platform_.AtYield(474, [this] { NewGame(); });
    Make();
    EXPECT_EQ(Get("CupsLeft"), 10);
    EXPECT_TRUE(Stands(1));
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(TextOf("TextShotsMade"), "0");
    EXPECT_EQ(TextOf("TextShootingPercentage"), "0");
}

TEST_F(ShotTurn, TheShotCountStopsAtItsLargestValue) {
    Set("ShotsTaken", 32767);
    Miss();
    EXPECT_EQ(Get("ShotsTaken"), 32767);
    EXPECT_EQ(TextOf("TextShotsTaken"), "32767");
}

TEST_F(ShotTurn, AReplayShowsTheLastShotAgainWithoutCountingIt) {
    Make();
    Set("Power", 1100);
    Set("Angle", 5);
    const double start = platform_.MonotonicSeconds();
    Set("Replaying", -1);
    Throw(1100, 5, 0);  // the replay flies the stored shot, not these values
    EXPECT_GT(platform_.MonotonicSeconds() - start, 3);  // it was made again
    EXPECT_EQ(Get("CupsLeft"), 9);
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_FALSE(Stands(1));  // the rack as it was before the replay
    EXPECT_EQ(Get("Replaying"), 0);
    EXPECT_EQ(Get("Power"), 1250);
}

TEST_F(ShotTurn, AReplayBeforeAnyShotOfTheGameShowsNoPercentage) {
    Set("LastPower", kMisses[0]);
    Set("LastAngle", kMisses[1]);
    Set("LastHandY", 30);
    Set("LastHandZ", -48);
    Set("Replaying", -1);
    Throw(0, 0, 0);
    EXPECT_EQ(TextOf("TextShootingPercentage"), "0");
}

}  // namespace
}  // namespace dorvanta
