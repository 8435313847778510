#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "game_test.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

const double kRowSpacing = std::sqrt(3.0) * 2;

class ShotTurn : public GameTest {
  protected:
    void Make() { PlayerShot(1250, 45, 0); }  // cup 1 of a new rack, in 474 steps
    void Miss() { PlayerShot(1100, 5, 0); }   // over the rack, in 494 steps
    static std::string Cup(int cup) { return "CupStanding(" + std::to_string(cup) + ")"; }
    // The far rack as one digit a cup, 1 for standing, and the count of cups left.
    void SetRack(const std::string& rack) {
        for (int cup = 1; cup <= kCupCount; ++cup) {
            Set(Cup(cup), rack[cup - 1] == '1' ? kTrue : kFalse);
        }
        Set("CupsLeft", static_cast<double>(std::count(rack.begin(), rack.end(), '1')));
    }
    std::string Rack() {
        std::string rack;
        for (int cup = 1; cup <= kCupCount; ++cup) {
            rack += Get(Cup(cup)) != 0 ? '1' : '0';
        }
        return rack + " " + std::to_string(static_cast<int>(Get("CupsLeft")));
    }
    // Shots taken, shots made and the percentage, as the boxes show them.
    std::string Counts() {
        return Text("TextShotsTaken") + " " + Text("TextShotsMade") + " " +
               Text("TextShootingPercentage");
    }
    // Makes the last cup of the rack with `shotsTaken` shots before it, answering No
    // to another game.
    void MakeTheLastCup(double shotsTaken, double skillFactor = 1.0) {
        SetRack("1000000000");
        Set("ShotsTaken", shotsTaken);
        Set("SkillFactor", skillFactor);
        platform.QueueAnswer(BoxAnswer::No);
        Make();
    }
};

TEST_F(ShotTurn, AMissIsCountedAtOnceAndAMadeCupAfterAWaitWithTheBallHandedBack) {
    Set("HeadToHead", kFalse);
    const std::int64_t yields = platform.YieldCount();
    Miss();
    EXPECT_EQ(platform.YieldCount() - yields, 494);
    EXPECT_GT(Get("BallZ"), 60);  // a missed ball stays where it ended
    const double start = platform.MonotonicSeconds();
    Make();
    EXPECT_GT(platform.MonotonicSeconds() - start, 3.4);  // 474 steps and three seconds
    EXPECT_EQ(Counts(), "2 1 50");
    EXPECT_EQ(Rack(), "0111111111 9");
    EXPECT_EQ(std::pair(Get("BallY"), Get("BallZ")), std::pair(30.0, -48.0));
}

TEST_F(ShotTurn, TheFourthAndSeventhMadeCupsReformTheRack) {
    SetRack("1111111000");
    Make();  // six left: the front three rows, one row back
    EXPECT_EQ(Rack(), "1111110000 6");
    EXPECT_EQ(Get("RackZ"), 36 + kRowSpacing);

    SetRack("1000100110");
    PlayerShot(1280, 45, 0);  // cup 1 of the moved rack; three left: the back triangle at home
    EXPECT_EQ(Rack(), "0000100110 3");
    EXPECT_EQ(Get("RackZ"), 36);
}

TEST_F(ShotTurn, TheTenthCupWinsAndFewerShotsSetTheHighScoreAndNoKeepsPlaying) {
    Set("HighScoreBeginner", 11);
    platform.QueueInput("Ann");
    MakeTheLastCup(9);
    ASSERT_EQ(platform.Boxes().size(), 2u);
    EXPECT_EQ(platform.Boxes()[0].text,
              "Congratulations.  You earned a new high score.  Please enter your name");
    EXPECT_EQ(platform.Boxes()[0].title, "High Score");
    EXPECT_EQ(platform.Boxes()[1].text, "You just won.  Do you want to play again?");
    EXPECT_EQ(platform.Boxes()[1].title, "Dorvanta");
    EXPECT_EQ(Get("HighScoreBeginner"), 10);
    EXPECT_EQ(probe.GetString("NameBeginner"), "Ann");
    const StoredSettings stored = DataFile(platform).ReadSettings();
    EXPECT_EQ(stored.HighScores[0].Score, 10);
    EXPECT_EQ(stored.HighScores[0].Name, "Ann");

    // No: the empty rack stays and the counts go on.
    EXPECT_EQ(Get("CupsLeft"), 0);
    Make();
    EXPECT_EQ(Text("TextShotsTaken"), "11");
    EXPECT_EQ(Text("TextShootingPercentage"), "90.9090909090909");
    EXPECT_EQ(platform.Boxes().size(), 2u);
}

TEST_F(ShotTurn, OnlyFewerShotsWithoutANumericShotSetAHighScoreInTheExactSkillsSlot) {
    // Skill factor, slot, its record, numeric shot used, shots before the last cup,
    // the name typed (null when no name box is to be shown), and the record after.
    const std::tuple<double, std::string, double, double, double, const char*, double> kWins[] = {
        {1.0, "Beginner", 10, kFalse, 9, nullptr, 10},  // as many shots
        {1.0, "Beginner", 50, kTrue, 9, nullptr, 50},   // after a numeric shot
        {1.0, "Beginner", 999, kFalse, 0, "", 1},       // a cancelled name is stored empty
        {0.2, "Expert", 5, 0, 0, "Eve", 1},
        {0.3, "Expert", 5, 0, 0, nullptr, 5},  // no level has this skill factor
    };
    for (const auto& [skill, slot, record, numericShotUsed, shotsBefore, name, score] : kWins) {
        SCOPED_TRACE(record);
        NewGame();
        Set("HighScore" + slot, record);
        Set("NumericShotUsed", numericShotUsed);
        if (name != nullptr) {
            platform.QueueInput(name);
        }
        const std::size_t boxes = platform.Boxes().size();
        MakeTheLastCup(shotsBefore, skill);
        EXPECT_EQ(platform.Boxes().size() - boxes, name != nullptr ? 2u : 1u);
        EXPECT_EQ(Get("HighScore" + slot), score);
        if (name != nullptr) {
            EXPECT_EQ(probe.GetString("Name" + slot), name);
        }
    }
    const StoredSettings stored = DataFile(platform).ReadSettings();
    EXPECT_EQ(stored.HighScores[0].Name + " " + std::to_string(stored.HighScores[0].Score), " 1");
    EXPECT_EQ(stored.HighScores[2].Name + " " + std::to_string(stored.HighScores[2].Score),
              "Eve 1");
}

// Regression: the member kept the name as typed, so until the next game the
// High Scores window showed a name other than the one the file holds.
TEST_F(ShotTurn, TheHighScoreNameShownIsTheNameTheFileHolds) {
    const std::pair<std::string, std::string> kNames[] = {
        {std::string(200, 'n'), std::string(126, 'n')}, {"日本語", "???"}, {"Zoë", "Zoë"}};
    for (const auto& [typed, stored] : kNames) {
        SCOPED_TRACE(stored);
        NewGame();
        Set("HighScoreBeginner", 999);
        platform.QueueInput(typed);
        MakeTheLastCup(0);
        EXPECT_EQ(DataFile(platform).ReadSettings().HighScores[0].Name, stored);
        EXPECT_EQ(probe.GetString("NameBeginner"), stored);
        main.FindMenuItem("MenuOptionViewHighScores")->Click();
        Form& window = *Window("FormHighScores");
        EXPECT_EQ(dynamic_cast<Label&>(*window.FindControl("LabelNameBeginner")).Caption(), stored);
        dynamic_cast<Button&>(*window.FindControl("CommandOK")).Click();
    }
}

TEST_F(ShotTurn, NewGameDuringTheFlightLeavesTheNewGamesPercentageAlone) {
    platform.AtYield(100, [this] {
        NewGame();
        Control<TextBox>("TextShootingPercentage").SetText("untouched");
    });
    Miss();
    EXPECT_EQ(Text("TextShootingPercentage"), "untouched");
    EXPECT_EQ(Get("ShotsTaken"), 0);
}

// Regression: the ball drops into the cup in the step whose yield runs New Game;
// the shot belongs to a game that no longer exists and scores nothing in the new.
TEST_F(ShotTurn, ACupMadeAsTheGameIsResetIsNotScoredInTheNewGame) {
    platform.AtYield(474, [this] { NewGame(); });
    Make();
    EXPECT_EQ(Rack(), "1111111111 10");
    EXPECT_EQ(Counts(), "0 0 0");
}

// Regression: the shot count is 16 bits and must not wrap.
TEST_F(ShotTurn, TheShotCountStopsAtItsLargestValue) {
    Set("ShotsTaken", 32767);
    Miss();
    EXPECT_EQ(Get("ShotsTaken"), 32767);
    EXPECT_EQ(Text("TextShotsTaken"), "32767");
}

// Regression: before the first shot of a game there is no percentage yet; it reads 0.
TEST_F(ShotTurn, AReplayBeforeAnyShotOfTheGameShowsNoPercentage) {
    Set("LastPower", 1100);
    Set("LastAngle", 5);
    Set("LastHandY", 30);
    Set("LastHandZ", -48);
    Set("Replaying", kTrue);
    PlayerShot(0, 0, 0);
    EXPECT_EQ(Text("TextShootingPercentage"), "0");
}

}  // namespace
}  // namespace dorvanta
