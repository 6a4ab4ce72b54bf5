#pragma once

#include <array>
#include <string>
#include <string_view>

#include "homogeneous_flow.h"
#include "units.h"

namespace capillary {

// A point of the homogeneous march in the design's units: °F, psia, ft/s, ft or °C, bar,
// m/s, m; quality and Reynolds number have none.
struct FlowProfileFigures {
    double temperature;
    double pressure;
    double quality;
    double velocity;
    double reynolds;
    double length;
};

FlowProfileFigures flowProfileFigures(const FlowProfilePoint& point, UnitSystem unit);

// The same as texts, with enough digits to follow a 1 °F step in every column.
std::array<std::string, 6> flowProfileTexts(const FlowProfilePoint& point, UnitSystem unit);

// A length along the tube in the profile's own unit (ft or m), as the step table shows it:
// "12.3617 ft", "3.76784 m".
std::string profileLengthText(double feet, UnitSystem unit);

// The units of the columns, in the order of the figures: "F", "psia", "", "ft/s", "", "ft".
std::array<std::string_view, 6> flowProfileUnits(UnitSystem unit);

}  // namespace capillary
