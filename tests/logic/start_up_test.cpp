#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "game_test.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

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

// A reset keeps the colours and rereads the data file.
// The load found no data file: it made an empty one and read zeros from it.
TEST_F(StartUpTest, AResetLeavesWhatTheLoadLeftAndRereadsTheDataFile) {
    EXPECT_EQ(std::filesystem::file_size(DataFile::kFileName), 0u);
    EXPECT_EQ(main.HighScores, HighScoreTable{});
    const auto loaded = Snapshot();
    const std::pair<const char*, double> played[] = {
        {"ShotsTaken", 7}, {"CupStanding(3)", 0}, {"CupsLeft", 9},
        {"Power", 1311.5}, {"HandX", 12},         {"ShotPhase", kPhaseOpponentToShoot}};
    for (const auto& [name, value] : played) {
        Set(name, value);
    }
    Control<TextBox>("TextHandX").SetText("12");
    NewGame();
    EXPECT_EQ(Snapshot(), loaded);

    Set("ColorCups", 65280);
    DataFile(platform).StoreBetterHighScore(3, "Ida", 14);
    main.HighScores[2].Name = "never stored";
    NewGame();
    EXPECT_EQ(Get("ColorCups"), 65280);
    EXPECT_EQ(main.HighScores[2], (HighScore{"Ida", 14}));
}

}  // namespace
}  // namespace dorvanta
