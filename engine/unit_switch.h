#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "units.h"

namespace capillary {

// A typed input converted into the other unit system when the user switches: a numeric text
// becomes the converted value rounded to a whole number (halves away from zero); any other
// text (empty, say) is returned unchanged.
std::string convertInputText(std::string_view text, Quantity quantity, UnitSystem target);

// The maximum pressure drop converted into `target` and rounded to its decimals (one for
// psi/ft, two for bar/m); none when the text is not numeric.
std::optional<double> convertPressureDrop(std::string_view text, UnitSystem target);

// The saved pressure drop as opening a project file first stores it: taken into the other
// unit system, so that relabelling into the file's system converts it back and rounds it.
// None when the text is not numeric, or too large to convert.
std::optional<std::string> openingPressureDropText(std::string_view text, UnitSystem fileUnit);

// How the pressure drop of a reopened project file shows: the saved value taken through the
// file's unit system and back, so it appears rounded to that system's decimals ("0.123" in a
// Metric design shows "0.12", "4.27" in an English one "4.3"); none when not numeric.
std::optional<std::string> reformatSavedPressureDrop(std::string_view text, UnitSystem fileUnit);

}  // namespace capillary
