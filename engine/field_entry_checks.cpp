#include "field_entry_checks.h"

#include <cmath>
#include <limits>
#include <optional>

#include "fixed_point.h"
#include "numeric_text.h"

namespace capillary {
namespace {

constexpr double kNoLowerLimit = -std::numeric_limits<double>::infinity();

}  // namespace

std::optional<TypingLimits> typingLimits(InputField field, UnitSystem unit) {
    const bool metric = unit == UnitSystem::Metric;
    switch (field) {
        case InputField::Txtcapacity:
            return TypingLimits{kNoLowerLimit, metric ? 35.0 : 10.0};
        case InputField::Txtet:
            return TypingLimits{-40.0, metric ? 12.0 : 55.0};
        case InputField::Txtct:
            return TypingLimits{kNoLowerLimit, metric ? 65.0 : 150.0};
        case InputField::Txtsc:
            return TypingLimits{kNoLowerLimit, metric ? 10.0 : 20.0};
        case InputField::Cmbrt:
        case InputField::Txtsh:
        case InputField::Cmbdpd:
        case InputField::Txtcircuit:
            return std::nullopt;
    }
    return std::nullopt;
}

namespace {

// The one text other than a number that a field lets stand, so the user can go on typing.
std::string_view startOfNumber(InputField field) {
    switch (field) {
        case InputField::Txtet:
            return "-";
        case InputField::Cmbdpd:
            return ".";
        default:
            return {};
    }
}

KeyReleaseOutcome circuitsAfterKeyRelease(std::string_view text) {
    auto value = parseNumericText(text);
    if (!value) return {"", false};
    std::string whole = formatFixed(std::floor(*value), 0);
    // A count in exponent form ("1e9") would not fit the field as a whole number; it is as
    // impossible as any other bad text.
    if (whole.size() > static_cast<std::size_t>(kEntryTextLimit)) return {"", false};
    return {whole, true};
}

}  // namespace

KeyReleaseOutcome checkAfterKeyRelease(InputField field, std::string_view text, UnitSystem unit) {
    if (!checkedWhileTyping(field)) return {std::string(text), false};
    if (field == InputField::Txtcircuit) return circuitsAfterKeyRelease(text);

    // Any key released in the capacity field clears a red mark, whatever it leaves behind.
    const bool whiten = field == InputField::Txtcapacity;
    const std::string_view allowed = startOfNumber(field);
    if (!allowed.empty() && text == allowed) return {std::string(text), whiten};

    auto value = parseNumericText(text);
    if (!value) return {"", whiten};
    if (auto limits = typingLimits(field, unit)) {
        if (*value < limits->lowest || *value > limits->highest) return {"", whiten};
    }
    return {std::string(text), whiten};
}

}  // namespace capillary
