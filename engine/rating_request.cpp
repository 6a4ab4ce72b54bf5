#include "rating_request.h"

#include <cmath>

#include "Mdlproperties.h"
#include "fixed_point.h"
#include "numeric_text.h"
#include "typing_rejection.h"
#include "units.h"

namespace capillary {
namespace {

struct Range {
    double lowest;
    double highest;
};

// What a numeric value must be to stand.
enum class Rule { WithinRange, AboveZero, WholeFromOne };

// How a numeric rating value is spoken of and bounded in each unit system.
struct Wording {
    Rule rule;
    std::string_view noun;
    std::string_view highestWord = {};
    Range english = {}, metric = {};
    std::string_view englishUnit = {}, metricUnit = {};
};

// The temperatures take the window's ranges; a tube in service may be rated at more subcooling
// than the window sizes for, up to 40 °F (22 K).
Wording wordingOf(RatingOption option) {
    switch (option) {
        case RatingOption::Bore:
            return {Rule::AboveZero, "bore"};
        case RatingOption::TubeLength:
            return {Rule::AboveZero, "tube length"};
        case RatingOption::Evaporating:
            return {Rule::WithinRange,
                    "evaporating temperature",
                    "highest",
                    {-40, 55},
                    {-40, 12},
                    "F",
                    "C"};
        case RatingOption::Condensing:
            return {Rule::WithinRange,
                    "condensing temperature",
                    "highest",
                    {80, 150},
                    {25, 65},
                    "F",
                    "C"};
        case RatingOption::Subcooling:
            return {Rule::WithinRange, "subcooling", "largest", {0, 40}, {0, 22}, "F", "K"};
        case RatingOption::Refrigerant:
        case RatingOption::Circuits:
            break;
    }
    return {Rule::WholeFromOne, "number of circuits"};
}

// " (Valid Range Is 80 to 150 F)", worded as the window's tooltips; empty for the unbounded.
std::string rangeTip(const Wording& w, UnitSystem unit) {
    if (w.rule != Rule::WithinRange) return {};
    const bool metric = unit == UnitSystem::Metric;
    const Range& r = metric ? w.metric : w.english;
    return " (Valid Range Is " + formatPlainDecimal(r.lowest) + " to " +
           formatPlainDecimal(r.highest) + " " +
           std::string(metric ? w.metricUnit : w.englishUnit) + ")";
}

std::optional<std::string> rangeReason(const Wording& w, double value, UnitSystem unit) {
    const bool metric = unit == UnitSystem::Metric;
    const Range& r = metric ? w.metric : w.english;
    const std::string unitText(metric ? w.metricUnit : w.englishUnit);
    if (value > r.highest) {
        return "above " + formatPlainDecimal(r.highest) + " " + unitText + ", the " +
               std::string(w.highestWord) + " " + std::string(w.noun) + rangeTip(w, unit);
    }
    if (value < r.lowest) {
        return "below " + formatPlainDecimal(r.lowest) + " " + unitText + ", the lowest " +
               std::string(w.noun) + rangeTip(w, unit);
    }
    return std::nullopt;
}

std::optional<std::string> valueReason(const Wording& w, double value, UnitSystem unit) {
    switch (w.rule) {
        case Rule::WithinRange:
            return rangeReason(w, value, unit);
        case Rule::AboveZero:
            if (value > 0) return std::nullopt;
            return "the " + std::string(w.noun) + " must be above zero";
        case Rule::WholeFromOne:
            if (std::floor(value) != value) return std::string("not a whole number of circuits");
            if (value < 1) return std::string("below 1, the fewest circuits");
            return std::nullopt;
    }
    return std::nullopt;
}

std::string missingReason(std::string_view noun) {
    return "missing; a rating needs the " + std::string(noun);
}

// The option's value in the unit it was typed in, or why its text cannot stand.
struct Checked {
    double value = 0.0;
    std::optional<std::string> reason;
};

Checked checkNumber(RatingOption option, std::string_view text, UnitSystem unit) {
    const Wording w = wordingOf(option);
    if (text.empty()) return {0.0, missingReason(w.noun)};
    const std::optional<double> value = parseNumericText(text);
    if (!value) return {0.0, "not a number" + rangeTip(w, unit)};
    return {*value, valueReason(w, *value, unit)};
}

// The refrigerant's name in static storage, so the conditions may hold it.
std::string_view knownRefrigerant(std::string_view text) {
    for (std::string_view name : kRefrigerantNames) {
        if (name == text) return name;
    }
    return {};
}

// Metric to English, with the bore in inches as it is typed in the English system.
double toEnglishValue(RatingOption option, double value) {
    switch (option) {
        case RatingOption::Bore:
            return value / kMillimetresPerInch;
        case RatingOption::TubeLength:
            return value / kMetrePerFoot;
        case RatingOption::Evaporating:
        case RatingOption::Condensing:
            return toEnglish(Quantity::Temperature, value);
        case RatingOption::Subcooling:
            return toEnglish(Quantity::TemperatureDifference, value);
        case RatingOption::Refrigerant:
        case RatingOption::Circuits:
            break;
    }
    return value;
}

}  // namespace

RatingRequest checkRatingRequest(const RatingTexts& texts, UnitSystem unit) {
    RatingRequest request;
    const auto reject = [&](const RatingOptionInfo& info, std::string_view reason) {
        request.rejection =
            RatingRejection{info.option, describeRejection(info.name, texts.*info.text, reason)};
        return request;
    };
    const RatingOptionInfo& refrigerant = ratingOptionInfo(RatingOption::Refrigerant);
    if (texts.refrigerant.empty()) return reject(refrigerant, missingReason("refrigerant"));
    if (auto reason = typingRejectionReason(InputField::Cmbrt, texts.refrigerant, unit)) {
        return reject(refrigerant, *reason);
    }
    std::array<double, kRatingOptions.size()> values{};
    for (const RatingOptionInfo& info : kRatingOptions) {
        if (info.option == RatingOption::Refrigerant) continue;
        Checked checked = checkNumber(info.option, texts.*info.text, unit);
        if (checked.reason) return reject(info, *checked.reason);
        const bool metric = unit == UnitSystem::Metric;
        values[static_cast<std::size_t>(info.option)] =
            metric ? toEnglishValue(info.option, checked.value) : checked.value;
    }
    const auto value = [&](RatingOption option) {
        return values[static_cast<std::size_t>(option)];
    };
    request.conditions =
        TubeConditions{knownRefrigerant(texts.refrigerant), value(RatingOption::Condensing),
                       value(RatingOption::Subcooling), value(RatingOption::Evaporating)};
    request.diameterFt = value(RatingOption::Bore) / kInchesPerFoot;
    request.lengthFt = value(RatingOption::TubeLength);
    request.circuits = value(RatingOption::Circuits);
    return request;
}

}  // namespace capillary
