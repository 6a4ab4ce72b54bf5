#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design_case.h"
#include "input_fields.h"
#include "units.h"

namespace capillary {

struct InputFailure {
    InputField field;
    std::string_view message;
};

// The outcome of checking a Calculate request.
struct CalculationRequest {
    // The texts as checked: empty or non-numeric superheat and subcooling become "0" once their
    // checks are reached, even when a later check fails.
    InputTexts texts;
    std::optional<InputFailure> failure;  // the first check that failed, if any
    DesignCase designCase;                // English units; meaningful only without a failure
    double circuits = 0.0;

    bool ok() const { return !failure.has_value(); }
};

// Runs the Calculate command's checks in order, stopping at the first failure, and converts
// the design to English units.
CalculationRequest checkCalculationRequest(InputTexts texts, UnitSystem unit);

}  // namespace capillary
