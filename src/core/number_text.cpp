#include "core/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

namespace dorvanta {

namespace {

constexpr int kSignificantDigits = 15;

// Length of the numeric prefix: sign, digits, point, digits, exponent.
std::size_t NumericPrefix(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return 0;
    }
    const std::size_t beforeExponent = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            ++i;
        }
        if (digits() == 0) {
            i = beforeExponent;
        }
    }
    return i;
}

// Whether a number that a double cannot hold is too large rather than too
// small: its first significant digit stands at or left of the ones place, once
// the exponent has moved the point.
bool TooLarge(std::string_view number) {
    constexpr long long kBeyondAnyDouble = 1000000000;
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    long long place = point - first - (first < point ? 1 : 0);
    if (e < number.size()) {
        std::string_view exponent = number.substr(e + 1);
        const bool negative = exponent.front() == '-';
        exponent.remove_prefix(negative || exponent.front() == '+' ? 1 : 0);
        long long shift = kBeyondAnyDouble;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), shift);
        shift = std::min(shift, kBeyondAnyDouble);
        place += negative ? -shift : shift;
    }
    return place >= 0;
}

// The value of a numeric prefix (0 for an empty one), or nothing when it is too
// large for a double. One too small for a double is 0.
std::optional<double> ParsePrefix(std::string_view prefix) {
    if (!prefix.empty() && prefix.front() == '+') {
        prefix.remove_prefix(1);
    }
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        return TooLarge(prefix) ? std::nullopt : std::optional<double>(0.0);
    }
    return value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// The digits d1 d2 ... dn, standing for d1.d2...dn times ten to the exponent,
// written out with the point in its place and no exponent.
std::string PlainDecimal(const std::string& digits, int exponent) {
    if (exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto point = static_cast<std::size_t>(exponent) + 1;
    if (point >= digits.size()) {
        return digits + std::string(point - digits.size(), '0');
    }
    return digits.substr(0, point) + "." + digits.substr(point);
}

}  // namespace

// From the digits of the value rounded to 15 significant digits, never through
// printf: its decimal point follows the user's locale, and its plain form of a
// large value needs a buffer as long as the number.
std::string NumberText(double value) {
    char buffer[32];
    if (!std::isfinite(value)) {
        return std::string(buffer, std::to_chars(buffer, std::end(buffer), value).ptr);
    }
    // "-d.dddddddddddddde+x"
    const char* end = std::to_chars(buffer, std::end(buffer), value, std::chars_format::scientific,
                                    kSignificantDigits - 1)
                          .ptr;
    std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = scientific.front() == '-';
    scientific.remove_prefix(negative ? 1 : 0);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.front() + std::string(scientific.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty()) {
        return "0";  // also for -0
    }
    std::string_view exponent = scientific.substr(e + 1);
    exponent.remove_prefix(exponent.front() == '+' ? 1 : 0);
    int power = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    return (negative ? "-" : "") + PlainDecimal(digits, power);
}

double LeadingValue(const std::string& text) {
    const std::string_view view = Trimmed(text);
    const std::string_view prefix = view.substr(0, NumericPrefix(view));
    if (const std::optional<double> value = ParsePrefix(prefix)) {
        return *value;
    }
    constexpr double kLargest = std::numeric_limits<double>::max();
    return prefix.front() == '-' ? -kLargest : kLargest;
}

std::optional<double> WholeNumber(const std::string& text) {
    const std::string_view view = Trimmed(text);
    const std::size_t length = NumericPrefix(view);
    if (length == 0 || length != view.size()) {
        return std::nullopt;
    }
    return ParsePrefix(view);
}

}  // namespace dorvanta
