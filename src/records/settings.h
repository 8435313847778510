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

// Beginner, Intermediate, Expert, Professional.
using HighScoreTable = std::array<HighScore, kLevelCount>;

struct StoredSettings {
    double CalibrationFactor = 0;
    HighScoreTable HighScores;
};

}  // namespace dorvanta
