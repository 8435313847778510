// Numbers on the lab's command lines and in its scripts: the whole word must be
// the number, read with "." as the point whatever the locale.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace dorvanta::lab {

template <class T>
std::optional<T> WholeArgument(std::string_view word) {
    T value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace dorvanta::lab
