#include "rating_report.h"

#include <string>

#include <fmt/core.h>

#include "engine/figure_texts.h"
#include "engine/second_opinion.h"

namespace capillary::cli {
namespace {

std::string flowLine(const FlowRating& flow, UnitSystem unit) {
    return massFlowText(flow.massFlowLbPerH, unit) + " per circuit, " +
           capacityText(flow.capacityTons, unit);
}

std::string chartLine(const RatingRun& run) {
    if (run.chart) return flowLine(*run.chart, run.unit);
    if (run.request.conditions.refrigerant != kChartRefrigerant) {
        return fmt::format("holds for {} only", kChartRefrigerant);
    }
    return "gives no flow for this tube";
}

nlohmann::ordered_json flowJson(const FlowRating& flow) {
    return {{"massFlowLbPerH", flow.massFlowLbPerH}, {"capacityTons", flow.capacityTons}};
}

nlohmann::ordered_json inputsJson(const RatingRun& run) {
    nlohmann::ordered_json inputs;
    for (const RatingOptionInfo& info : kRatingOptions) {
        inputs[std::string(info.key)] = run.texts.*info.text;
    }
    return inputs;
}

}  // namespace

void printText(const RatingRun& run, std::FILE* out, std::FILE* err) {
    if (run.request.ok()) {
        if (run.homogeneous) {
            fmt::print(out, "Homogeneous Model : {}, {}\n",
                       flowLine(run.homogeneous->flow, run.unit),
                       run.homogeneous->choked ? "choked" : "not choked");
        }
        fmt::print(out, "ASHRAE Chart : {}\n", chartLine(run));
    }
    if (run.exitCode() == kSized) return;
    std::fflush(out);  // the chart's line stays ahead of the error where both streams meet
    fmt::print(err, "error: {}\n", run.errorMessage());
}

nlohmann::ordered_json toJson(const RatingRun& run) {
    if (!run.request.ok()) {
        const RatingOptionInfo& info = ratingOptionInfo(run.request.rejection->option);
        return {{"error", run.errorMessage()}, {"field", nullptr}, {"option", info.name}};
    }
    nlohmann::ordered_json json;
    if (run.homogeneous) {
        json["homogeneous"] = flowJson(run.homogeneous->flow);
        json["homogeneous"]["choked"] = run.homogeneous->choked;
    } else {  // sound options, so the chart's flow still stands beside the error
        json = {{"error", run.errorMessage()},
                {"field", nullptr},
                {"option", nullptr},
                {"homogeneous", nullptr}};
    }
    json["chart"] = run.chart ? flowJson(*run.chart) : nlohmann::ordered_json(nullptr);
    json["units"] = unitSystemName(run.unit);
    json["inputs"] = inputsJson(run);
    return json;
}

}  // namespace capillary::cli
