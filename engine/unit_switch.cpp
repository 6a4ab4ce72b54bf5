#include "unit_switch.h"

#include <cmath>

#include "fixed_point.h"
#include "numeric_text.h"
#include "unit_labels.h"

namespace capillary {
namespace {

double convert(Quantity quantity, double value, UnitSystem target) {
    return target == UnitSystem::Metric ? toMetric(quantity, value) : toEnglish(quantity, value);
}

UnitSystem other(UnitSystem unit) {
    return unit == UnitSystem::Metric ? UnitSystem::English : UnitSystem::Metric;
}

}  // namespace

std::string convertInputText(std::string_view text, Quantity quantity, UnitSystem target) {
    auto value = parseNumericText(text);
    if (!value) return std::string(text);
    return formatFixed(convert(quantity, *value, target), 0);
}

std::optional<double> convertPressureDrop(std::string_view text, UnitSystem target) {
    auto value = parseNumericText(text);
    if (!value) return std::nullopt;
    return roundHalfAway(convert(Quantity::PressureGradient, *value, target),
                         unitLabels(target).pressureDropDecimals);
}

std::optional<std::string> openingPressureDropText(std::string_view text, UnitSystem fileUnit) {
    auto value = parseNumericText(text);
    if (!value) return std::nullopt;
    const double interim = convert(Quantity::PressureGradient, *value, other(fileUnit));
    if (!std::isfinite(interim)) return std::nullopt;
    return formatPlainDecimal(interim);
}

std::optional<std::string> reformatSavedPressureDrop(std::string_view text, UnitSystem fileUnit) {
    auto interim = openingPressureDropText(text, fileUnit);
    if (!interim) return std::nullopt;
    auto shown = convertPressureDrop(*interim, fileUnit);
    if (!shown) return std::nullopt;
    return formatPlainDecimal(*shown);
}

}  // namespace capillary
