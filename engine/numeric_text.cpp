#include "numeric_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace capillary {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Validates the grammar before from_chars, which on its own would accept "inf", "nan" and
// lacks the leading "+".
bool followsGrammar(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> parseNumericText(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!followsGrammar(s)) return std::nullopt;
    bool negative = s.front() == '-';
    if (s.front() == '+' || s.front() == '-') s.remove_prefix(1);
    double value = 0.0;
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace capillary
