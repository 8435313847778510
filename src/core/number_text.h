// Numbers as the text boxes show and read them: at most 15 significant digits,
// no trailing zeros or point, no exponent at any size; typed text is read by its
// leading numeric part. Both use "." as the decimal point, whatever the user's
// locale.
#pragma once

#include <optional>
#include <string>

namespace dorvanta {

// 1100, 1100.5, -7.95, 33.3333333333333.
std::string NumberText(double value);

// The leading numeric part ("12.5abc" is 12.5, "-" and "abc" are 0). A number
// too large for a double reads as the largest double of its sign, one too
// small as 0.
double LeadingValue(const std::string& text);

// The whole text as a number (blanks around it allowed), or nothing, also when
// it is too large for a double ("1e309"). One too small for a double is 0.
std::optional<double> WholeNumber(const std::string& text);

}  // namespace dorvanta
