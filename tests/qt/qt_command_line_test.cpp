// How the program starts. From a terminal with an option: --calibrate
// measures the machine without any window or display and stores only the
// calibration; --version and --help print; anything else is refused. From the
// launcher (--user-data): in the player's own data folder, prepared on the
// first start.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "app/first_start.h"
#include "core/number_text.h"
#include "platform/scripted/scripted_platform.h"
#include "qt_test_support.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

constexpr std::size_t kRecord = DataFile::kRecordLength;

struct GameRun {
    int exitCode = -1;
    std::string out, err;
};

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the game in `folder`, by default with no display to open a window on.
// Its output goes to the test's own fresh folder.
GameRun RunGame(const std::filesystem::path& folder, const std::string& options,
                const std::string& environment = "QT_QPA_PLATFORM=xcb") {
    const auto out = std::filesystem::current_path() / "game.out";
    const auto err = std::filesystem::current_path() / "game.err";
    const std::string command =
        "cd '" + folder.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " '" +
        DORVANTA_GAME "' " + options + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(out), Contents(err)};
}

class CommandLine : public InTempDir {
  protected:
    static std::filesystem::path Here() { return std::filesystem::current_path(); }
    static std::filesystem::path DataFolder() { return Here() / "share" / "dorvanta"; }
    static std::string File() { return Contents(DataFile::kFileName); }
    double Stored() { return DataFile(platform_).ReadSettings().CalibrationFactor; }

    ScriptedPlatform platform_;
};

TEST_F(CommandLine, CalibrateChangesOnlyTheCalibrationRecordAndPrintsTheFactor) {
    const std::string before(10 * kRecord, '\xAB');
    std::ofstream(DataFile::kFileName, std::ios::binary) << before;
    const GameRun run = RunGame(Here(), "--calibrate");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Every byte but the calibration record's is as it was, and the length too.
    EXPECT_EQ(File().replace(kRecord, kRecord, kRecord, '\xAB'), before);
    EXPECT_EQ(NumberText(Stored()) + "\n", run.out);
    EXPECT_GT(Stored(), 100);  // thousands of yields in 3 s on any machine
}

// Nobody can create a file in /proc, not even root: the folder is named.
TEST_F(CommandLine, CalibrateInAFolderItCannotWriteIsAClearErrorWithStatusOne) {
    const GameRun run = RunGame("/proc", "--calibrate");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("dorvanta: /proc: "), std::string::npos) << run.err;
}

TEST_F(CommandLine, PrintsTheVersionAndHelpAndRefusesAnythingElse) {
    const GameRun version = RunGame(Here(), "--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "3D Dorvanta 1.1 beta\n");
    const GameRun help = RunGame(Here(), "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.substr(0, 16), "usage: dorvanta ");
    for (const char* options : {"--calibrat", "--calibrate --help", "-platform xcb"}) {
        const GameRun refused = RunGame(Here(), options);
        EXPECT_EQ(refused.exitCode, 2) << options;
        EXPECT_EQ(refused.err.substr(0, 16), "usage: dorvanta ") << options;
    }
}

// --- The first start from the launcher ---

// As scripts/play.sh prepares it: a measured calibration, alone in the folder.
TEST_F(CommandLine, FirstStartPreparesANewPlayersDataFileOnceAndLeavesItAfterwards) {
    const std::filesystem::path folder = DataFolder();
    EnterDataFolder(platform_, folder);
    EXPECT_DOUBLE_EQ(Stored(), (platform_.YieldCount() + 1) / 100.0);
    std::vector<std::filesystem::path> files;  // but the locks
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".lock") {
            files.push_back(entry.path());
        }
    }
    EXPECT_EQ(files, std::vector<std::filesystem::path>{folder / DataFile::kFileName});

    DataFile(platform_).StoreBetterHighScore(1, "Ann", 12);
    const std::string played = File();
    const std::int64_t yields = platform_.YieldCount();
    EnterDataFolder(platform_, folder);
    EXPECT_EQ(File(), played);
    EXPECT_EQ(platform_.YieldCount(), yields);  // nothing measured again
}

TEST_F(CommandLine, AFirstStartFolderThatCannotBeMadeIsReportedAndEndsTheProgram) {
    platform_.QueueAnswer(BoxAnswer::Ok);
    EXPECT_THROW(EnterDataFolder(platform_, "/proc/dorvanta"), QuitRequested);
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].text.substr(0, 16), "/proc/dorvanta: ");
}

// The launcher's entry starts the game with --user-data. The file it prepares
// is whole: all ten records.
TEST_F(CommandLine, TheLaunchersGameKeepsItsDataInThePlayersOwnFolder) {
    constexpr int kSecondsToStart = 8;  // the first start measures for 3 s
    const GameRun run =
        RunGame(Here(), "--user-data",
                "QT_QPA_PLATFORM=offscreen XDG_DATA_HOME='" + (Here() / "share").string() +
                    "' timeout " + std::to_string(kSecondsToStart));
    EXPECT_EQ(run.exitCode, 124) << run.err;  // still playing when stopped
    std::filesystem::current_path(DataFolder());
    EXPECT_EQ(File().size(), 10 * kRecord);
    EXPECT_FALSE(std::filesystem::exists(Here().parent_path().parent_path() / DataFile::kFileName));
}

}  // namespace
}  // namespace dorvanta
