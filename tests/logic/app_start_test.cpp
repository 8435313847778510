// The start of the program, alike on every desktop, played on the scripted
// one: the player's data folder and the data file prepared before the main
// window reads it. The same starts as processes, and --calibrate, are in
// tests/qt/qt_command_line_test.cpp.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/data_folder.h"
#include "app/game_start.h"
#include "platform/form.h"
#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records/file_lock.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWholeFile = 10 * DataFile::kRecordLength;

// The windows shown, and the yields made while the measuring notice is on
// screen.
class NoticeWatch : public ScriptedPlatform {
  public:
    void FormShown(Form& form) override {
        shown.push_back(form.Name());
        if (const auto* text = dynamic_cast<const Label*>(form.FindControl("LabelMeasuring"))) {
            noticeText = form.Caption() + ": " + text->Caption();
        }
    }

    std::vector<std::string> shown;
    std::string noticeText;
    std::int64_t yieldsUnderNotice = 0;

  protected:
    void Yielding() override {
        const Form* notice = LoadedForm("FormMeasuring");
        yieldsUnderNotice += notice != nullptr && notice->Visible();
    }
};

class AppStart : public InTempDir {
  protected:
    StoredSettings Stored() { return DataFile(platform_).ReadSettings(); }

    NoticeWatch platform_;
};

// Regression: the bare game in an empty folder left a file of 0 bytes, whose
// records of 0 no win could beat, and played with a calibration of 0. A start
// prepares a new player's file, measuring behind the notice, and only once.
TEST_F(AppStart, AStartPreparesANewPlayersFileBehindTheNoticeOnce) {
    PrepareDataFile(platform_);
    EXPECT_GT(platform_.YieldCount(), 2000);  // 3 s at a thousandth of a second a yield
    EXPECT_EQ(platform_.yieldsUnderNotice, platform_.YieldCount());
    EXPECT_EQ(platform_.shown, std::vector<std::string>{"FormMeasuring"});
    EXPECT_EQ(platform_.noticeText,
              "3D Dorvanta: Measuring the speed of this machine for the game (3 seconds)...");
    EXPECT_EQ(platform_.LoadedForm("FormMeasuring"), nullptr);
    EXPECT_NEAR(Stored().CalibrationFactor, 30,
                1e-6);  // 0.03 s over passes of a thousandth of a second
    EXPECT_EQ(Stored().HighScores, kNewPlayersTable);
    EXPECT_EQ(fs::file_size(DataFile::kFileName), kWholeFile);

    const std::int64_t yields = platform_.YieldCount();
    PrepareDataFile(platform_);
    EXPECT_EQ(platform_.YieldCount(), yields);
    EXPECT_EQ(platform_.shown.size(), 1u);
}

// Regression: a second start while the first measured rewrote the same file
// aside, so the first's high scores were lost. It waits, behind the notice, for
// the first's file and measures nothing.
TEST_F(AppStart, AStartWhileAnotherPreparesTheFileWaitsBehindTheNoticeForItsFile) {
    DataFile(platform_, "first.dat").StoreCalibrationInWholeFile(1234);
    FileLock firstStart;
    ASSERT_EQ(firstStart.Take(DataFile::kFileName, FileLock::Mode::Exclusive, 0), "");
    std::jthread measuring([&firstStart] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        fs::rename("first.dat", DataFile::kFileName);
        firstStart = FileLock();
    });
    PrepareDataFile(platform_);
    measuring.join();
    EXPECT_EQ(platform_.shown, std::vector<std::string>{"FormMeasuring"});
    EXPECT_EQ(platform_.YieldCount(), 0);
    EXPECT_EQ(Stored().CalibrationFactor, 1234);
}

// --- The player's data folder ---

TEST_F(AppStart, ThePlayersDataFolderIsTheSystemsOwn) {
#ifdef _WIN32
    const fs::path folder = UserDataFolder();
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_EQ(folder.filename(), "Dorvanta");
#else
    const std::string home = std::getenv("HOME");
    const std::pair<const char*, std::string> cases[] = {
        // XDG_DATA_HOME, the folder
        {"/data/home", "/data/home/dorvanta"},
        {"relative", home + "/.local/share/dorvanta"},  // not absolute: ignored
        {nullptr, home + "/.local/share/dorvanta"},
    };
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string saved = before != nullptr ? before : "";
    for (const auto& [dataHome, folder] : cases) {
        dataHome != nullptr ? setenv("XDG_DATA_HOME", dataHome, 1) : unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(UserDataFolder(), folder);
    }
    before != nullptr ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
#endif
}

TEST_F(AppStart, ADataFolderThatCannotBeMadeIsReportedAndEndsTheProgram) {
    WriteBytes("plain", {});
    platform_.QueueAnswer(BoxAnswer::Ok);
    EXPECT_THROW(EnterDataFolder(platform_, fs::path("plain") / "dorvanta"), QuitRequested);
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].text.substr(0, 16), PathText(fs::path("plain") / "dorvanta: "));
}

// Regression: in the player's own folder a dangling link named Dorvanta.dat
// was replaced by a plain file; as in the working folder, the file is
// prepared where the link leads, and the link kept.
TEST_F(AppStart, ADanglingLinkInThePlayersFolderLeadsToThePreparedFile) {
#ifdef _WIN32
    GTEST_SKIP() << "links need a privilege on Windows";
#else
    fs::create_directories("share/dorvanta");
    fs::create_directory("elsewhere");
    fs::create_symlink("../../elsewhere/scores.dat", "share/dorvanta/Dorvanta.dat");
    EnterDataFolder(platform_, "share/dorvanta");
    PrepareDataFile(platform_);
    EXPECT_TRUE(fs::is_symlink(DataFile::kFileName));
    EXPECT_EQ(fs::file_size("../../elsewhere/scores.dat"), kWholeFile);
#endif
}

}  // namespace
}  // namespace dorvanta
