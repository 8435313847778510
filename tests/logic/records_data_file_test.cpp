#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

constexpr const char* kFile = DataFile::kFileName;
constexpr std::size_t kRecord = DataFile::kRecordLength;
using Names = std::array<std::string, kLevelCount>;
using Scores = std::array<std::int16_t, kLevelCount>;
const std::string kAnon = "Anonymous";

class DataFileTest : public InTempDir {
  protected:
    static std::size_t RecordStart(int n) { return (static_cast<std::size_t>(n) - 1) * kRecord; }
    static std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }
    DataFile File() { return DataFile(platform_); }
    Settings Read() { return File().ReadSettings(); }

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
        return Read().names[0];
    }

    ScriptedPlatform platform_;
};

// --- Byte layout of each operation ---

// The padding after each value is never read and not checked.
TEST_F(DataFileTest, AMissingFileIsCreatedEmptyAndWritesFillSkippedRecordsWithZeros) {
    const Settings empty = Read();
    EXPECT_EQ(std::filesystem::file_size(kFile), 0u);
    EXPECT_EQ(Bits(empty.calibrationFactor), 0u);
    EXPECT_EQ(std::make_pair(empty.names, empty.scores), std::make_pair(Names{}, Scores{}));
    std::filesystem::remove(kFile);
    File().StoreCalibration(20000.0);  // record 2 of a missing file
    EXPECT_EQ(std::filesystem::file_size(kFile), 2 * kRecord);
    File().StoreHighScore(4, "", 7);  // records 9 and 10 of a short one
    EXPECT_EQ(Slice(1, kRecord), Bytes(kRecord, 0));
    EXPECT_EQ(Slice(2, 8), (Bytes{0, 0, 0, 0, 0, 0x88, 0xD3, 0x40}));  // 0x40D3880000000000
    EXPECT_EQ(Slice(3, 6 * kRecord), Bytes(6 * kRecord, 0));
    EXPECT_EQ(Slice(9, 2), (Bytes{0, 0}));  // the empty name
    EXPECT_EQ(Slice(10, 2), (Bytes{7, 0}));
}

TEST_F(DataFileTest, AHighScoreWritesOnlyItsTwoRecordsAndCutsLongNames) {
    WriteBytes(kFile, Bytes(10 * kRecord, 0xAB));  // every untouched byte shows
    File().StoreHighScore(3, "Ann", -2);
    File().StoreHighScore(1, std::string(200, 'n'), 42);
    EXPECT_EQ(std::filesystem::file_size(kFile), 10 * kRecord);
    EXPECT_EQ(Slice(7, 5), (Bytes{3, 0, 'A', 'n', 'n'}));
    EXPECT_EQ(Slice(8, 2), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Slice(3, 2), (Bytes{126, 0}));
    EXPECT_EQ(Slice(4, 2), (Bytes{42, 0}));
    for (const int n : {1, 2, 5, 6, 9, 10}) {
        EXPECT_EQ(Slice(n, kRecord), Bytes(kRecord, 0xAB)) << n;
    }
    EXPECT_EQ(Read().names[0], std::string(126, 'n'));
}

TEST_F(DataFileTest, HighScoreResetWritesRecordsThreeToTenAndLeavesRecordOne) {
    WriteBytes(kFile, Bytes(kRecord + 8, 0xCD));  // record 1 and a calibration
    File().ResetHighScores();
    EXPECT_EQ(Slice(1, kRecord + 8), Bytes(kRecord + 8, 0xCD));
    for (int level = 1; level <= kLevelCount; ++level) {
        EXPECT_EQ(Slice(2 * level + 1, 11),
                  (Bytes{9, 0, 'A', 'n', 'o', 'n', 'y', 'm', 'o', 'u', 's'}));
        EXPECT_EQ(Slice(2 * level + 2, 2), (Bytes{0xE7, 0x03}));  // 999
    }
}

TEST_F(DataFileTest, AllNineValuesComeBackExactlyTheDoubleBitForBit) {
    File().StoreHighScore(1, "Ann", 12);
    File().StoreHighScore(2, "", 32767);
    File().StoreHighScore(3, "Zoë Müller", -32768);
    File().StoreHighScore(4, "Bo", 999);
    for (const double factor : {0.1 + 0.2, -0.0, std::nan("7")}) {
        File().StoreCalibration(factor);
        const Settings settings = Read();
        EXPECT_EQ(Bits(settings.calibrationFactor), Bits(factor));
        EXPECT_EQ(settings.names, (Names{"Ann", "", "Zoë Müller", "Bo"}));
        EXPECT_EQ(settings.scores, (Scores{12, 32767, -32768, 999}));
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
    Settings settings = cutAt(RecordStart(10) + 1);  // one of the Professional score's bytes
    EXPECT_EQ(settings.calibrationFactor, 1234.5);
    EXPECT_EQ(settings.scores, (Scores{999, 999, 999, 0}));
    settings = cutAt(RecordStart(5) + 8);  // the Intermediate name's length, not all its letters
    EXPECT_EQ(settings.names, (Names{kAnon, "", "", ""}));
    EXPECT_EQ(settings.scores, (Scores{999, 0, 0, 0}));
    EXPECT_EQ(cutAt(RecordStart(2) + 4).calibrationFactor, 0.0);  // half a calibration
}

TEST_F(DataFileTest, HostileLengthFieldsNeverReadPastTheirRecord) {
    WriteBytes(kFile, Bytes(10 * kRecord, 'x'));
    PatchRecord(3, {0xFF, 0x7F});  // 32767
    PatchRecord(4, {5, 0});
    PatchRecord(5, {127, 0});      // one byte too many
    PatchRecord(7, {0xFF, 0xFF});  // -1
    PatchRecord(9, {0x00, 0x80});  // -32768
    const Settings settings = Read();
    EXPECT_EQ(settings.names, (Names{std::string(126, 'x'), std::string(126, 'x'), "", ""}));
    EXPECT_EQ(settings.scores[0], 5);
}

// --- Names ---

TEST_F(DataFileTest, NamesAreStoredAsLatin1AndReadBackAsUtf8) {
    EXPECT_EQ(ReadBackName("Zoë ÿ"), "Zoë ÿ");
    EXPECT_EQ(Slice(3, 7), (Bytes{5, 0, 'Z', 'o', 0xEB, ' ', 0xFF}));
    // Characters outside Latin-1, and broken or cut UTF-8, become question marks; a
    // name is cut to 126 characters.
    EXPECT_EQ(ReadBackName("a日\xFFz\xC3"), "a??z?");  // a stray byte; a cut at the end
    EXPECT_EQ(Slice(3, 7), (Bytes{5, 0, 'a', '?', '?', 'z', '?'}));
    EXPECT_EQ(ReadBackName(std::string(125, 'e') + "éé"), std::string(125, 'e') + "é");
}

TEST_F(DataFileTest, ThePreparedFileHasNoHoldersAndLeavesTheCalibrationToMeasure) {
    // The scenarios folder sits in tests/ of the checkout; it may not exist yet.
    const auto script = std::filesystem::path(DORVANTA_SCENARIOS).parent_path().parent_path() /
                        "scripts" / "prepared_data_file.sh";
    ASSERT_EQ(std::system(("bash '" + script.string() + "' " + kFile).c_str()), 0);
    EXPECT_EQ(std::filesystem::file_size(kFile), 10 * kRecord);
    EXPECT_EQ(Slice(1, 2 * kRecord), Bytes(2 * kRecord, 0));  // the calibration is still to come
    const Settings settings = Read();
    EXPECT_EQ(settings.names, (Names{kAnon, kAnon, kAnon, kAnon}));
    EXPECT_EQ(settings.scores, (Scores{999, 999, 999, 999}));
}

// Opening fails for the first, writing for the second.
TEST_F(DataFileTest, AFileTheSystemRefusesIsReportedAndEndsTheProgram) {
    std::filesystem::create_directory(kFile);
    const std::pair<std::string, std::string> cases[] = {
        {kFile, "Dorvanta.dat: Is a directory"},
        {"/dev/full", "/dev/full: No space left on device"}};
    for (const auto& [path, message] : cases) {
        ScriptedPlatform platform;
        platform.QueueAnswer(BoxAnswer::Ok);
        EXPECT_THROW(
            {
                DataFile(platform, path).ReadSettings();
                DataFile(platform, path).ResetHighScores();
            },
            QuitRequested)
            << path;
        EXPECT_TRUE(platform.Ended());
        ASSERT_EQ(platform.Boxes().size(), 1u);
        EXPECT_EQ(platform.Boxes()[0].text, message);
    }
}

}  // namespace
}  // namespace dorvanta
