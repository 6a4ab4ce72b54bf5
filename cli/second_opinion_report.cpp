#include "second_opinion_report.h"

#include <string>

#include <fmt/core.h>

#include "engine/figure_texts.h"
#include "engine/fixed_point.h"

namespace capillary::cli {
namespace {

template <typename T>
nlohmann::ordered_json orNull(const std::optional<T>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

std::string homogeneousLine(const SecondOpinion& opinion, UnitSystem unit) {
    if (!opinion.homogeneous) return "does not apply to this design";
    const HomogeneousFlow& flow = *opinion.homogeneous;
    const std::string choke = flow.choke
                                  ? "choked at " + temperatureText(flow.choke->temperatureF, unit)
                                  : std::string("not choked");
    return fmt::format("{}, {} (liquid {}; exit quality {} at {})",
                       lengthText(flow.totalLengthFt, unit), choke,
                       lengthText(flow.liquidLengthFt, unit), formatFixed(flow.exitQuality, 3),
                       velocityText(flow.exitVelocityFtPerS, unit));
}

std::string chartLine(const SecondOpinion& opinion, UnitSystem unit) {
    if (!opinion.chart) return fmt::format("holds for {} only", kChartRefrigerant);
    const ChartOpinion& chart = *opinion.chart;
    const std::string length =
        chart.lengthFt ? lengthText(*chart.lengthFt, unit) : "no length of this bore";
    const std::string flow =
        chart.massFlowLbPerH ? massFlowText(*chart.massFlowLbPerH, unit) : "no flow on the chart";
    return fmt::format("{} for this flow; the sized {} passes {}", length,
                       lengthText(opinion.lengthFt, unit), flow);
}

}  // namespace

std::optional<SecondOpinion> secondOpinionOf(const SizingRun& run) {
    if (!run.sizing) return std::nullopt;
    return secondOpinionOn(run.request.designCase, run.request.texts.refrigerant,
                           run.sizing->chosen, run.sizing->massFlowLbPerH);
}

void printSecondOpinion(const SecondOpinion& opinion, UnitSystem unit, std::FILE* out) {
    fmt::print(out, "\nSecond opinion on the {} in tube at {} per circuit:\n", opinion.boreLabel,
               massFlowText(opinion.massFlowLbPerH, unit));
    fmt::print(out, "Homogeneous Model : {}\n", homogeneousLine(opinion, unit));
    fmt::print(out, "ASHRAE Chart : {}\n", chartLine(opinion, unit));
}

nlohmann::ordered_json secondOpinionJson(const SecondOpinion& opinion) {
    nlohmann::ordered_json json{{"homogeneous", nullptr}, {"chart", nullptr}};
    if (const auto& flow = opinion.homogeneous) {
        json["homogeneous"] = {
            {"lengthFt", flow->totalLengthFt},
            {"liquidLengthFt", flow->liquidLengthFt},
            {"choked", flow->choked()},
            {"chokeTemperatureF",
             flow->choke ? nlohmann::ordered_json(flow->choke->temperatureF) : nullptr},
            {"exitQuality", flow->exitQuality},
            {"exitVelocityFtPerS", flow->exitVelocityFtPerS}};
    }
    if (const auto& chart = opinion.chart) {
        json["chart"] = {{"massFlowLbPerH", orNull(chart->massFlowLbPerH)},
                         {"lengthFt", orNull(chart->lengthFt)}};
    }
    return json;
}

}  // namespace capillary::cli
