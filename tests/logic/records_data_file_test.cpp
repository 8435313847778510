#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records_temp_dir.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace dorvanta {
namespace {

constexpr const char* kFile = DataFile::kFileName;
constexpr std::size_t kRecord = DataFile::kRecordLength;
const HighScore kNoHolder{DataFile::kNoHolderName, DataFile::kNoHolderScore};

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

    std::string ReadBackName(const std::string& name) {
        File().StoreHighScore(1, name, 1);
        return Read().HighScores[0].Name;
    }

    ScriptedPlatform platform_;
};

// --- Writes and reads ---

// That a write leaves the other records alone is checked on the command
// line's calibration (qt_command_line_test).

TEST_F(DataFileTest, AllNineValuesComeBackExactlyTheDoubleBitForBit) {
    File().StoreHighScore(1, "Ann", 12);
    File().StoreHighScore(2, "", 32767);
    File().StoreHighScore(3, "Zoë Müller", -32768);
    File().StoreHighScore(4, "Bo", 999);
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

// --- Names ---

TEST_F(DataFileTest, NamesAreStoredAsLatin1AndReadBackAsUtf8) {
    EXPECT_EQ(ReadBackName("Zoë ÿ"), "Zoë ÿ");
    EXPECT_EQ(Slice(3, 7), (Bytes{5, 0, 'Z', 'o', 0xEB, ' ', 0xFF}));
    // Characters outside Latin-1, and broken or cut UTF-8, become question marks; a
    // name is cut to 126 characters.
    EXPECT_EQ(ReadBackName("a日\xFFz\xC3"), "a??z?");  // a stray byte; a cut at the end
    EXPECT_EQ(ReadBackName(std::string(125, 'e') + "éé"), std::string(125, 'e') + "é");
}

TEST_F(DataFileTest, ThePreparedFileHasNoHoldersAndLeavesTheCalibrationToMeasure) {
#ifdef _WIN32
    GTEST_SKIP() << "the prepared file is written by a bash script";
#endif
    // The scenarios folder sits in tests/ of the checkout; it may not exist yet.
    const auto script =
        std::filesystem::path(DORVANTA_SOURCE) / "scripts" / "prepared_data_file.sh";
    ASSERT_EQ(std::system(("bash '" + script.string() + "' " + kFile).c_str()), 0);
    EXPECT_EQ(std::filesystem::file_size(kFile), 10 * kRecord);
    EXPECT_EQ(Slice(1, 2 * kRecord), Bytes(2 * kRecord, 0));  // the calibration is still to come
    EXPECT_EQ(Read().HighScores, (HighScoreTable{{kNoHolder, kNoHolder, kNoHolder, kNoHolder}}));
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

// The data file made read-only in a folder that takes a new file.
std::FILE* OpenOnlyForReading(const char* path, const char* mode) {
    if (std::string(mode) != "rb" && !std::string(path).ends_with(".new")) {
        errno = EACCES;
        return nullptr;
    }
    return std::fopen(path, mode);
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
    static void Read(DataFile& file) { file.ReadSettings(); }
    static void StoreCalibration(DataFile& file) { file.StoreCalibration(1); }
    static void StoreHighScore(DataFile& file) { file.StoreHighScore(1, "Bo", 5); }
    static void ResetHighScores(DataFile& file) { file.ResetHighScores(); }
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
        for (const auto& operation : {Read, StoreCalibration}) {
            EXPECT_EQ(Failure(operation, path), message);
        }
    }
    EXPECT_FALSE(std::filesystem::is_regular_file("fifo"));
}

// Regression: a high score was two writes in place, a reset eight; a failure
// at the score left the new name with the old score, and a full disk
// overwrote the file in place without a word. A write refused only when it is
// pushed out of the buffer is the next test's.
TEST_F(DataFileOnDiskTest, AFailedWriteLeavesThePreviousFileByteForByte) {
    File().StoreCalibration(20000);
    File().StoreHighScore(1, "Ann", 10);
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
        EXPECT_EQ(Failure(operation, kFile, calls), "Dorvanta.dat: No space left on device");
        EXPECT_EQ(ReadBytes(kFile), before);
        EXPECT_FALSE(std::filesystem::exists("Dorvanta.dat.new"));
    }
}

// The last record waits in the buffer until the new file is flushed; a limit
// on the file's size refuses it only then, or when the file is closed.
TEST_F(DataFileOnDiskTest, AWriteRefusedOnlyAtTheFlushLeavesThePreviousFileByteForByte) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no limit on a process's file size";
#else
    File().StoreHighScore(1, "Ann", 10);
    const Bytes before = ReadBytes(kFile);
    rlimit limit{}, unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    limit = {7 * kRecord, unlimited.rlim_max};  // all but the last record, the score
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string failure = Failure([](DataFile& file) { file.StoreHighScore(3, "Bo", 5); });
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(failure, "Dorvanta.dat: File too large");
    EXPECT_EQ(ReadBytes(kFile), before);
#endif
}

// Regression: the start-up read opened the file for writing too, so a game
// with a read-only data file could not even start.
TEST_F(DataFileOnDiskTest, AReadOnlyFileIsReadAndOnlyAWriteReportsTheRefusal) {
    File().StoreHighScore(2, "Ann", 10);
    const Bytes before = ReadBytes(kFile);
    ScriptedPlatform platform;
    EXPECT_EQ(DataFile(platform, kFile, {OpenOnlyForReading}).ReadSettings().HighScores[1].Name,
              "Ann");
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_EQ(Failure(StoreHighScore, kFile, {OpenOnlyForReading}),
              "Dorvanta.dat: Permission denied");
    EXPECT_EQ(ReadBytes(kFile), before);
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
    File().StoreHighScore(1, "Ann", 10);
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
