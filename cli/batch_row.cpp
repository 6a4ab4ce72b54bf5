#include "batch_row.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include <fmt/core.h>

#include "engine/csv_text.h"
#include "sizing_run.h"

namespace capillary::cli {
namespace {

std::optional<UnitSystem> unitOf(std::string text, UnitSystem defaultUnit) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return defaultUnit;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (text == "ip") return UnitSystem::English;
    if (text == "si") return UnitSystem::Metric;
    return std::nullopt;
}

// The row's fields as the inputs of the window; a column left out is an empty field, and a
// missing superheat the hidden field's "0".
InputTexts inputsOf(const BatchHeader& header, const std::vector<std::string>& fields) {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        if (const auto& index = header.indexOf[static_cast<std::size_t>(info.field)]) {
            texts.*info.text = fields[*index];
        }
    }
    return texts;
}

void appendResults(std::string& out, const SizingRun* run, std::string_view error) {
    if (run && run->outputs) {
        const OutputTexts& o = *run->outputs;
        for (const std::string* text :
             {&o.lineSize, &o.velocity, &o.length, &o.totalPressureDrop, &o.actualPressureDrop}) {
            appendCsvField(out, *text, false);
        }
    } else {
        out += ",,,,,";
    }
    appendCsvField(out, error, false);
    out += '\n';
}

}  // namespace

RowOutcome sizeBatchRow(const BatchHeader& header, std::vector<std::string>& fields,
                        UnitSystem defaultUnit, std::string& out) {
    const std::size_t width = header.width();
    std::string error;
    if (fields.size() != width) {
        error = fmt::format("the row has {} fields; the header has {}", fields.size(), width);
    }
    fields.resize(width);  // the output keeps the header's shape; the error says why
    for (std::size_t i = 0; i < width; ++i) appendCsvField(out, fields[i], i == 0);
    if (!error.empty()) {
        appendResults(out, nullptr, error);
        return RowOutcome::Rejected;
    }

    const auto& unitsIndex = header.indexOf[kUnitsColumn];
    const std::optional<UnitSystem> unit =
        unitsIndex ? unitOf(fields[*unitsIndex], defaultUnit) : defaultUnit;
    if (!unit) {
        appendResults(out, nullptr, "units must be ip or si");
        return RowOutcome::Rejected;
    }
    const SizingRun run = runSizing(inputsOf(header, fields), *unit, InputSource::BatchRow, false);
    appendResults(out, &run, run.errorMessage());
    switch (run.exitCode()) {
        case kSized:
            return RowOutcome::Sized;
        case kNoBore:
            return RowOutcome::NoBore;
        default:
            return RowOutcome::Rejected;
    }
}

}  // namespace capillary::cli
