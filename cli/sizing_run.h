#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/MdlLiquid.h"
#include "engine/calculation_request.h"
#include "engine/output_texts.h"
#include "exit_codes.h"

namespace capillary::cli {

// One design taken through the same steps as the window's Calculate command.
struct SizingRun {
    UnitSystem unit = UnitSystem::English;
    CalculationRequest request;
    std::optional<Sizing> sizing;
    std::optional<OutputTexts> outputs;
    std::optional<std::array<BoreEvaluation, kBoreCount>> bores;  // when asked for

    ExitCode exitCode() const;
    // The message a failed run reports, and the control it names (empty when none).
    std::string_view errorMessage() const;
    std::string_view errorField() const;
};

SizingRun runSizing(InputTexts texts, UnitSystem unit, bool surveyBores);

}  // namespace capillary::cli
