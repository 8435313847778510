#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent_fixture.h"

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
        const Color color = main.ColorCupsOpponent;
        for (const DrawCommand& command : main.Picture1().DisplayList()) {
            if (command.kind != DrawCommand::Kind::Clear && command.color == color) {
                return true;
            }
        }
        return false;
    }
    // A game under way: the player has shot and the computer has made a cup.
    void GameUnderWay() {
        Set("ShotsTaken", 1);
        SetNearRack({2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
    }
};

TEST_F(LevelsMenuTest, BeforeTheFirstShotAChoiceTakesEffectAtOnceWithoutANewGame) {
    SetNearRack({2, 3, 4, 5, 6, 7, 8, 9, 10}, 9);
    ChooseMenu("MenuOptionExpert");
    ChooseMenu("MenuOptionIntermediateOpponent");
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_EQ(Get("SkillFactor"), 0.2);
    EXPECT_EQ(Get("OpponentErrorScale"), 0.5);
    EXPECT_EQ(CheckedIn("MenuSkillLevel"), std::vector<std::string>{"MenuOptionExpert"});
    EXPECT_EQ(CheckedIn("MenuOpponentSkillLevel"),
              std::vector<std::string>{"MenuOptionIntermediateOpponent"});
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
}

TEST_F(LevelsMenuTest, EachItemSetsItsValue) {
    const std::vector<std::pair<std::string, double>> skill = {{"MenuOptionIntermediate", 0.5},
                                                               {"MenuOptionExpert", 0.2},
                                                               {"MenuOptionPro", 0.1},
                                                               {"MenuOptionBeginner", 1.0}};
    for (const auto& [item, value] : skill) {
        ChooseMenu(item);
        EXPECT_EQ(Get("SkillFactor"), value) << item;
        EXPECT_EQ(CheckedIn("MenuSkillLevel"), std::vector<std::string>{item});
    }
    const std::vector<std::pair<std::string, double>> opponent = {
        {"MenuOptionIntermediateOpponent", 0.5}, {"MenuOptionExpertOpponent", 0.2},
        {"MenuOptionProOpponent", 0.16},         {"MenuOptionTrickShooterOpponent", 0},
        {"MenuOptionBeginnerOpponent", 1.0},
    };
    for (const auto& [item, value] : opponent) {
        ChooseMenu(item);
        EXPECT_EQ(Get("OpponentErrorScale"), value) << item;
        EXPECT_EQ(CheckedIn("MenuOpponentSkillLevel"), std::vector<std::string>{item});
    }
    ChooseMenu("MenuOptionIndividual");
    EXPECT_EQ(Get("HeadToHead"), kFalse);
    ChooseMenu("MenuOptionHeadToHead");
    EXPECT_EQ(Get("HeadToHead"), kTrue);
    EXPECT_EQ(CheckedIn("MenuGameType"), std::vector<std::string>{"MenuOptionHeadToHead"});
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(LevelsMenuTest, TheCheckedItemAsksNothingEvenAfterAShot) {
    GameUnderWay();
    ChooseMenu("MenuOptionBeginner");
    ChooseMenu("MenuOptionBeginnerOpponent");
    ChooseMenu("MenuOptionHeadToHead");
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_EQ(Get("ShotsTaken"), 1);
}

TEST_F(LevelsMenuTest, CancelKeepsTheLevelTheMarksAndTheGame) {
    GameUnderWay();
    platform.QueueAnswer(BoxAnswer::Cancel);
    ChooseMenu("MenuOptionPro");
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text, "Do you want to change skill level and start a new game?");
    EXPECT_EQ(platform.Boxes()[0].title, "Dorvanta");
    EXPECT_EQ(Get("SkillFactor"), 1.0);
    EXPECT_EQ(CheckedIn("MenuSkillLevel"), std::vector<std::string>{"MenuOptionBeginner"});
    EXPECT_EQ(Get("ShotsTaken"), 1);
    EXPECT_EQ(Get("OpponentCupsLeft"), 9);
    EXPECT_EQ(Get("StopFlight"), kFalse);
}

TEST_F(LevelsMenuTest, OkStartsANewGameAtTheNewLevel) {
    GameUnderWay();
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionPro");
    EXPECT_EQ(Get("SkillFactor"), 0.1);
    EXPECT_EQ(CheckedIn("MenuSkillLevel"), std::vector<std::string>{"MenuOptionPro"});
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(Get("CupsLeft"), 10);
    EXPECT_EQ(Get("StopFlight"), kTrue);
    // The other menus keep their choices.
    EXPECT_EQ(Get("OpponentErrorScale"), 1.0);
    EXPECT_EQ(Get("HeadToHead"), kTrue);
}

TEST_F(LevelsMenuTest, OpponentQuestionAndItsNewGame) {
    GameUnderWay();
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionTrickShooterOpponent");
    EXPECT_EQ(platform.Boxes()[0].text,
              "Do you want to change opponent skill level and start a new game?");
    EXPECT_EQ(Get("OpponentErrorScale"), 0);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    ChooseMenu("MenuOptionBeginnerOpponent");  // no shot in the new game yet
    EXPECT_EQ(CheckedIn("MenuOpponentSkillLevel"),
              std::vector<std::string>{"MenuOptionBeginnerOpponent"});
}

TEST_F(LevelsMenuTest, IndividualAfterAShotStartsAGameWithoutTheNearRack) {
    EXPECT_TRUE(NearRackDrawn());
    GameUnderWay();
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionIndividual");
    EXPECT_EQ(platform.Boxes()[0].text, "Do you want to start a new game?");
    EXPECT_EQ(Get("HeadToHead"), kFalse);
    EXPECT_EQ(Get("ShotsTaken"), 0);
    EXPECT_FALSE(NearRackDrawn());
    // The player's shot now hands the turn straight back.
    PlayerShot(1100, 5, 0);
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
}

TEST_F(LevelsMenuTest, GameTypeWithoutAQuestionStillRedraws) {
    ChooseMenu("MenuOptionIndividual");
    EXPECT_FALSE(NearRackDrawn());
    ChooseMenu("MenuOptionHeadToHead");
    EXPECT_TRUE(NearRackDrawn());
}

TEST_F(LevelsMenuTest, ANewGameChosenDuringTheComputersFlightEndsThatFlight) {
    GameUnderWay();
    QueueAim();
    platform.QueueAnswer(BoxAnswer::Ok);
    platform.AtYield(100, [&] { ChooseMenu("MenuOptionExpertOpponent"); });
    ComputerTurn();
    EXPECT_EQ(Get("OpponentErrorScale"), 0.2);
    EXPECT_EQ(Get("OpponentCupsLeft"), 10);
    EXPECT_EQ(NearStanding(), "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(Get("ShotPhase"), 0);
    EXPECT_EQ(ShootCaption(), "Shoot");
    EXPECT_LT(platform.YieldCount(), 200);
}

}  // namespace
}  // namespace dorvanta
