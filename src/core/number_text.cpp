#include "core/number_text.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace dorvanta {

namespace {

constexpr int kSignificantDigits = 15;

void DropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
}

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

double ParsePrefix(std::string_view prefix) {
    if (!prefix.empty() && prefix.front() == '+') {
        prefix.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
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

}  // namespace

std::string NumberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", kSignificantDigits, value);
    std::string text = buffer;
    if (text.find_first_of("eE") != std::string::npos) {
        // Keep the plain decimal form; the precision follows the 15 significant digits.
        std::snprintf(buffer, sizeof buffer, "%.15f", value);
        text = buffer;
        DropTrailingZeros(text);
    }
    if (text == "-0") {
        text = "0";
    }
    return text;
}

double LeadingValue(const std::string& text) {
    const std::string_view view = Trimmed(text);
    return ParsePrefix(view.substr(0, NumericPrefix(view)));
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
