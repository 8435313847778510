#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

class StartUpTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main_ = std::make_unique<FormMain>(platform_);
    }

    void TearDown() override {
        main_.reset();
        InTempDir::TearDown();
    }

    FormMain& Main() { return *main_; }
    GameStateProbe Probe() { return GameStateProbe(*main_); }
    double Get(const std::string& name) { return Probe().Get(name); }
    bool Checked(const std::string& item) { return main_->FindMenuItem(item)->Checked(); }
    std::string Text(const std::string& box) {
        return static_cast<TextBox*>(main_->FindControl(box))->Text();
    }

    // Every numeric member, the four names and the texts of the boxes a reset sets.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> state;
        GameStateProbe probe = Probe();
        for (const std::string& name : probe.Names()) {
            const double value = probe.Get(name);
            state[name] = std::isnan(value) ? "nan" : std::to_string(value);
        }
        for (const char* name : {"NameBeginner", "NameIntermediate", "NameExpert", "NamePro"}) {
            state[name] = probe.GetString(name);
        }
        for (const char* box : {"TextHandX", "TextPower", "TextAngle", "TextAzimuth",
                                "TextShotsTaken", "TextShotsMade", "TextShootingPercentage"}) {
            state[box] = Text(box);
        }
        state["HScrollHand"] =
            std::to_string(static_cast<ScrollBar*>(main_->FindControl("HScrollHand"))->Value());
        return state;
    }

    ScriptedPlatform platform_;
    std::unique_ptr<FormMain> main_;
};

// Values a reset or the start-up gives, by member name.
const std::map<std::string, double> kStartValues = {
    {"SkillFactor", 1.0},
    {"OpponentErrorScale", 1.0},
    {"HeadToHead", kTrue},
    {"ColorCups", 255},
    {"ColorCupsOpponent", 16711680},
    {"ColorTable", 12632256},
    {"ColorBall", 33023},
    {"ColorHand", 0},
    {"GameRestarted", kTrue},
    {"ShotPhase", 0},
    {"HandX", 0},
    {"HandY", 30},
    {"HandZ", -48},
    {"HandSize", 2.5},
    {"BallX", 0},
    {"BallY", 30},
    {"BallZ", -48},
    {"BallRadius", 0.75},
    {"OpponentHandX", 0},
    {"OpponentHandY", 30},
    {"OpponentHandZ", 48},
    {"OpponentPowerSpread", 20},
    {"OpponentAngleSpread", 10},
    {"OpponentAzimuthSpread", 10},
    {"PowerMeterDelay", 0.2},
    {"AngleMeterDelay", 0.7},
    {"AzimuthMeterDelay", 0.4},
    {"FlightDelay", 0.001},
    {"SlowFactor", 1.0},
    {"Power", 1100},
    {"Angle", 5},
    {"Azimuth", 0},
    {"RackZ", 36},
    {"RackHomeZ", 36},
    {"CupRadius", 2.0},
    {"CupHeight", 4.0},
    {"CupBaseRadius", 1.25},
    {"RackBaseY", 0},
    {"CupsLeft", 10},
    {"OpponentRackZ", -36},
    {"OpponentRackHomeZ", -36},
    {"OpponentRackY", 0},
    {"OpponentCupsLeft", 10},
    {"TableBounce", 0.95},
    {"RimBounce", 0.5},
    {"WallBounce", 0.6},
    {"Paused", kFalse},
    {"Replaying", kFalse},
    {"NumericShotUsed", kFalse},
    {"ShotsTaken", 0},
    {"ViewCenterX", 8175 / 2.0},
    {"ViewCenterY", -2000},
    {"FocalLength", 17280},
    {"CameraX", 0},
    {"CameraY", 72},
    {"CameraZ", -200},
    {"CameraHomeX", 0},
    {"CameraHomeY", 72},
    {"CameraHomeZ", -200},
    {"CameraTilt", 0},
    {"CameraRotate", 0},
};

TEST_F(StartUpTest, EveryMemberStartsAtItsStartValue) {
    Main().Load();
    for (const auto& [name, value] : kStartValues) {
        EXPECT_DOUBLE_EQ(Get(name), value) << name;
    }
    const double corners[][3] = {{-24, 0, 48}, {24, 0, 48}, {-24, 0, -48}, {24, 0, -48}};
    for (int i = 1; i <= 4; ++i) {
        const std::string n = "(" + std::to_string(i) + ")";
        EXPECT_EQ(Get("TableCornerX" + n), corners[i - 1][0]) << i;
        EXPECT_EQ(Get("TableCornerY" + n), corners[i - 1][1]) << i;
        EXPECT_EQ(Get("TableCornerZ" + n), corners[i - 1][2]) << i;
    }
}

TEST_F(StartUpTest, BothRacksAreFullTrianglesOfTouchingCupsApexToTheMiddle) {
    Main().Load();
    const double r = 2.0;
    const double s = std::sqrt(3.0);
    const double across[] = {0, -r, r, -2 * r, 0, 2 * r, 3 * r, -r, r, -3 * r};
    const int row[] = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
    for (int i = 1; i <= kCupCount; ++i) {
        const std::string n = "(" + std::to_string(i) + ")";
        EXPECT_EQ(Get("CupStanding" + n), kTrue) << i;
        EXPECT_EQ(Get("CupX" + n), across[i - 1]) << i;
        EXPECT_DOUBLE_EQ(Get("CupZ" + n), row[i - 1] * s * r) << i;
        EXPECT_EQ(Get("OpponentCupStanding" + n), kTrue) << i;
        EXPECT_EQ(Get("OpponentCupX" + n), across[i - 1]) << i;
        EXPECT_DOUBLE_EQ(Get("OpponentCupZ" + n), -row[i - 1] * s * r) << i;
    }
}

TEST_F(StartUpTest, WithoutADataFileTheSettingsAreZeroAndEmpty) {
    Main().Load();
    EXPECT_EQ(Main().CalibrationFactor, 0.0);
    for (const char* name : {"NameBeginner", "NameIntermediate", "NameExpert", "NamePro"}) {
        EXPECT_EQ(Probe().GetString(name), "") << name;
    }
    for (const char* score :
         {"HighScoreBeginner", "HighScoreIntermediate", "HighScoreExpert", "HighScorePro"}) {
        EXPECT_EQ(Get(score), 0) << score;
    }
    EXPECT_TRUE(std::filesystem::exists(DataFile::kFileName));
}

TEST_F(StartUpTest, TheSettingsComeFromTheDataFile) {
    DataFile file(platform_);
    file.StoreCalibration(15432.25);
    file.ResetHighScores();
    file.StoreHighScore(3, "Ida", 14);
    Main().Load();
    EXPECT_EQ(Main().CalibrationFactor, 15432.25);
    EXPECT_EQ(Main().NameBeginner, "Anonymous");
    EXPECT_EQ(Main().HighScoreIntermediate, 999);
    EXPECT_EQ(Main().NameExpert, "Ida");
    EXPECT_EQ(Main().HighScoreExpert, 14);
    EXPECT_EQ(Main().NamePro, "Anonymous");
}

TEST_F(StartUpTest, MenusAndBoxesShowTheStartingChoicesAndValues) {
    Main().Load();
    EXPECT_TRUE(Checked("MenuOptionBeginner"));
    EXPECT_TRUE(Checked("MenuOptionBeginnerOpponent"));
    EXPECT_TRUE(Checked("MenuOptionHeadToHead"));
    for (const char* item :
         {"MenuOptionIntermediate", "MenuOptionExpert", "MenuOptionPro",
          "MenuOptionIntermediateOpponent", "MenuOptionExpertOpponent", "MenuOptionProOpponent",
          "MenuOptionTrickShooterOpponent", "MenuOptionIndividual", "MenuOptionNumericShooting"}) {
        EXPECT_FALSE(Checked(item)) << item;
    }
    EXPECT_EQ(Text("TextPower"), "1100");
    EXPECT_EQ(Text("TextAngle"), "5");
    EXPECT_EQ(Text("TextAzimuth"), "0");
    EXPECT_EQ(Text("TextHandX"), "0");
    EXPECT_EQ(Text("TextShotsTaken"), "0");
    EXPECT_EQ(Text("TextShotsMade"), "0");
    EXPECT_EQ(Text("TextShootingPercentage"), "0");
    EXPECT_EQ(platform_.Boxes().size(), 0u);
}

// --- The new-game reset ---

TEST_F(StartUpTest, TwoResetsLeaveTheSameStateAsOne) {
    Main().Load();
    GameStateProbe probe = Probe();
    probe.Set("ShotsTaken", 7);
    probe.Set("CupStanding(3)", kFalse);
    probe.Set("CupsLeft", 9);
    probe.Set("Power", 1311.5);
    probe.Set("HandX", 12);
    probe.Set("ShotPhase", 5);
    static_cast<TextBox*>(Main().FindControl("TextHandX"))->SetText("12");
    probe.ResetGame();
    const auto once = Snapshot();
    probe.ResetGame();
    EXPECT_EQ(Snapshot(), once);
    EXPECT_EQ(once.at("CupsLeft"), std::to_string(10.0));
    EXPECT_EQ(once.at("TextHandX"), "0");
}

TEST_F(StartUpTest, AResetKeepsLevelsGameTypeCameraAndColoursAndRereadsTheSettings) {
    Main().Load();
    GameStateProbe probe = Probe();
    const std::map<std::string, double> kept = {
        {"SkillFactor", 0.2},   {"OpponentErrorScale", 0}, {"HeadToHead", kFalse},
        {"ColorCups", 65280},   {"ColorTable", 0},         {"ColorHand", kButtonFaceColor},
        {"CameraX", 17},        {"CameraY", 40},           {"CameraZ", -150},
        {"CameraRotate", -8.5}, {"FocalLength", 9000},     {"ViewCenterY", -1000}};
    for (const auto& [name, value] : kept) {
        probe.Set(name, value);
    }
    DataFile(platform_).StoreCalibration(20000);
    Main().CalibrationFactor = 20000;
    Main().NameExpert = "never stored";

    probe.ResetGame();

    for (const auto& [name, value] : kept) {
        EXPECT_EQ(probe.Get(name), value) << name;
    }
    EXPECT_EQ(Main().CalibrationFactor, 20000);
    EXPECT_EQ(Main().NameExpert, "");
}

TEST_F(StartUpTest, NewGameResetsTheGameAndStopsARunningFlight) {
    Main().Load();
    GameStateProbe probe = Probe();
    probe.Set("ShotsTaken", 3);
    probe.Set("OpponentCupsLeft", 4);
    probe.Set("GameRestarted", kFalse);
    Main().FindMenuItem("MenuOptionNewGame")->Click();
    EXPECT_EQ(probe.Get("StopFlight"), kTrue);
    EXPECT_EQ(probe.Get("GameRestarted"), kTrue);
    EXPECT_EQ(probe.Get("ShotsTaken"), 0);
    EXPECT_EQ(probe.Get("OpponentCupsLeft"), 10);
}

TEST_F(StartUpTest, ADataFileThatCannotBeOpenedEndsTheProgramAtStartUp) {
    std::filesystem::create_directory(DataFile::kFileName);
    platform_.QueueAnswer(BoxAnswer::Ok);
    EXPECT_THROW(Main().Load(), QuitRequested);
    EXPECT_TRUE(platform_.Ended());
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_NE(platform_.Boxes()[0].text.find("Dorvanta.dat"), std::string::npos);
}

}  // namespace
}  // namespace dorvanta
