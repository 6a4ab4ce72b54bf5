#pragma once

#include <string>
#include <string_view>

#include "MdlLiquid.h"
#include "units.h"

namespace capillary {

inline constexpr std::string_view kLineSizeCaption = "Inch Copper Tube Inside diameter";

// The five result texts of a sizing as the main window shows them, in the chosen units.
struct OutputTexts {
    std::string lineSize;            // the bore label, always inches
    std::string velocity;            // ft/s or m/s, two decimals
    std::string length;              // ft with one decimal, or whole mm
    std::string totalPressureDrop;   // psi or bar, whole
    std::string actualPressureDrop;  // psi/ft or bar/m, one decimal
    std::string lineSizeCaption;
};

OutputTexts formatOutputs(const Sizing& sizing, UnitSystem unit);

// Any bore's velocity, length and mean gradient as the result boxes would show them.
struct BoreFigureTexts {
    std::string velocity, length, gradient;
};

BoreFigureTexts formatBoreFigures(const BoreEvaluation& bore, UnitSystem unit);

}  // namespace capillary
