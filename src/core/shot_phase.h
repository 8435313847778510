// The phases of the Shoot button (ShotPhase) and what the button reads in
// each: one press moves a phase on, and the caption names what the next
// press does, or that a ball is in flight.
#pragma once

#include <array>
#include <cstdint>

namespace dorvanta {

constexpr std::int16_t kPhaseReady = 0;
constexpr std::int16_t kPhasePowerGauge = 1;
constexpr std::int16_t kPhaseAngleGauge = 2;
constexpr std::int16_t kPhaseAzimuthGauge = 3;
constexpr std::int16_t kPhasePlayerFlight = 4;
constexpr std::int16_t kPhaseOpponentToShoot = 5;
constexpr std::int16_t kPhaseOpponentFlight = 6;

constexpr std::array<const char*, kPhaseOpponentFlight + 1> kShootCaptions = {
    "Shoot",          "Power",           "Vertical Angle", "Horizontal Angle",
    "Ball in motion", "Opponent's Shot", "Ball in motion"};

constexpr const char* ShootCaption(std::int16_t phase) {
    return kShootCaptions[static_cast<std::size_t>(phase)];
}

}  // namespace dorvanta
