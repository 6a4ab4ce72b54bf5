#include "sizing_run.h"

#include "engine/messages.h"

namespace capillary::cli {
namespace {

std::optional<TypingRejection> rejectionOf(const InputTexts& texts, UnitSystem unit,
                                           InputSource source) {
    if (source == InputSource::ProjectFile) return std::nullopt;
    std::optional<TypingRejection> rejection = firstTypingRejection(texts, unit);
    if (rejection) {
        const InputFieldInfo& info = inputFieldInfo(rejection->field);
        const std::string_view name = source == InputSource::Options ? info.option : info.column;
        rejection->reason = describeRejection(name, texts.*info.text, rejection->reason);
    }
    return rejection;
}

}  // namespace

SizingRun runSizing(InputTexts texts, UnitSystem unit, InputSource source, bool withBores) {
    SizingRun run;
    run.unit = unit;
    run.rejection = rejectionOf(texts, unit, source);
    if (run.rejection) return run;
    run.request = checkCalculationRequest(std::move(texts), unit);
    if (!run.request.ok()) return run;
    const DesignCase& design = run.request.designCase;
    const std::string& refrigerant = run.request.texts.refrigerant;
    run.sizing = SizeCapillary(design, refrigerant, run.request.circuits);
    if (run.sizing) run.outputs = formatOutputs(*run.sizing, unit);
    if (withBores) run.bores = surveyBores(design, refrigerant, run.request.circuits);
    return run;
}

ExitCode SizingRun::exitCode() const {
    if (!designChecked()) return kInputRejected;
    return sizing ? kSized : kNoBore;
}

std::string_view SizingRun::errorMessage() const {
    if (rejection) return rejection->reason;
    if (request.failure) return request.failure->message;
    return sizing ? std::string_view{} : Mdlerror::kNoPipeSize;
}

std::optional<InputField> SizingRun::errorField() const {
    if (rejection) return rejection->field;
    if (request.failure) return request.failure->field;
    return std::nullopt;
}

}  // namespace capillary::cli
