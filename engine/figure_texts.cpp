#include "figure_texts.h"

#include "fixed_point.h"
#include "unit_labels.h"

namespace capillary {
namespace {

constexpr double kKilogramsPerPound = 0.45359237;

bool metric(UnitSystem unit) { return unit == UnitSystem::Metric; }

}  // namespace

std::string_view unitCaption(std::string_view label) {
    while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
    return label;
}

std::string lengthText(double feet, UnitSystem unit) {
    const std::string number =
        metric(unit) ? formatFixed(feet * kMillimetrePerFoot, 0) : formatFixed(feet, 1);
    return number + " " + std::string(unitCaption(unitLabels(unit).Lbl19));
}

std::string velocityText(double feetPerSecond, UnitSystem unit) {
    const double value = metric(unit) ? feetPerSecond * kMetrePerFoot : feetPerSecond;
    return formatFixed(value, 2) + " " + std::string(unitCaption(unitLabels(unit).Lbl17));
}

std::string massFlowText(double poundsPerHour, UnitSystem unit) {
    if (metric(unit)) return formatFixed(poundsPerHour * kKilogramsPerPound, 2) + " kg/h";
    return formatFixed(poundsPerHour, 2) + " lb/h";
}

std::string temperatureText(double fahrenheit, UnitSystem unit) {
    if (metric(unit)) return formatFixed(toMetric(Quantity::Temperature, fahrenheit), 1) + " C";
    return formatFixed(fahrenheit, 1) + " F";
}

std::string capacityText(double tons, UnitSystem unit) {
    if (metric(unit)) return formatFixed(toMetric(Quantity::Capacity, tons), 2) + " kW";
    return formatFixed(tons, 2) + " tons";
}

}  // namespace capillary
