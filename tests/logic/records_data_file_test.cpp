#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

constexpr const char* kFile = DataFile::kFileName;
constexpr std::size_t kRecord = DataFile::kRecordLength;

std::size_t RecordStart(int n) {
    return (static_cast<std::size_t>(n) - 1) * kRecord;
}

class DataFileTest : public InTempDir {
  protected:
    // A full file of ten records, every byte 0xAB, so untouched bytes show.
    void WritePatternFile() { WriteBytes(kFile, Bytes(10 * kRecord, 0xAB)); }

    // Puts `bytes` at the start of record n of an existing file.
    void PatchRecord(int n, const Bytes& bytes) {
        Bytes file = ReadBytes(kFile);
        std::copy(bytes.begin(), bytes.end(), file.begin() + RecordStart(n));
        WriteBytes(kFile, file);
    }

    Bytes Slice(const Bytes& file, int n, std::size_t count) {
        return Bytes(file.begin() + RecordStart(n), file.begin() + RecordStart(n) + count);
    }

    Bytes StoredName(const std::string& name) {
        DataFile(platform_).StoreHighScore(1, name, 1);
        const Bytes file = ReadBytes(kFile);
        const std::size_t length = file[RecordStart(3)] | (file[RecordStart(3) + 1] << 8);
        return Slice(file, 3, 2 + length);
    }

    std::string ReadBackName(const std::string& name) {
        DataFile(platform_).StoreHighScore(1, name, 1);
        return DataFile(platform_).ReadSettings().names[0];
    }

    ScriptedPlatform platform_;
};

// --- Byte layout of each operation ---

TEST_F(DataFileTest, ReadingAMissingFileCreatesItEmptyAndReadsZeros) {
    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_TRUE(std::filesystem::exists(kFile));
    EXPECT_EQ(std::filesystem::file_size(kFile), 0u);
    EXPECT_EQ(settings.calibrationFactor, 0.0);
    for (int level = 0; level < kLevelCount; ++level) {
        EXPECT_EQ(settings.names[level], "");
        EXPECT_EQ(settings.scores[level], 0);
    }
}

TEST_F(DataFileTest, CalibrationIntoAMissingFileMakesRecordOneZeroAndRecordTwoTheDouble) {
    DataFile(platform_).StoreCalibration(20000.0);  // 0x40D3880000000000
    const Bytes file = ReadBytes(kFile);
    ASSERT_EQ(file.size(), 2 * kRecord);
    EXPECT_EQ(Slice(file, 1, kRecord), Bytes(kRecord, 0));
    EXPECT_EQ(Slice(file, 2, 8), (Bytes{0, 0, 0, 0, 0, 0x88, 0xD3, 0x40}));
}

TEST_F(DataFileTest, HighScoreOfOneLevelChangesOnlyItsTwoRecords) {
    WritePatternFile();
    DataFile(platform_).StoreHighScore(3, "Ann", -2);
    const Bytes file = ReadBytes(kFile);
    ASSERT_EQ(file.size(), 10 * kRecord);
    EXPECT_EQ(Slice(file, 7, 5), (Bytes{3, 0, 'A', 'n', 'n'}));
    EXPECT_EQ(Slice(file, 8, 2), (Bytes{0xFE, 0xFF}));
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (i < RecordStart(7) || i >= RecordStart(9)) {
            ASSERT_EQ(file[i], 0xAB) << "byte " << i;
        }
    }
}

TEST_F(DataFileTest, HighScoreResetWritesRecordsThreeToTenAndLeavesRecordOne) {
    WriteBytes(kFile, Bytes(kRecord + 8, 0xCD));  // record 1 and a calibration
    DataFile(platform_).ResetHighScores();
    const Bytes file = ReadBytes(kFile);
    ASSERT_GE(file.size(), 1154u);
    EXPECT_EQ(Slice(file, 1, kRecord + 8), Bytes(kRecord + 8, 0xCD));
    const Bytes anonymous = {9, 0, 'A', 'n', 'o', 'n', 'y', 'm', 'o', 'u', 's'};
    for (int level = 1; level <= kLevelCount; ++level) {
        EXPECT_EQ(Slice(file, 2 * level + 1, anonymous.size()), anonymous);
        EXPECT_EQ(Slice(file, 2 * level + 2, 2), (Bytes{0xE7, 0x03}));  // 999
    }
    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.names[3], "Anonymous");
    EXPECT_EQ(settings.scores[3], 999);
}

TEST_F(DataFileTest, WritingBeyondAShortFileKeepsItsBytesAndFillsTheGapWithZeros) {
    WriteBytes(kFile, Bytes(10, 0x11));
    DataFile(platform_).StoreHighScore(4, "", 7);
    const Bytes file = ReadBytes(kFile);
    ASSERT_EQ(file.size(), 10 * kRecord);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 10), Bytes(10, 0x11));
    EXPECT_EQ(Bytes(file.begin() + 10, file.begin() + RecordStart(9)),
              Bytes(RecordStart(9) - 10, 0));
    EXPECT_EQ(Slice(file, 9, 2), (Bytes{0, 0}));  // the empty name
    EXPECT_EQ(Slice(file, 10, 2), (Bytes{7, 0}));
}

// --- Round trip ---

TEST_F(DataFileTest, AllNineValuesComeBackExactlyTheDoubleBitForBit) {
    const double factor = 0.1 + 0.2;  // not a short decimal
    DataFile(platform_).StoreCalibration(factor);
    DataFile(platform_).StoreHighScore(1, "Ann", 12);
    DataFile(platform_).StoreHighScore(2, "", 32767);
    DataFile(platform_).StoreHighScore(3, "Zoë Müller", -32768);
    DataFile(platform_).StoreHighScore(4, "Bo", 999);
    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(std::bit_cast<std::uint64_t>(settings.calibrationFactor),
              std::bit_cast<std::uint64_t>(factor));
    EXPECT_EQ(settings.names, (std::array<std::string, 4>{"Ann", "", "Zoë Müller", "Bo"}));
    EXPECT_EQ(settings.scores, (std::array<std::int16_t, 4>{12, 32767, -32768, 999}));
}

TEST_F(DataFileTest, NegativeZeroAndNanCalibrationsKeepTheirBits) {
    for (const double factor : {-0.0, std::nan("7")}) {
        DataFile(platform_).StoreCalibration(factor);
        EXPECT_EQ(
            std::bit_cast<std::uint64_t>(DataFile(platform_).ReadSettings().calibrationFactor),
            std::bit_cast<std::uint64_t>(factor));
    }
}

// --- Damaged contents ---

TEST_F(DataFileTest, ValuesCutByTheEndOfTheFileReadAsZeroOrEmpty) {
    DataFile(platform_).StoreCalibration(1234.5);
    DataFile(platform_).ResetHighScores();
    const Bytes whole = ReadBytes(kFile);

    // The Professional score has one of its two bytes.
    WriteBytes(kFile, Bytes(whole.begin(), whole.begin() + RecordStart(10) + 1));
    Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.calibrationFactor, 1234.5);
    EXPECT_EQ(settings.names[3], "Anonymous");
    EXPECT_EQ(settings.scores[3], 0);

    // The Intermediate name has its length but not all its characters.
    WriteBytes(kFile, Bytes(whole.begin(), whole.begin() + RecordStart(5) + 8));
    settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.names[0], "Anonymous");
    EXPECT_EQ(settings.scores[0], 999);
    EXPECT_EQ(settings.names[1], "");
    EXPECT_EQ(settings.scores[1], 0);

    // Half a calibration.
    WriteBytes(kFile, Bytes(whole.begin(), whole.begin() + RecordStart(2) + 4));
    EXPECT_EQ(DataFile(platform_).ReadSettings().calibrationFactor, 0.0);
}

TEST_F(DataFileTest, HostileLengthFieldsNeverReadPastTheirRecord) {
    WritePatternFile();
    Bytes name(kRecord, 'x');
    name[0] = 0xFF;  // 32767
    name[1] = 0x7F;
    PatchRecord(3, name);
    PatchRecord(4, {5, 0});
    name[0] = 127;  // one byte too many
    name[1] = 0;
    PatchRecord(5, name);
    PatchRecord(7, {0xFF, 0xFF});  // -1
    PatchRecord(9, {0x00, 0x80});  // -32768

    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.names[0], std::string(126, 'x'));
    EXPECT_EQ(settings.scores[0], 5);
    EXPECT_EQ(settings.names[1], std::string(126, 'x'));
    EXPECT_EQ(settings.names[2], "");
    EXPECT_EQ(settings.names[3], "");
}

// --- Names ---

TEST_F(DataFileTest, LongNamesAreCutTo126CharactersAndTheNextRecordIsIntact) {
    WritePatternFile();
    DataFile(platform_).StoreHighScore(1, std::string(200, 'n'), 42);
    const Bytes file = ReadBytes(kFile);
    EXPECT_EQ(Slice(file, 3, 2), (Bytes{126, 0}));
    EXPECT_EQ(Slice(file, 4, 2), (Bytes{42, 0}));
    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.names[0], std::string(126, 'n'));
    EXPECT_EQ(settings.scores[0], 42);
    EXPECT_EQ(ReadBackName(std::string(130, 'e') + "é"), std::string(126, 'e'));
    EXPECT_EQ(ReadBackName(std::string(125, 'e') + "éé"), std::string(125, 'e') + "é");
}

TEST_F(DataFileTest, NamesAreStoredAsLatin1AndReadBackAsUtf8) {
    EXPECT_EQ(StoredName("Zoë"), (Bytes{3, 0, 'Z', 'o', 0xEB}));
    EXPECT_EQ(StoredName("ÿ"), (Bytes{1, 0, 0xFF}));
    EXPECT_EQ(ReadBackName("Zoë Ærø ß"), "Zoë Ærø ß");
    EXPECT_EQ(ReadBackName("ÿ¡"), "ÿ¡");
}

TEST_F(DataFileTest, CharactersOutsideLatin1AndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(StoredName("a€b"), (Bytes{3, 0, 'a', '?', 'b'}));
    EXPECT_EQ(ReadBackName("日本"), "??");
    EXPECT_EQ(ReadBackName("😀!"), "?!");
    EXPECT_EQ(ReadBackName("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(ReadBackName("a\xC3"), "a?");  // cut in the middle of a character
    EXPECT_EQ(ReadBackName("\xC3(x"), "?(x");
}

TEST_F(DataFileTest, ALatin1FileWrittenByHandReadsAsUtf8) {
    WriteBytes(kFile, Bytes(3 * kRecord, 0));
    PatchRecord(3, {4, 0, 'J', 0xF6, 'r', 'g'});
    EXPECT_EQ(DataFile(platform_).ReadSettings().names[0], "Jörg");
}

TEST_F(DataFileTest, ALevelOutsideOneToFourIsRefusedWithoutTouchingTheFile) {
    EXPECT_THROW(DataFile(platform_).StoreHighScore(0, "x", 1), std::out_of_range);
    EXPECT_THROW(DataFile(platform_).StoreHighScore(5, "x", 1), std::out_of_range);
    EXPECT_FALSE(std::filesystem::exists(kFile));
}

// --- The file a new player starts with ---

TEST_F(DataFileTest, ThePreparedFileHasNoHoldersAndAFirstCalibration) {
    // The scenarios folder sits in tests/ of the checkout; it may not exist yet.
    const std::filesystem::path checkout =
        std::filesystem::path(DORVANTA_SCENARIOS).parent_path().parent_path();
    const std::string script = (checkout / "scripts" / "prepared_data_file.sh").string();
    ASSERT_EQ(std::system(("bash '" + script + "' " + kFile).c_str()), 0);
    EXPECT_EQ(std::filesystem::file_size(kFile), 10 * kRecord);
    EXPECT_EQ(Slice(ReadBytes(kFile), 1, kRecord), Bytes(kRecord, 0));
    const Settings settings = DataFile(platform_).ReadSettings();
    EXPECT_EQ(settings.calibrationFactor, 4000.0);
    for (int level = 0; level < kLevelCount; ++level) {
        EXPECT_EQ(settings.names[level], "Anonymous") << level;
        EXPECT_EQ(settings.scores[level], 999) << level;
    }
}

// --- A file the system refuses ---

void ExpectFault(ScriptedPlatform& platform, const std::function<void()>& operation,
                 const std::string& description) {
    platform.QueueAnswer(BoxAnswer::Ok);
    EXPECT_THROW(operation(), QuitRequested);
    EXPECT_TRUE(platform.Ended());
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text, description);
}

TEST_F(DataFileTest, AFileThatIsADirectoryIsReportedAndEndsTheProgram) {
    std::filesystem::create_directory(kFile);
    ExpectFault(
        platform_, [this] { DataFile(platform_).ReadSettings(); }, "Dorvanta.dat: Is a directory");
}

TEST_F(DataFileTest, AFileInAMissingFolderIsReportedAndEndsTheProgram) {
    ExpectFault(
        platform_, [this] { DataFile(platform_, "gone/x.dat").StoreCalibration(1); },
        "gone/x.dat: No such file or directory");
    EXPECT_FALSE(std::filesystem::exists("gone"));
}

TEST_F(DataFileTest, AWriteThatFailsIsReportedAndEndsTheProgram) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    ExpectFault(
        platform_, [this] { DataFile(platform_, "/dev/full").ResetHighScores(); },
        "/dev/full: No space left on device");
}

}  // namespace
}  // namespace dorvanta
