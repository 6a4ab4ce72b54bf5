#pragma once

#include <optional>
#include <string_view>

namespace capillary {

// The one rule for which field texts count as numbers, shared by the calculation, the typing
// checks, the unit conversions and the command-line sizer. A numeric text is an optional sign,
// decimal digits with at most one "." (at least one digit in all), an optional exponent
// ("e" or "E", optional sign, digits), with optional blanks around it. The separator is "."
// whatever the locale. Texts whose value is not a finite double ("1e999") are not numeric, nor
// are "inf", "nan" or hexadecimal forms.
std::optional<double> parseNumericText(std::string_view text);

inline bool isNumericText(std::string_view text) { return parseNumericText(text).has_value(); }

}  // namespace capillary
