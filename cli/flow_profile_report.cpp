#include "flow_profile_report.h"

#include <fmt/core.h>
#include <fmt/ranges.h>

#include "engine/flow_profile_figures.h"

namespace capillary::cli {
namespace {

constexpr const char* kEnglishHeader =
    "temperature_F,pressure_psia,quality,velocity_ft_per_s,reynolds,length_ft";
constexpr const char* kMetricHeader =
    "temperature_C,pressure_bar,quality,velocity_m_per_s,reynolds,length_m";

void printPoint(const FlowProfilePoint& p, UnitSystem unit, std::FILE* out) {
    const auto texts = flowProfileTexts(p, unit);
    fmt::print(out, "{}\n", fmt::join(texts, ","));
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
