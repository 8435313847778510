// Numbers on the lab's command lines and in its scripts, and the numbers it
// prints: "." is the point whatever the user's locale, which the lab puts in
// force as the game's desktop does.
#pragma once

#include <charconv>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace dorvanta::lab {

// The whole word must be the number.
template <class T>
std::optional<T> WholeArgument(std::string_view word) {
    T value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// As printf's "%.9g" writes it in the C locale.
inline std::string NineDigits(double value) {
    char buffer[32];
    return std::string(
        buffer, std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 9).ptr);
}

}  // namespace dorvanta::lab
