#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design_case.h"
#include "units.h"

namespace capillary {

// The input controls of the main window, in the order the Calculate command checks them.
enum class InputField { Cmbrt, Txtcapacity, Txtet, Txtct, Txtsh, Txtsc, Cmbdpd, Txtcircuit };

std::string_view controlName(InputField field);  // the control's object name, e.g. "Txtcircuit"

// The texts of the eight input controls as the user typed them.
struct InputTexts {
    std::string refrigerant;
    std::string capacity;
    std::string evaporating;
    std::string condensing;
    std::string superheat = "0";  // the hidden field starts at "0"
    std::string subcooling;
    std::string maxPressureDrop;
    std::string circuits;
};

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
CalculationRequest CheckCalculationRequest(InputTexts texts, UnitSystem unit);

}  // namespace capillary
