#include "flow_profile_figures.h"

#include "fixed_point.h"

namespace capillary {

FlowProfileFigures flowProfileFigures(const FlowProfilePoint& p, UnitSystem unit) {
    if (unit != UnitSystem::Metric) {
        return {p.temperatureF,   p.pressurePsia, p.quality,
                p.velocityFtPerS, p.reynolds,     p.lengthFt};
    }
    return {toMetric(Quantity::Temperature, p.temperatureF),
            p.pressurePsia * kBarPerPsi,
            p.quality,
            p.velocityFtPerS * kMetrePerFoot,
            p.reynolds,
            p.lengthFt * kMetrePerFoot};
}

std::array<std::string, 6> flowProfileTexts(const FlowProfilePoint& point, UnitSystem unit) {
    const bool metric = unit == UnitSystem::Metric;
    const FlowProfileFigures f = flowProfileFigures(point, unit);
    return {formatFixed(f.temperature, 2), formatFixed(f.pressure, metric ? 4 : 3),
            formatFixed(f.quality, 5),     formatFixed(f.velocity, 3),
            formatFixed(f.reynolds, 0),    formatFixed(f.length, metric ? 5 : 4)};
}

std::string profileLengthText(double feet, UnitSystem unit) {
    const bool metric = unit == UnitSystem::Metric;
    return formatFixed(metric ? feet * kMetrePerFoot : feet, metric ? 5 : 4) + " " +
           std::string(flowProfileUnits(unit)[5]);
}

std::array<std::string_view, 6> flowProfileUnits(UnitSystem unit) {
    if (unit == UnitSystem::Metric) return {"C", "bar", "", "m/s", "", "m"};
    return {"F", "psia", "", "ft/s", "", "ft"};
}

}  // namespace capillary
