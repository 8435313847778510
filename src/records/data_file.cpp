// The settings in their records. Names are UTF-8 in memory and one Latin-1
// byte per character on disk; what does not fit Latin-1 is stored as '?'.
// Damaged contents never make a read leave its record: a length field is
// clamped to what a record can hold, and a value that the end of the file cuts
// reads as zero or as the empty string.
#include "records/data_file.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace dorvanta {

namespace {

constexpr int kCalibrationRecord = 2;
constexpr int kDoubleBytes = 8;
constexpr int kInt16Bytes = 2;
constexpr int kLengthBytes = 2;
constexpr int kMaxNameBytes = DataFile::kRecordLength - kLengthBytes;
constexpr char kUnstorable = '?';

constexpr int NameRecord(int level) {
    return 2 * level + 1;
}

constexpr int ScoreRecord(int level) {
    return 2 * level + 2;
}

// The calibration, then each level's name and score: the records that hold a value.
const std::vector<int> kSettingsRecords = [] {
    std::vector<int> numbers = {kCalibrationRecord};
    for (int level = 1; level <= kLevelCount; ++level) {
        numbers.insert(numbers.end(), {NameRecord(level), ScoreRecord(level)});
    }
    return numbers;
}();

// A file this long holds every value whole: the last is the Professional score.
constexpr std::uintmax_t kEveryValueBytes =
    (ScoreRecord(kLevelCount) - 1) * DataFile::kRecordLength + kInt16Bytes;

// --- Little-endian values at the start of a record ---

void PutUnsigned(Record& record, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        record[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::uint64_t GetUnsigned(const Record& record, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | record[i];
    }
    return value;
}

Record DoubleRecord(double value) {
    Record record{};
    PutUnsigned(record, std::bit_cast<std::uint64_t>(value), kDoubleBytes);
    return record;
}

Record Int16Record(std::int16_t value) {
    Record record{};
    PutUnsigned(record, static_cast<std::uint16_t>(value), kInt16Bytes);
    return record;
}

// --- Text: UTF-8 in memory, Latin-1 on disk ---

// Length of the UTF-8 sequence that starts with `lead`, or 0 for a byte that
// cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// Decodes the sequence of `length` bytes at `at`; false when it is broken.
bool DecodeSequence(const std::string& text, std::size_t at, std::size_t length,
                    std::uint32_t& codePoint) {
    if (length == 0 || at + length > text.size()) {
        return false;
    }
    constexpr unsigned char kLeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    codePoint = static_cast<unsigned char>(text[at]) & kLeadMasks[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return true;
}

// One byte per character, cut to what a record holds.
std::string ToLatin1(const std::string& utf8) {
    std::string latin1;
    std::size_t at = 0;
    while (at < utf8.size() && latin1.size() < kMaxNameBytes) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[at]));
        std::uint32_t codePoint = 0;
        if (!DecodeSequence(utf8, at, length, codePoint)) {
            length = 1;  // a stray byte stands for one unknown character
            codePoint = kUnstorable;
        }
        latin1.push_back(codePoint <= 0xFF ? static_cast<char>(codePoint) : kUnstorable);
        at += length;
    }
    return latin1;
}

std::string FromLatin1(const unsigned char* bytes, std::size_t count) {
    std::string utf8;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char byte = bytes[i];
        if (byte < 0x80) {
            utf8.push_back(static_cast<char>(byte));
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

Record StringRecord(const std::string& text) {
    const std::string latin1 = ToLatin1(text);
    Record record{};
    PutUnsigned(record, latin1.size(), kLengthBytes);
    std::memcpy(record.data() + kLengthBytes, latin1.data(), latin1.size());
    return record;
}

// --- Decoding a record of which only `present` bytes lie inside the file ---

// A negative length reads as empty, one past the record as the whole record.
std::size_t NameLength(const Record& record) {
    const auto stored = static_cast<std::int16_t>(GetUnsigned(record, kLengthBytes));
    return stored < 0 ? 0 : std::min<std::size_t>(stored, kMaxNameBytes);
}

bool WholeDouble(const ReadRecord& record) {
    return record.present >= kDoubleBytes;
}

bool WholeInt16(const ReadRecord& record) {
    return record.present >= kInt16Bytes;
}

bool WholeString(const ReadRecord& record) {
    return record.present >= kLengthBytes &&
           record.present >= kLengthBytes + NameLength(record.bytes);
}

double DecodeDouble(const ReadRecord& record) {
    return WholeDouble(record) ? std::bit_cast<double>(GetUnsigned(record.bytes, kDoubleBytes)) : 0;
}

std::int16_t DecodeInt16(const ReadRecord& record) {
    return WholeInt16(record) ? static_cast<std::int16_t>(GetUnsigned(record.bytes, kInt16Bytes))
                              : 0;
}

std::string DecodeString(const ReadRecord& record) {
    if (!WholeString(record)) {
        return {};
    }
    return FromLatin1(record.bytes.data() + kLengthBytes, NameLength(record.bytes));
}

HighScore DecodeHighScore(const ReadRecord& name, const ReadRecord& score) {
    return {DecodeString(name), DecodeInt16(score)};
}

// The no-holder values of the high scores the file lacks; `settings` are the
// records of kSettingsRecords.
RecordWrites MissingHighScores(const std::vector<ReadRecord>& settings) {
    RecordWrites writes;
    for (int level = 1; level <= kLevelCount; ++level) {
        if (!WholeString(settings[2 * level - 1])) {
            writes.emplace_back(NameRecord(level), StringRecord(DataFile::kNoHolderName));
        }
        if (!WholeInt16(settings[2 * level])) {
            writes.emplace_back(ScoreRecord(level), Int16Record(DataFile::kNoHolderScore));
        }
    }
    return writes;
}

void CheckLevel(int level) {
    if (level < 1 || level > kLevelCount) {
        throw std::out_of_range("skill level " + std::to_string(level));
    }
}

}  // namespace

DataFile::DataFile(Platform& platform, std::filesystem::path path, FileCalls calls)
    : platform_(platform), path_(std::move(path)), calls_(calls) {}

StoredSettings DataFile::ReadSettings() {
    const std::vector<ReadRecord> records = ReadRecords(platform_, path_, calls_, kSettingsRecords);
    StoredSettings settings;
    settings.CalibrationFactor = DecodeDouble(records[0]);
    for (int level = 1; level <= kLevelCount; ++level) {
        settings.HighScores[level - 1] =
            DecodeHighScore(records[2 * level - 1], records[2 * level]);
    }
    return settings;
}

HighScore DataFile::ReadHighScore(int level) {
    CheckLevel(level);
    const std::vector<ReadRecord> records =
        ReadRecords(platform_, path_, calls_, {NameRecord(level), ScoreRecord(level)});
    return DecodeHighScore(records[0], records[1]);
}

void DataFile::StoreCalibration(double factor) {
    WriteRecords(platform_, path_, calls_, {{kCalibrationRecord, DoubleRecord(factor)}});
}

HighScore DataFile::StoreBetterHighScore(int level, const std::string& name, std::int16_t score) {
    CheckLevel(level);
    HighScore held;
    UpdateRecords(platform_, path_, calls_, {NameRecord(level), ScoreRecord(level)},
                  [&](const std::vector<ReadRecord>& records) -> RecordWrites {
                      held = DecodeHighScore(records[0], records[1]);
                      if (!Beats(score, held)) {
                          return {};
                      }
                      held = {StoredName(name), score};
                      return {{NameRecord(level), StringRecord(name)},
                              {ScoreRecord(level), Int16Record(score)}};
                  });
    return held;
}

std::string DataFile::StoredName(const std::string& name) {
    const std::string latin1 = ToLatin1(name);
    return FromLatin1(reinterpret_cast<const unsigned char*>(latin1.data()), latin1.size());
}

void DataFile::ResetHighScores() {
    RecordWrites records;
    for (int level = 1; level <= kLevelCount; ++level) {
        records.emplace_back(NameRecord(level), StringRecord(kNoHolderName));
        records.emplace_back(ScoreRecord(level), Int16Record(kNoHolderScore));
    }
    WriteRecords(platform_, path_, calls_, records);
}

bool DataFile::HoldsEveryValue() const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path_, error);
    return !error && size >= kEveryValueBytes;
}

void DataFile::PrepareMissingValues(const std::function<double()>& measure) {
    UpdateRecords(
        platform_, path_, calls_, kSettingsRecords,
        [&measure](const std::vector<ReadRecord>& settings) {
            RecordWrites writes = MissingHighScores(settings);
            if (!WholeDouble(settings[0])) {
                writes.emplace(writes.begin(), kCalibrationRecord, DoubleRecord(measure()));
            }
            return writes;
        },
        ReadOnlyFile::Leave);
}

void DataFile::StoreCalibrationInWholeFile(double factor) {
    UpdateRecords(platform_, path_, calls_, kSettingsRecords,
                  [factor](const std::vector<ReadRecord>& settings) {
                      RecordWrites writes = MissingHighScores(settings);
                      writes.emplace(writes.begin(), kCalibrationRecord, DoubleRecord(factor));
                      return writes;
                  });
}

}  // namespace dorvanta
