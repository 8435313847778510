// The data file Dorvanta.dat in the working directory: fixed 128-byte records
// holding the calibration factor (record 2) and, for skill level k = 1..4, the
// high-score name (record 2k + 1) and score (record 2k + 2). Every operation
// opens, reads or writes whole records, and closes; each write is all or
// nothing, and decided on what the file holds at that moment, whatever other
// games do meanwhile. A file that cannot be opened, read or written is
// reported with the system's description and ends the program; damaged
// contents are read soundly and never outside a record.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "records/record_file.h"
#include "records/settings.h"

namespace dorvanta {

class DataFile {
  public:
    static constexpr const char* kFileName = "Dorvanta.dat";
    static constexpr int kRecordLength = kRecordBytes;
    static constexpr std::int16_t kNoHolderScore = 999;
    static constexpr const char* kNoHolderName = "Anonymous";

    explicit DataFile(Platform& platform, std::filesystem::path path = kFileName,
                      FileCalls calls = {});

    StoredSettings ReadSettings();
    // level 1..4, as the file holds it now.
    HighScore ReadHighScore(int level);
    void StoreCalibration(double factor);
    // level 1..4: stores the name and the score when the score beats the
    // level's record as the file holds it at that moment (another game may
    // have set a better one meanwhile). Returns the record the file then holds.
    HighScore StoreBetterHighScore(int level, const std::string& name, std::int16_t score);
    // A name as the file keeps it and gives it back: cut to 126 characters, with
    // "?" for every character Latin-1 lacks.
    static std::string StoredName(const std::string& name);
    void ResetHighScores();

    // Whether the file holds every value whole; false when it is missing or
    // ends early. Only a look: a file being prepared meanwhile is not waited for.
    bool HoldsEveryValue() const;
    // Writes the values the file lacks as a new player's file has them:
    // "Anonymous" with 999 shots for a high score, and for the calibration
    // what `measure` returns (called only then, with the file locked, so that
    // another game starting meanwhile waits for the result instead of
    // measuring too). Every value the file holds keeps its bytes; one cut by
    // the end of the file is written whole. A file that may only be read is
    // left as it is.
    void PrepareMissingValues(const std::function<double()>& measure);
    // Stores the factor, and prepares the other values the file lacks.
    void StoreCalibrationInWholeFile(double factor);

  private:
    Platform& platform_;
    std::filesystem::path path_;
    FileCalls calls_;
};

}  // namespace dorvanta
