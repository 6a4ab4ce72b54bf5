#pragma once

#include <string>

namespace capillary {

// Fixed-point text with `decimals` digits after a "." (none for 0), at least one digit before
// it. A value exactly halfway between two displayable values goes away from zero, as
// engineers round by hand; a value that rounds to zero is shown without a minus sign.
std::string formatFixed(double value, int decimals);

// The number formatFixed shows, as a double.
double roundHalfAway(double value, int decimals);

// The shortest plain decimal that reads back as `value`, without exponent or trailing zeros:
// 2.2 gives "2.2", 4.0 gives "4", 0.5 gives "0.5".
std::string formatPlainDecimal(double value);

}  // namespace capillary
