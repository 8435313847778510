#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game_test.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

// The "member value" pairs of a text such as "Power 1100 HandX 0".
std::map<std::string, double> Pairs(const std::string& text) {
    std::istringstream in(text);
    std::map<std::string, double> values;
    std::string name;
    while (in >> name) {
        EXPECT_TRUE(in >> values[name]) << "no number after " << name;
    }
    return values;
}

// The check marks, captions, box texts and the start values checked there are
// played by tests/scenarios/start_up.txt.
class StartUpTest : public GameTest {
  protected:
    // Every numeric member but StopFlight (which New Game sets, for a flight that
    // might be running), the four names and the texts of the boxes a reset sets.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> state;
        for (const std::string& name : probe.Names()) {
            state[name] = std::isnan(Get(name)) ? "nan" : std::to_string(Get(name));
        }
        state.erase("StopFlight");
        for (const char* name : {"NameBeginner", "NameIntermediate", "NameExpert", "NamePro"}) {
            state[name] = probe.GetString(name);
        }
        for (const char* box : {"TextHandX", "TextPower", "TextAngle", "TextAzimuth",
                                "TextShotsTaken", "TextShotsMade", "TextShootingPercentage"}) {
            state[box] = Text(box);
        }
        return state;
    }
};

// Values the start-up gives, as "member value" pairs: -1 is true, 0 false.
constexpr const char* kStartValues =
    "ColorCups 255 ColorCupsOpponent 16711680 ColorTable 12632256 ColorBall 33023 ColorHand 0 "
    "GameRestarted -1 HandX 0 HandY 30 HandSize 2.5 BallX 0 BallY 30 BallZ -48 BallRadius 0.75 "
    "OpponentHandX 0 OpponentHandY 30 OpponentPowerSpread 20 OpponentAngleSpread 10 "
    "OpponentAzimuthSpread 10 PowerMeterDelay 0.2 AngleMeterDelay 0.7 AzimuthMeterDelay 0.4 "
    "FlightDelay 0.001 SlowFactor 1.0 Power 1100 Angle 5 Azimuth 0 RackHomeZ 36 CupRadius 2.0 "
    "CupHeight 4.0 CupBaseRadius 1.25 RackBaseY 0 OpponentRackHomeZ -36 OpponentRackY 0 "
    "TableBounce 0.95 RimBounce 0.5 WallBounce 0.6 Paused 0 Replaying 0 NumericShotUsed 0 "
    "ShotsTaken 0 ViewCenterX 4087.5 ViewCenterY -2000 FocalLength 17280 CameraX 0 CameraY 72 "
    "CameraZ -200 CameraHomeX 0 CameraHomeY 72 CameraHomeZ -200 CameraTilt 0 CameraRotate 0 "
    "TableCornerX(1) -24 TableCornerY(1) 0 TableCornerZ(1) 48 TableCornerX(2) 24 TableCornerY(2) "
    "0 TableCornerZ(2) 48 TableCornerX(3) -24 TableCornerY(3) 0 TableCornerZ(3) -48 "
    "TableCornerX(4) 24 TableCornerY(4) 0 TableCornerZ(4) -48 CalibrationFactor 0 "
    "HighScoreBeginner 0 HighScoreIntermediate 0 HighScoreExpert 0 HighScorePro 0";

TEST_F(StartUpTest, WithoutADataFileEveryMemberStartsAtItsStartValue) {
    for (const auto& [name, value] : Pairs(kStartValues)) {
        EXPECT_DOUBLE_EQ(Get(name), value) << name;
    }
    for (const char* name : {"NameBeginner", "NameIntermediate", "NameExpert", "NamePro"}) {
        EXPECT_EQ(probe.GetString(name), "") << name;
    }
    EXPECT_TRUE(std::filesystem::exists(DataFile::kFileName));
}

// Every title and item of the main window's menus can be chosen from the
// keyboard: its mnemonic is a letter of its caption, told apart case-blind from
// its neighbours'; the captions themselves stay as they read.
TEST_F(StartUpTest, EveryMenuTitleAndItemHasAMnemonicOfItsOwnInItsCaption) {
    const auto checkLevel = [](const std::vector<std::unique_ptr<MenuItem>>& items) {
        std::set<char> taken;
        for (const auto& item : items) {
            const char letter = item->Mnemonic();
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(letter))) << item->Name();
            EXPECT_NE(item->Caption().find(letter), std::string::npos) << item->Name();
            EXPECT_TRUE(taken.insert(static_cast<char>(std::tolower(letter))).second)
                << item->Name();
        }
    };
    checkLevel(main.MenuBar());
    std::string captions;
    for (const auto& menu : main.MenuBar()) {
        checkLevel(menu->Items());
        captions += menu->Caption() + ":";
    }
    EXPECT_EQ(captions, "File:Options:Skill Level:Opponent Skill Level:GameType:Help:");
    EXPECT_EQ(main.FindMenuItem("MenuOptionHelp")->Shortcut(), "F1");
    EXPECT_EQ(main.FindMenuItem("MenuOptionExit")->Caption(), "Exit");
}

// --- The new-game reset ---

// A reset keeps the colours and rereads the data file.
TEST_F(StartUpTest, TwoResetsLeaveWhatTheLoadLeftAndRereadTheDataFile) {
    const auto loaded = Snapshot();
    for (const auto& [name, value] :
         Pairs("ShotsTaken 7 CupStanding(3) 0 CupsLeft 9 Power 1311.5 HandX 12 ShotPhase 5")) {
        probe.Set(name, value);
    }
    Control<TextBox>("TextHandX").SetText("12");
    NewGame();
    EXPECT_EQ(Snapshot(), loaded);
    NewGame();
    EXPECT_EQ(Snapshot(), loaded);

    probe.Set("ColorCups", 65280);
    DataFile(platform).StoreHighScore(3, "Ida", 14);
    main.HighScores[2].Name = "never stored";
    NewGame();
    EXPECT_EQ(Get("ColorCups"), 65280);
    EXPECT_EQ(main.HighScores[2], (HighScore{"Ida", 14}));
}

}  // namespace
}  // namespace dorvanta
