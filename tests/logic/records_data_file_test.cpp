#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records/file_lock.h"
#include "records_temp_dir.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace dorvanta {
namespace {

constexpr const char* kFile = DataFile::kFileName;
constexpr std::size_t kRecord = DataFile::kRecordLength;

class DataFileTest : public InTempDir {
  protected:
    static std::size_t RecordStart(int n) { return (static_cast<std::size_t>(n) - 1) * kRecord; }
    static std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }
    DataFile File() { return DataFile(platform_); }
    StoredSettings Read() { return File().ReadSettings(); }

    // Puts `bytes` at the start of record n of the file.
    static void PatchRecord(int n, const Bytes& bytes) {
        Bytes file = ReadBytes(kFile);
        std::copy(bytes.begin(), bytes.end(), file.begin() + RecordStart(n));
        WriteBytes(kFile, file);
    }

    // The first `count` bytes of record n of the file.
    static Bytes Slice(int n, std::size_t count) {
        const Bytes file = ReadBytes(kFile);
        return Bytes(file.begin() + RecordStart(n), file.begin() + RecordStart(n) + count);
    }

    // Makes the file, ten records long, hold `record` at `level`.
    static void Hold(int level, const HighScore& record) {
        Bytes name = {static_cast<unsigned char>(record.Name.size()), 0};
        for (const char letter : record.Name) {
            name.push_back(static_cast<unsigned char>(letter));
        }
        PatchRecord(2 * level + 1, name);
        const auto score = static_cast<std::uint16_t>(record.Score);
        PatchRecord(2 * level + 2, {static_cast<unsigned char>(score & 0xFF),
                                    static_cast<unsigned char>(score >> 8)});
    }

    std::string ReadBackName(const std::string& name) {
        File().ResetHighScores();
        File().StoreBetterHighScore(1, name, 1);
        return Read().HighScores[0].Name;
    }

    ScriptedPlatform platform_;
};

// --- Writes and reads ---

// That a write leaves the other records alone is checked on the command
// line's calibration (qt_command_line_test).

TEST_F(DataFileTest, AllNineValuesComeBackExactlyTheDoubleBitForBit) {
    File().StoreBetterHighScore(1, "Ann", 12);
    File().StoreBetterHighScore(2, "", 32767);
    File().StoreBetterHighScore(3, "Zoë Müller", -32768);
    File().StoreBetterHighScore(4, "Bo", 999);
    for (const double factor : {0.1 + 0.2, -0.0, std::nan("7")}) {
        File().StoreCalibration(factor);
        const StoredSettings settings = Read();
        EXPECT_EQ(Bits(settings.CalibrationFactor), Bits(factor));
        EXPECT_EQ(
            settings.HighScores,
            (HighScoreTable{{{"Ann", 12}, {"", 32767}, {"Zoë Müller", -32768}, {"Bo", 999}}}));
    }
}

// --- Damaged contents ---

TEST_F(DataFileTest, ValuesCutByTheEndOfTheFileReadAsZeroOrEmpty) {
    File().StoreCalibration(1234.5);
    File().ResetHighScores();
    const Bytes whole = ReadBytes(kFile);
    const auto cutAt = [&](std::size_t end) {
        WriteBytes(kFile, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(end)));
        return Read();
    };
    StoredSettings settings = cutAt(RecordStart(10) + 1);  // one of the Professional score's bytes
    EXPECT_EQ(settings.CalibrationFactor, 1234.5);
    EXPECT_EQ(settings.HighScores,
              (HighScoreTable{{kNoHolder, kNoHolder, kNoHolder, {kNoHolder.Name, 0}}}));
    settings = cutAt(RecordStart(5) + 8);  // the Intermediate name's length, not all its letters
    EXPECT_EQ(settings.HighScores, (HighScoreTable{{kNoHolder, {"", 0}, {"", 0}, {"", 0}}}));
    EXPECT_EQ(cutAt(RecordStart(2) + 4).CalibrationFactor, 0.0);  // half a calibration
}

TEST_F(DataFileTest, HostileLengthFieldsNeverReadPastTheirRecord) {
    WriteBytes(kFile, Bytes(10 * kRecord, 'x'));
    PatchRecord(3, {0xFF, 0x7F});  // 32767
    PatchRecord(4, {5, 0});
    PatchRecord(5, {127, 0});      // one byte too many
    PatchRecord(7, {0xFF, 0xFF});  // -1
    PatchRecord(9, {0x00, 0x80});  // -32768
    const std::string whole(126, 'x');
    EXPECT_EQ(Read().HighScores,
              (HighScoreTable{{{whole, 5}, {whole, 0x7878}, {"", 0x7878}, {"", 0x7878}}}));
}

// --- What a save decides on ---

// Regression: a game compared its win with the table it had read at New Game,
// so it stored "Bob 41" over the "Ann Lee 10" that another game had stored
// meanwhile. The comparison is 16-bit and strict; a record nobody set (no
// name, no score above 0, as a file that never held one reads) is taken by
// the first win.
TEST_F(DataFileTest, AHighScoreIsStoredOnlyWhenItBeatsTheRecordTheFileHoldsThen) {
    File().ResetHighScores();
    const std::tuple<HighScore, std::int16_t, HighScore> cases[] = {
        // what the file holds, the shots of the win, what it holds afterwards
        {{"Ann Lee", 10}, 41, {"Ann Lee", 10}}, {{"Ann Lee", 10}, 10, {"Ann Lee", 10}},
        {{"Ann Lee", 10}, 9, {"Bob", 9}},       {{"", 0}, 41, {"Bob", 41}},
        {{"", -32768}, 32767, {"Bob", 32767}},  {{"Cy", 0}, 41, {"Cy", 0}},
    };
    for (const auto& [held, shots, after] : cases) {
        SCOPED_TRACE(held.Name + " " + std::to_string(held.Score) + ", " + std::to_string(shots));
        Hold(2, held);
        EXPECT_EQ(File().StoreBetterHighScore(2, "Bob", shots), after);
        EXPECT_EQ(Read().HighScores, (HighScoreTable{{kNoHolder, after, kNoHolder, kNoHolder}}));
    }
}

// Regression: `dorvanta --calibrate` in an empty folder wrote 256 bytes and the
// bare game none, so every level read 0 with no name and no win could set a
// high score. The values a file lacks are prepared, the calibration measured
// only when it is one of them; every value the file holds keeps its bytes.
TEST_F(DataFileTest, APreparedFileKeepsEveryValueItHoldsAndGetsTheRest) {
    int measured = 0;
    const auto measure = [&measured] {
        ++measured;
        return 4321.5;
    };
    File().PrepareMissingValues(measure);
    EXPECT_EQ(ReadBytes(kFile).size(), 10 * kRecord);
    EXPECT_EQ(Read().CalibrationFactor, 4321.5);
    EXPECT_EQ(Read().HighScores, kNewPlayersTable);

    File().StoreCalibration(20000);
    File().StoreBetterHighScore(1, "Ann", 10);
    const Bytes whole = ReadBytes(kFile);
    const std::pair<std::size_t, HighScore> cuts[] = {
        // where the file ends, the Beginner record it then holds
        {2 * kRecord, kNoHolder},            // as --calibrate made it: the calibration
        {RecordStart(5) + 4, {"Ann", 10}},   // in the next name, after its length
        {RecordStart(10) + 2, {"Ann", 10}},  // after the last value
    };
    for (const auto& [cut, beginner] : cuts) {
        SCOPED_TRACE(cut);
        const Bytes kept(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        WriteBytes(kFile, kept);
        File().PrepareMissingValues(measure);
        const Bytes prepared = ReadBytes(kFile);
        EXPECT_EQ(Bytes(prepared.begin(), prepared.begin() + static_cast<std::ptrdiff_t>(cut)),
                  kept);
        EXPECT_EQ(Read().CalibrationFactor, 20000);
        EXPECT_EQ(Read().HighScores, (HighScoreTable{{beginner, kNoHolder, kNoHolder, kNoHolder}}));
    }
    EXPECT_EQ(measured, 1);

    std::filesystem::remove(kFile);
    File().StoreCalibrationInWholeFile(12.5);
    EXPECT_EQ(ReadBytes(kFile).size(), 10 * kRecord);
    EXPECT_EQ(Read().CalibrationFactor, 12.5);
    EXPECT_EQ(Read().HighScores, kNewPlayersTable);
}

// --- Names ---

TEST_F(DataFileTest, NamesAreStoredAsLatin1AndReadBackAsUtf8) {
    EXPECT_EQ(ReadBackName("Zoë ÿ"), "Zoë ÿ");
    EXPECT_EQ(Slice(3, 7), (Bytes{5, 0, 'Z', 'o', 0xEB, ' ', 0xFF}));
    // Characters outside Latin-1, and broken or cut UTF-8, become question marks; a
    // name is cut to 126 characters.
    EXPECT_EQ(ReadBackName("a日\xFFz\xC3"), "a??z?");  // a stray byte; a cut at the end
    EXPECT_EQ(ReadBackName(std::string(125, 'e') + "éé"), std::string(125, 'e') + "é");
}

// --- The file on disk ---

// Failures injected into the file calls. The write numbered kFailAt puts half
// its bytes and fails as on a full disk.
int writesBeforeFailure = 0;

std::size_t WriteUntilTheDiskIsFull(const void* bytes, std::size_t size, std::size_t count,
                                    std::FILE* file) {
    if (--writesBeforeFailure > 0) {
        return std::fwrite(bytes, size, count, file);
    }
    const std::size_t half = std::fwrite(bytes, size, count / 2, file);
    errno = ENOSPC;
    return half;
}

// The data file made read-only.
std::FILE* OpenOnlyForReading(const std::filesystem::path& path, const char* mode) {
    if (std::string(mode) != "rb") {
        errno = EACCES;
        return nullptr;
    }
    return OpenPath(path, mode);
}

// A folder that takes no new file.
std::FILE* RefuseNewFiles(const std::filesystem::path&, std::error_code& error) {
    error = std::make_error_code(std::errc::permission_denied);
    return nullptr;
}

class DataFileOnDiskTest : public DataFileTest {
  protected:
    // The report the operation ended the program with, or "" when it returned.
    static std::string Failure(void (*operation)(DataFile&), const std::string& path = kFile,
                               FileCalls calls = {}) {
        ScriptedPlatform platform;
        platform.QueueAnswer(BoxAnswer::Ok);
        DataFile file(platform, path, calls);
        try {
            operation(file);
        } catch (const QuitRequested&) {
            EXPECT_TRUE(platform.Ended());
            return platform.Boxes().at(0).text;
        }
        return "";
    }
    static void ReadSettings(DataFile& file) { file.ReadSettings(); }
    static void StoreCalibration(DataFile& file) { file.StoreCalibration(1); }
    static void StoreHighScore(DataFile& file) { file.StoreBetterHighScore(1, "Bo", 5); }
    static void ResetHighScores(DataFile& file) { file.ResetHighScores(); }

    // The folder as a failure of a new file names it.
    static std::string Here() { return PathText(std::filesystem::current_path()); }
};

// Regression: a FIFO as the data file made the start-up wait for ever, and a
// rewrite would have put a plain file in place of a device.
TEST_F(DataFileOnDiskTest, WhatIsNotAPlainFileIsRefusedAtOnce) {
    std::filesystem::create_directory("folder");
    std::vector<std::pair<std::string, std::string>> cases = {{"folder", "folder: Is a directory"}};
#ifndef _WIN32  // Windows has no FIFOs or devices in the file tree, and no links without a
                // privilege
    ASSERT_EQ(mkfifo("fifo", 0644), 0);
    std::filesystem::create_symlink("loop", "loop");
    cases.insert(cases.end(), {{"fifo", "fifo: Not a regular file"},
                               {"/dev/full", "/dev/full: Not a regular file"},
                               {"loop", "loop: Too many levels of symbolic links"}});
#endif
    for (const auto& [path, message] : cases) {
        for (const auto& operation : {ReadSettings, StoreCalibration}) {
            EXPECT_EQ(Failure(operation, path), message);
        }
    }
    EXPECT_FALSE(std::filesystem::is_regular_file("fifo"));
}

// Regression: a high score was two writes in place, a reset eight; a failure
// at the score left the new name with the old score, and a full disk
// overwrote the file in place without a word. A failure on the new file names
// the folder, where the new file could not be written, and leaves nothing
// there. A write refused only when it is pushed out of the buffer is the next
// test's.
TEST_F(DataFileOnDiskTest, AFailedWriteLeavesThePreviousFileByteForByte) {
    File().StoreCalibration(20000);
    File().StoreBetterHighScore(1, "Ann", 10);
    const Bytes before = ReadBytes(kFile);
    ASSERT_EQ(before.size(), 4 * kRecord);
    FileCalls diskFull;
    diskFull.write = WriteUntilTheDiskIsFull;
    constexpr int kCopyWrites = 4;  // the old file goes over one record at a time
    const std::tuple<void (*)(DataFile&), FileCalls, int> cases[] = {
        // the operation, its file calls, its failing write
        {StoreHighScore, diskFull, 1},
        {StoreHighScore, diskFull, kCopyWrites + 2},  // the score, after the name
        {ResetHighScores, diskFull, kCopyWrites + 8},
    };
    for (const auto& [operation, calls, failingWrite] : cases) {
        SCOPED_TRACE(failingWrite);
        writesBeforeFailure = failingWrite;
        EXPECT_EQ(Failure(operation, kFile, calls), Here() + ": No space left on device");
        EXPECT_EQ(ReadBytes(kFile), before);
        EXPECT_EQ(Others(), "");
    }
}

// The last record waits in the buffer until the new file is flushed; a limit
// on the file's size refuses it only then, or when the file is closed.
TEST_F(DataFileOnDiskTest, AWriteRefusedOnlyAtTheFlushLeavesThePreviousFileByteForByte) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no limit on a process's file size";
#else
    File().StoreBetterHighScore(1, "Ann", 10);
    const Bytes before = ReadBytes(kFile);
    rlimit limit{}, unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    limit = {7 * kRecord, unlimited.rlim_max};  // all but the last record, the score
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string failure =
        Failure([](DataFile& file) { file.StoreBetterHighScore(3, "Bo", 5); });
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(failure, Here() + ": File too large");
    EXPECT_EQ(ReadBytes(kFile), before);
#endif
}

// Regression: the start-up read opened the file for writing too, so a game
// with a read-only data file could not even start; nor may its preparation
// stop it.
TEST_F(DataFileOnDiskTest, AReadOnlyFileIsReadAndOnlyASaveReportsTheRefusal) {
    File().StoreBetterHighScore(2, "Ann", 10);
    const Bytes before = ReadBytes(kFile);
    ScriptedPlatform platform;
    DataFile readOnly(platform, kFile, {OpenOnlyForReading});
    EXPECT_EQ(readOnly.ReadSettings().HighScores[1].Name, "Ann");
    readOnly.PrepareMissingValues([] { return 1.0; });
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_EQ(Failure(StoreHighScore, kFile, {OpenOnlyForReading}),
              "Dorvanta.dat: Permission denied");
    EXPECT_EQ(ReadBytes(kFile), before);
}

// Regression: every save went through the fixed name Dorvanta.dat.new. A link
// there was followed - to the data file itself, which became a link to
// itself, or to any file of the player's, overwritten with records - and a
// folder or FIFO there failed every save under the data file's name. Now a
// save makes a file of its own; under the old name a plain file is removed,
// anything else left alone, and a new file that a killed save left goes too.
TEST_F(DataFileOnDiskTest, NothingUnderTheOldNewFileNameIsFollowedOrFailsASave) {
    namespace fs = std::filesystem;
    File().StoreBetterHighScore(1, "Ann", 10);
    WriteBytes("victim.txt", {'k', 'e', 'e', 'p'});
    const std::string planted = std::string(kFile) + ".new";
    std::vector<std::function<void()>> plants = {
        [&] {
            WriteBytes(planted, {'o', 'l', 'd'});
        },
        [&] { fs::create_directory(planted); },
    };
#ifndef _WIN32
    plants.insert(plants.end(), {[&] { fs::create_symlink(kFile, planted); },
                                 [&] { fs::create_symlink("victim.txt", planted); },
                                 [&] { ASSERT_EQ(mkfifo(planted.c_str(), 0644), 0); }});
#endif
    std::int16_t shots = 10;
    for (const auto& plant : plants) {
        plant();
        WriteBytes(std::string(kFile) + ".k1ll3d.tmp", {'h', 'a', 'l', 'f'});
        const fs::file_type kind = fs::symlink_status(planted).type();
        SCOPED_TRACE(static_cast<int>(kind));
        --shots;
        EXPECT_EQ(File().StoreBetterHighScore(1, "Bo", shots), (HighScore{"Bo", shots}));
        EXPECT_EQ(ReadBytes(kFile).size(), 4 * kRecord);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(kFile)));
        EXPECT_EQ(ReadBytes("victim.txt"), (Bytes{'k', 'e', 'e', 'p'}));
        EXPECT_EQ(Others(),
                  kind == fs::file_type::regular ? "victim.txt" : planted + " victim.txt");
        fs::remove(planted);
    }
}

// Regression: in a folder the player may not add files to, a data file the
// player may write (how a machine's players share high scores) could never be
// saved: "Dorvanta.dat: Permission denied", and a won high score was lost. It
// is written in place. A save that can go neither way names what refused it.
TEST_F(DataFileOnDiskTest, AFolderThatTakesNoNewFileGetsItsRecordsWrittenInPlace) {
    File().StoreCalibration(20000);
    FileCalls lockedFolder;
    lockedFolder.create = RefuseNewFiles;
    ScriptedPlatform platform;
    EXPECT_EQ(DataFile(platform, kFile, lockedFolder).StoreBetterHighScore(3, "Eve", 7),
              (HighScore{"Eve", 7}));
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_EQ(Read().CalibrationFactor, 20000);
    EXPECT_EQ(Read().HighScores[2], (HighScore{"Eve", 7}));
    EXPECT_EQ(Others(), "");

    lockedFolder.open = OpenOnlyForReading;
    EXPECT_EQ(Failure(StoreCalibration, kFile, lockedFolder), "Dorvanta.dat: Permission denied");
    std::filesystem::remove(kFile);
    lockedFolder.open = FileCalls{}.open;
    EXPECT_EQ(Failure(StoreCalibration, kFile, lockedFolder), Here() + ": Permission denied");
}

// Regression: a 1 GB data file was copied whole at every save. A save keeps
// the first mebibyte, where the records are.
TEST_F(DataFileOnDiskTest, ASaveKeepsAForeignFilesFirstMebibyteOnly) {
    constexpr std::size_t kMebibyte = 1 << 20;
    Bytes foreign(3 * kMebibyte, 'x');
    WriteBytes(kFile, foreign);
    File().StoreCalibration(20000);
    foreign.resize(kMebibyte);
    std::copy_n(Slice(2, kRecord).begin(), kRecord, foreign.begin() + kRecord);
    EXPECT_EQ(ReadBytes(kFile), foreign);
}

// Regression: saves at the same moment collided: one removed or replaced the
// other's new file, failing it with "No such file or directory", and readers
// saw a file of 0 bytes. A save waits for the one in progress, and a reader
// that finds no file yet waits for the save that is making it; neither waits
// longer than its patience.
TEST_F(DataFileOnDiskTest, ASaveOrReadWaitsForAnotherGamesSaveButNotForEver) {
    FileLock otherGame;
    ASSERT_EQ(otherGame.Take(kFile, FileLock::Mode::Exclusive, 0), "");
    std::jthread otherSave([&otherGame] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        WriteBytes(kFile, Bytes(10 * kRecord, 0));  // its new file, in place at last
        otherGame = FileLock();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadBytes(kFile).size(), 0u);
    EXPECT_EQ(Read().HighScores, HighScoreTable{});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(ReadBytes(kFile).size(), 10 * kRecord);
    otherSave.join();

    ASSERT_EQ(otherGame.Take(kFile, FileLock::Mode::Shared, 0), "");
    FileCalls impatient;
    impatient.lockPatienceSeconds = 0.3;
    EXPECT_EQ(Failure(StoreCalibration, kFile, impatient),
              "Dorvanta.dat: In use by another game for more than 0.3 seconds");
    EXPECT_EQ(ReadBytes(kFile), Bytes(10 * kRecord, 0));
}

// The link stays a link, and the file it leads to keeps its permissions.
TEST_F(DataFileOnDiskTest, AWriteThroughASymbolicLinkReplacesTheFileBehindIt) {
#ifdef _WIN32
    GTEST_SKIP() << "links need a privilege on Windows, and permissions are one read-only flag";
#endif
    namespace fs = std::filesystem;
    fs::create_directory("data");
    DataFile(platform_, "data/real.dat").StoreCalibration(20000);
    fs::permissions("data/real.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.dat", "data/alias.dat");  // relative to its own folder
    fs::create_symlink("data/alias.dat", kFile);
    File().StoreBetterHighScore(1, "Ann", 10);
    EXPECT_TRUE(fs::is_symlink(kFile));
    EXPECT_TRUE(fs::is_symlink("data/alias.dat"));
    const StoredSettings settings = DataFile(platform_, "data/real.dat").ReadSettings();
    EXPECT_EQ(std::make_pair(settings.CalibrationFactor, settings.HighScores[0].Name),
              std::make_pair(20000.0, std::string("Ann")));
    EXPECT_EQ(fs::status("data/real.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace dorvanta
