#include "game_test.h"

namespace dorvanta {
namespace {

class LevelsMenuTest : public GameTest {
  protected:
    // The check marks of one menu group, as the names of the checked items.
    std::vector<std::string> CheckedIn(const std::string& menu) {
        std::vector<std::string> checked;
        for (const auto& item : main.FindMenuItem(menu)->Items()) {
            if (item->Checked()) {
                checked.push_back(item->Name());
            }
        }
        return checked;
    }
    // Whether the last drawing of the field shows any of the near rack's cups.
    bool NearRackDrawn() {
        for (const DrawCommand& command : main.Picture1().DisplayList()) {
            if (command.kind != DrawCommand::Kind::Clear &&
                command.color == main.ColorCupsOpponent) {
                return true;
            }
        }
        return false;
    }
    // A game under way: the player has shot and the computer has made a cup.
    void GameUnderWay() {
        Set("ShotsTaken", 1);
        SetRack("Opponent", {2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
    }
    struct Choice {
        const char *item, *group, *member;
        double value;
    };
    void ExpectChosen(const Choice& c) {
        EXPECT_EQ(Get(c.member), c.value);
        EXPECT_EQ(CheckedIn(c.group), std::vector<std::string>{c.item});
    }
};

TEST_F(LevelsMenuTest, AfterAShotCancelKeepsEverythingAndOkStartsANewGameWithTheNewChoice) {
    EXPECT_TRUE(NearRackDrawn());
    GameUnderWay();
    ChooseMenu("MenuOptionBeginner");  // the checked item asks nothing
    EXPECT_TRUE(platform.Boxes().empty());
    platform.QueueAnswer(BoxAnswer::Cancel);
    ChooseMenu("MenuOptionPro");
    EXPECT_EQ(platform.Boxes().back().title, "Dorvanta");
    ExpectChosen({"MenuOptionBeginner", "MenuSkillLevel", "SkillFactor", 1.0});
    EXPECT_EQ(Values("ShotsTaken OpponentCupsLeft StopFlight"), "1 9 0");

    const std::pair<Choice, const char*> choices[] = {
        {{"MenuOptionPro", "MenuSkillLevel", "SkillFactor", 0.1},
         "Do you want to change skill level and start a new game?"},
        {{"MenuOptionTrickShooterOpponent", "MenuOpponentSkillLevel", "OpponentErrorScale", 0},
         "Do you want to change opponent skill level and start a new game?"},
        {{"MenuOptionIndividual", "MenuGameType", "HeadToHead", kFalse},
         "Do you want to start a new game?"},
    };
    for (const auto& [choice, question] : choices) {
        SCOPED_TRACE(choice.item);
        GameUnderWay();
        platform.QueueAnswer(BoxAnswer::Ok);
        ChooseMenu(choice.item);
        EXPECT_EQ(LastBox(), question);
        ExpectChosen(choice);
        EXPECT_EQ(Values("ShotsTaken OpponentCupsLeft StopFlight"), "0 10 -1");
    }
    // Each new game kept the earlier choices, and Individual play has no near rack.
    EXPECT_EQ(Values("SkillFactor OpponentErrorScale"), "0.1 0");
    EXPECT_FALSE(NearRackDrawn());
}

}  // namespace
}  // namespace dorvanta
