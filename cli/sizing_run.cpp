#include "sizing_run.h"

#include "engine/messages.h"

namespace capillary::cli {

SizingRun runSizing(InputTexts texts, UnitSystem unit, bool surveyBores) {
    SizingRun run;
    run.unit = unit;
    run.request = CheckCalculationRequest(std::move(texts), unit);
    if (!run.request.ok()) return run;
    const DesignCase& design = run.request.designCase;
    const std::string& refrigerant = run.request.texts.refrigerant;
    run.sizing = SizeCapillary(design, refrigerant, run.request.circuits);
    if (run.sizing) run.outputs = FormatOutputs(*run.sizing, unit);
    if (surveyBores) run.bores = SurveyBores(design, refrigerant, run.request.circuits);
    return run;
}

ExitCode SizingRun::exitCode() const {
    if (!request.ok()) return kInputRejected;
    return sizing ? kSized : kNoBore;
}

std::string_view SizingRun::errorMessage() const {
    if (request.failure) return request.failure->message;
    return sizing ? std::string_view{} : Mdlerror::kNoPipeSize;
}

std::string_view SizingRun::errorField() const {
    return request.failure ? controlName(request.failure->field) : std::string_view{};
}

}  // namespace capillary::cli
