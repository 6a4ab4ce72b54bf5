#include "run_report.h"

#include <string>
#include <string_view>

#include <fmt/core.h>

#include "engine/figure_texts.h"
#include "engine/unit_labels.h"

namespace capillary::cli {
namespace {

void printBoreTable(const SizingRun& run, std::FILE* out) {
    const UnitLabels& labels = unitLabels(run.unit);
    const std::string velocityUnit = fmt::format("({})", unitCaption(labels.Lbl17));
    const std::string lengthUnit = fmt::format("({})", unitCaption(labels.Lbl19));
    const std::string gradientUnit = fmt::format("({})", unitCaption(labels.Label2));
    fmt::print(out, "\n{:<6} {:>10} {:>12} {:>14}  {}\n", "Bore", "Velocity", "Length", "Gradient",
               "Meets limit");
    fmt::print(out, "{:<6} {:>10} {:>12} {:>14}\n", "(in)", velocityUnit, lengthUnit, gradientUnit);
    for (const BoreEvaluation& bore : *run.bores) {
        const BoreFigureTexts figures = formatBoreFigures(bore, run.unit);
        const bool chosen = run.sizing && run.sizing->chosen.index == bore.index;
        fmt::print(out, "{:<6} {:>10} {:>12} {:>14}  {}{}\n", bore.bore.label, figures.velocity,
                   figures.length, figures.gradient, bore.accepted ? "yes" : "no",
                   chosen ? "  <- line size" : "");
    }
}

nlohmann::ordered_json boreJson(const BoreEvaluation& bore) {
    return {{"index", bore.index},
            {"label", bore.bore.label},
            {"diameterFt", bore.bore.diameterFt},
            {"meanVelocityFtPerS", bore.meanVelocityFtPerS},
            {"lengthFt", bore.lengthFt},
            {"gradientPsiPerFt", bore.gradientPsiPerFt},
            {"accepted", bore.accepted}};
}

// The texts the design was sized from, after the superheat and subcooling defaults.
nlohmann::ordered_json inputsJson(const SizingRun& run) {
    nlohmann::ordered_json inputs;
    for (const InputFieldInfo& info : kInputFields) {
        inputs[std::string(info.column)] = run.request.texts.*info.text;
    }
    return inputs;
}

// The checked design in English units, as the marching model reads it.
nlohmann::ordered_json designJson(const SizingRun& run) {
    const DesignCase& d = run.request.designCase;
    return {{"capacityTons", d.CAPACITY},
            {"evaporatingF", d.et},
            {"condensingF", d.ct},
            {"superheatF", d.sh},
            {"subcoolingF", d.sc},
            {"maxGradientPsiPerFt", d.dpd},
            {"circuits", run.request.circuits}};
}

nlohmann::ordered_json errorJson(const SizingRun& run) {
    const std::optional<InputField> field = run.errorField();
    const auto name = [&](std::string_view InputFieldInfo::*member) {
        return field ? nlohmann::ordered_json(inputFieldInfo(*field).*member)
                     : nlohmann::ordered_json(nullptr);
    };
    return {{"error", run.errorMessage()},
            {"field", name(&InputFieldInfo::control)},
            {"option", name(&InputFieldInfo::option)}};
}

}  // namespace

void printText(const SizingRun& run, std::FILE* out, std::FILE* err) {
    if (run.outputs) {
        const OutputTexts& o = *run.outputs;
        const UnitLabels& labels = unitLabels(run.unit);
        fmt::print(out, "Line Size : {} {}\n", o.lineSize, o.lineSizeCaption);
        fmt::print(out, "Velocity : {} {}\n", o.velocity, unitCaption(labels.Lbl17));
        fmt::print(out, "Length : {} {}\n", o.length, unitCaption(labels.Lbl19));
        fmt::print(out, "Total Pressure Drop : {} {}\n", o.totalPressureDrop,
                   unitCaption(labels.Lbl15));
        fmt::print(out, "Actual Pressure Drop : {} {}\n", o.actualPressureDrop,
                   unitCaption(labels.Label2));
    }
    if (run.bores) printBoreTable(run, out);
    if (run.exitCode() == kSized) return;
    fmt::print(err, "error: {}\n", run.errorMessage());
    if (const std::optional<InputField> field = run.errorField()) {
        const InputFieldInfo& info = inputFieldInfo(*field);
        fmt::print(err, "field: {} ({})\n", info.control, info.option);
    }
}

nlohmann::ordered_json toJson(const SizingRun& run) {
    nlohmann::ordered_json json;
    if (run.outputs) {
        const OutputTexts& o = *run.outputs;
        const BoreEvaluation& chosen = run.sizing->chosen;
        json = {{"lineSize", o.lineSize},
                {"lineSizeCaption", o.lineSizeCaption},
                {"velocity", o.velocity},
                {"length", o.length},
                {"totalPressureDrop", o.totalPressureDrop},
                {"actualPressureDrop", o.actualPressureDrop},
                {"units", unitSystemName(run.unit)}};
        nlohmann::ordered_json raw = designJson(run);
        raw.update(
            nlohmann::ordered_json{{"boreIndex", chosen.index},
                                   {"diameterFt", chosen.bore.diameterFt},
                                   {"massFlowLbPerH", run.sizing->massFlowLbPerH},
                                   {"totalPressureDropPsi", run.sizing->totalPressureDropPsi},
                                   {"meanVelocityFtPerS", chosen.meanVelocityFtPerS},
                                   {"lengthFt", chosen.lengthFt},
                                   {"gradientPsiPerFt", chosen.gradientPsiPerFt}});
        json["inputs"] = inputsJson(run);
        json["raw"] = std::move(raw);
    } else {
        json = errorJson(run);
        if (run.designChecked()) {  // no bore: the design itself was sound
            json["units"] = unitSystemName(run.unit);
            json["inputs"] = inputsJson(run);
            json["raw"] = designJson(run);
        }
    }
    if (run.bores) {
        nlohmann::ordered_json bores = nlohmann::ordered_json::array();
        for (const BoreEvaluation& bore : *run.bores) bores.push_back(boreJson(bore));
        json["bores"] = std::move(bores);
    }
    return json;
}

}  // namespace capillary::cli
