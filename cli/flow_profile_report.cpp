#include "flow_profile_report.h"

#include <fmt/core.h>

#include "engine/fixed_point.h"

namespace capillary::cli {
namespace {

constexpr const char* kEnglishHeader =
    "temperature_F,pressure_psia,quality,velocity_ft_per_s,reynolds,length_ft";
constexpr const char* kMetricHeader =
    "temperature_C,pressure_bar,quality,velocity_m_per_s,reynolds,length_m";

// Enough digits to follow a 1 °F step in every column, in either system.
void printPoint(const FlowProfilePoint& p, UnitSystem unit, std::FILE* out) {
    const bool metric = unit == UnitSystem::Metric;
    const double temperature =
        metric ? toMetric(Quantity::Temperature, p.temperatureF) : p.temperatureF;
    const double pressure = metric ? p.pressurePsia * kBarPerPsi : p.pressurePsia;
    const double velocity = metric ? p.velocityFtPerS * kMetrePerFoot : p.velocityFtPerS;
    const double length = metric ? p.lengthFt * kMetrePerFoot : p.lengthFt;
    fmt::print(out, "{},{},{},{},{},{}\n", formatFixed(temperature, 2),
               formatFixed(pressure, metric ? 4 : 3), formatFixed(p.quality, 5),
               formatFixed(velocity, 3), formatFixed(p.reynolds, 0),
               formatFixed(length, metric ? 5 : 4));
}

}  // namespace

void printFlowProfile(const std::optional<HomogeneousFlow>& flow, UnitSystem unit, std::FILE* out) {
    if (!flow) {
        fmt::print(out, "\nThe homogeneous model does not apply to this design: no profile.\n");
        return;
    }
    fmt::print(out, "\n{}\n", unit == UnitSystem::Metric ? kMetricHeader : kEnglishHeader);
    for (const FlowProfilePoint& point : flow->profile) printPoint(point, unit, out);
}

nlohmann::ordered_json flowProfileJson(const std::optional<HomogeneousFlow>& flow) {
    if (!flow) return nullptr;
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const FlowProfilePoint& p : flow->profile) {
        steps.push_back({{"temperatureF", p.temperatureF},
                         {"pressurePsia", p.pressurePsia},
                         {"quality", p.quality},
                         {"velocityFtPerS", p.velocityFtPerS},
                         {"reynolds", p.reynolds},
                         {"lengthFt", p.lengthFt}});
    }
    return {{"steps", std::move(steps)}};
}

}  // namespace capillary::cli
