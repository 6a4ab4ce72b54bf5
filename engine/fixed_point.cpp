#include "fixed_point.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace capillary {
namespace {

// A double lies exactly halfway at `decimals` places precisely when value * 2^(decimals+1) is
// an odd integer (ties need a dyadic value whose last decimal digit is 5); scaling by a power
// of two is exact.
bool isExactTie(double value, int decimals) {
    double scaled = std::ldexp(std::fabs(value), decimals + 1);
    return scaled < 0x1p53 && std::floor(scaled) == scaled && std::fmod(scaled, 2.0) == 1.0;
}

std::string toChars(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    auto result =
        precision < 0
            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec != std::errc()) return std::isnan(value) ? "nan" : "inf";
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return toChars(value, std::chars_format::fixed, decimals);
    if (isExactTie(value, decimals)) {
        // to_chars breaks ties to even; step one ulp outward so the tie goes away from zero.
        value =
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
    }
    std::string text = toChars(value, std::chars_format::fixed, decimals);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

double roundHalfAway(double value, int decimals) {
    std::string text = formatFixed(value, decimals);
    double rounded = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string formatPlainDecimal(double value) {
    if (value == 0.0) return "0";
    return toChars(value, std::chars_format::fixed, -1);
}

}  // namespace capillary
