// Colours in the desktop's encoding: 0x00BBGGRR for a plain colour, red in the
// lowest byte; 0x80000000 + n names the desktop's system colour n instead.
#pragma once

#include <cstdint>

namespace dorvanta {

using Color = std::uint32_t;
constexpr Color kSystemColorBit = 0x80000000u;
constexpr Color kButtonFaceColor = kSystemColorBit + 15;

// The named colours the game offers and starts with.
constexpr Color kBlack = 0x00000000;
constexpr Color kGrey = 0x00C0C0C0;
constexpr Color kLightGrey = kButtonFaceColor;
constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kRed = 0x000000FF;
constexpr Color kOrange = 0x000080FF;
constexpr Color kYellow = 0x0000FFFF;
constexpr Color kGreen = 0x0000FF00;
constexpr Color kBlue = 0x00FF0000;
constexpr Color kLightBlue = 0x00FFFF00;
constexpr Color kViolet = 0x00C000C0;

}  // namespace dorvanta
