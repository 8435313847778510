// What the data file keeps for the player: the speed calibration, and for each
// of the four skill levels the fewest shots that cleared the rack and who took
// them. "Anonymous" with 999 shots marks a level with no real holder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dorvanta {

constexpr int kLevelCount = 4;

struct HighScore {
    std::string Name;
    std::int16_t Score = 0;

    bool operator==(const HighScore&) const = default;
};

// Whether a game won in `shots` shots beats `record`: strictly fewer shots, or
// a record nobody ever set (no name and no score above 0, as a file that never
// held one reads), which the first win at the level takes.
inline bool Beats(std::int16_t shots, const HighScore& record) {
    return shots < record.Score || (record.Score <= 0 && record.Name.empty());
}

// Beginner, Intermediate, Expert, Professional.
using HighScoreTable = std::array<HighScore, kLevelCount>;

struct StoredSettings {
    double CalibrationFactor = 0;
    HighScoreTable HighScores;
};

}  // namespace dorvanta
