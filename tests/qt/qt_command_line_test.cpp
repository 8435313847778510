// How the program starts, as processes. From a terminal with an option:
// --calibrate measures the machine with or without a display and stores the
// calibration; --version and --help print; anything else is refused. A game
// needs a display, and says so in one line. From the launcher (--user-data)
// and bare: with a prepared data file, once, however many start at once. And
// games saving on one file at once, one of them killed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "core/number_text.h"
#include "platform/scripted/scripted_platform.h"
#include "qt_test_support.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecord = DataFile::kRecordLength;
constexpr std::size_t kWholeFile = 10 * kRecord;
// The game with no display to open a window on, unless a test gives one.
constexpr const char* kNoDisplay = "";
// A display that no machine running the tests has; a game that found one
// anyway is stopped.
constexpr const char* kMissingDisplay = "DISPLAY=:1999 timeout 20";

struct GameRun {
    int exitCode = -1;  // -1 when a signal ended it
    std::string out, err;
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A program running in `folder` with `environment`, by default the game with no
// display. Its output goes to the test's own fresh folder.
class Running {
  public:
    Running(const fs::path& folder, const std::string& options,
            const std::string& environment = kNoDisplay, const std::string& program = DORVANTA_GAME)
        : out_(Unique("out")), err_(Unique("err")) {
        const std::string command =
            "cd '" + folder.string() +
            "' && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment + " '" +
            program + "' " + options + " >'" + out_.string() + "' 2>'" + err_.string() + "'";
        pid_ = fork();
        if (pid_ == 0) {
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() {
        if (pid_ > 0) {
            Finish();
        }
    }

    void Kill() const { kill(pid_, SIGKILL); }

    GameRun Finish() {
        int status = 0;
        waitpid(std::exchange(pid_, 0), &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(out_), Contents(err_)};
    }

  private:
    // In a folder of their own, beside the folders the tests play in.
    static fs::path Unique(const char* stream) {
        static int runs = 0;
        fs::create_directories("output");
        return fs::current_path() / "output" / ("run" + std::to_string(++runs) + "." + stream);
    }

    fs::path out_, err_;
    pid_t pid_ = 0;
};

GameRun RunGame(const fs::path& folder, const std::string& options,
                const std::string& environment = kNoDisplay) {
    return Running(folder, options, environment).Finish();
}

class CommandLine : public InTempDir {
  protected:
    static fs::path Here() { return fs::current_path(); }
    // A fresh folder under this test's.
    static fs::path Folder(const std::string& name) {
        fs::create_directories(Here() / name);
        return Here() / name;
    }
    StoredSettings Stored(const fs::path& folder = Here()) {
        return DataFile(platform_, folder / DataFile::kFileName).ReadSettings();
    }
    // A new player's file with a measured calibration: no holder at any level.
    void ExpectNewPlayersFile(const fs::path& folder) {
        EXPECT_EQ(fs::file_size(folder / DataFile::kFileName), kWholeFile);
        EXPECT_GT(Stored(folder).CalibrationFactor, 100);  // thousands of yields in 3 s
        EXPECT_EQ(Stored(folder).HighScores, kNewPlayersTable);
        EXPECT_EQ(Others(folder), "");
    }

    ScriptedPlatform platform_;
};

// Regression: in an empty folder --calibrate wrote the calibration alone, 256
// bytes, whose high scores no win could beat. And with DISPLAY naming a
// display that does not exist it aborted; it measures without it.
TEST_F(CommandLine, CalibrateStoresOnlyTheFactorOrAWholeNewFileWithOrWithoutADisplay) {
    const std::string before(kWholeFile, '\xAB');
    std::ofstream(Folder("played") / DataFile::kFileName, std::ios::binary) << before;
    Running played(Here() / "played", "--calibrate", "");
    Running empty(Folder("empty"), "--calibrate", kMissingDisplay);
    const GameRun run = played.Finish();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Every byte but the calibration record's is as it was, and the length too.
    std::string after = Contents(Here() / "played" / DataFile::kFileName);
    EXPECT_EQ(after.replace(kRecord, kRecord, kRecord, '\xAB'), before);
    EXPECT_EQ(NumberText(Stored(Here() / "played").CalibrationFactor) + "\n", run.out);

    const GameRun fresh = empty.Finish();
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err;
    EXPECT_NE(fresh.err.find("dorvanta: cannot open display :1999; measuring without it\n"),
              std::string::npos)
        << fresh.err;
    ExpectNewPlayersFile(Here() / "empty");
}

// Nobody can create a file in /proc, not even root: the folder is named.
TEST_F(CommandLine, CalibrateInAFolderItCannotWriteIsAClearErrorWithStatusOne) {
    const GameRun run = RunGame("/proc", "--calibrate", "");
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

// Regression: with no display, or one that does not exist, the game ended
// with Qt's lines about platform plugins and an abort.
TEST_F(CommandLine, AGameWithoutADisplaySaysSoInOneLineAndEndsWithStatusOne) {
    const std::string howToPlay =
        "; play in a desktop session, or on a virtual display: xvfb-run dorvanta\n";
    const std::pair<const char*, std::string> cases[] = {
        {kNoDisplay, "dorvanta: no display to open the game's window on" + howToPlay},
        {kMissingDisplay, "dorvanta: cannot open the game's window on display :1999" + howToPlay},
    };
    for (const auto& [environment, line] : cases) {
        const GameRun run = RunGame(Here(), "", environment);
        EXPECT_EQ(run.exitCode, 1) << environment;
        EXPECT_EQ(run.err, line);
    }
}

// Regression: the bare game in an empty folder left a file of 0 bytes, and two
// starts from the launcher while the first measured rewrote the same file
// aside, leaving the calibration alone in 11 rounds of 12. Each prepares the
// file once, whole; the second waits for the first's.
TEST_F(CommandLine, GamesStartedFromTheLauncherAtOnceOrBareShareOneNewPlayersFile) {
    constexpr int kSecondsToStart = 8;  // the first start measures for 3 s
    const std::string offscreen = "QT_QPA_PLATFORM=offscreen XDG_DATA_HOME='" +
                                  (Here() / "share").string() + "' timeout " +
                                  std::to_string(kSecondsToStart);
    Running first(Here(), "--user-data", offscreen);
    Running second(Here(), "--user-data", offscreen);
    Running bare(Folder("bare"), "", offscreen);
    for (Running* game : {&first, &second, &bare}) {
        const GameRun run = game->Finish();
        EXPECT_EQ(run.exitCode, 124) << run.err;  // still playing when stopped
    }
    ExpectNewPlayersFile(Here() / "share" / "dorvanta");
    ExpectNewPlayersFile(Here() / "bare");
    EXPECT_FALSE(fs::exists(Here() / DataFile::kFileName));
}

// Regression: saves at the same moment collided on one fixed file name: four
// --calibrate at once failed one to three of them, readers saw the data file
// at 0 bytes, and a save killed at the wrong moment left it so. Here three
// --calibrate run while waves of three high-score saves of the lab run beside
// them, one save of every wave killed at a random moment. No save that ran to
// its end failed, the file was never seen cut short, and it ends whole.
// DORVANTA_SAVE_ROUNDS rounds (the sanitizer run plays more).
TEST_F(CommandLine, SavesAtOnceTakeTurnsAndOneKilledLeavesAWholeFile) {
    const char* rounds = std::getenv("DORVANTA_SAVE_ROUNDS");
    const int roundCount = rounds != nullptr ? std::atoi(rounds) : 1;
    const std::vector<std::string> names = {"Ann", "Bob", "Cy", "Dee"};
    std::mt19937 random(20261207);
    const auto draw = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const fs::path folder = Folder("saves");
    const fs::path file = folder / DataFile::kFileName;
    int waves = 0, killed = 0, lifeMicros = 50'000;
    for (int round = 0; round < roundCount; ++round) {
        fs::remove(file);
        std::vector<std::unique_ptr<Running>> calibrations;
        for (int i = 0; i < 3; ++i) {
            calibrations.push_back(std::make_unique<Running>(folder, "--calibrate", ""));
        }
        bool saved = false;
        for (const auto start = std::chrono::steady_clock::now();
             std::chrono::steady_clock::now() - start < std::chrono::seconds(3); ++waves) {
            std::vector<std::unique_ptr<Running>> saves;
            const auto spawned = std::chrono::steady_clock::now();
            for (int i = 0; i < 3; ++i) {
                const std::string options = "store " + std::to_string(draw(1, 4)) + " " +
                                            std::to_string(draw(1, 998)) + " " + names[draw(0, 3)];
                saves.push_back(std::make_unique<Running>(folder, options, "", DORVANTA_LAB));
            }
            // Any moment of a save's life, which the last wave measured.
            std::this_thread::sleep_for(std::chrono::microseconds(draw(0, lifeMicros)));
            const int victim = draw(0, 2);
            saves[victim]->Kill();
            for (int i = 0; i < 3; ++i) {
                const GameRun run = saves[i]->Finish();
                killed += run.exitCode == -1;
                EXPECT_TRUE(run.exitCode == 0 || (i == victim && run.exitCode == -1)) << run.err;
                saved = saved || run.exitCode == 0;
            }
            lifeMicros = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
                                              std::chrono::steady_clock::now() - spawned)
                                              .count());
            if (saved) {
                const std::uintmax_t size = fs::file_size(file);
                EXPECT_TRUE(size >= 4 * kRecord && size % kRecord == 0) << size;
            }
        }
        for (const auto& calibration : calibrations) {
            const GameRun run = calibration->Finish();
            EXPECT_EQ(run.exitCode, 0) << run.err;
        }
        // A last save, never killed, clears away what killed ones left.
        EXPECT_EQ(Running(folder, "store 1 -32768 Last", "", DORVANTA_LAB).Finish().out,
                  "-32768 Last\n");
        EXPECT_EQ(fs::file_size(file), kWholeFile);
        EXPECT_GT(Stored(folder).CalibrationFactor, 100);
        for (const HighScore& record : Stored(folder).HighScores) {
            // A save that came before every calibration leaves the slots before
            // its own as a file that never held a record reads (HighScore{}), and
            // they are kept.
            EXPECT_TRUE(record == kNoHolder || record == HighScore{} ||
                        (record == HighScore{"Last", -32768}) ||
                        std::ranges::count(names, record.Name))
                << record.Name << " " << record.Score;
        }
        EXPECT_EQ(Others(folder), "");
    }
    std::printf("%d rounds, %d waves of saves, %d killed\n", roundCount, waves, killed);
}

}  // namespace
}  // namespace dorvanta
