#pragma once

#include <string>
#include <string_view>

#include "units.h"

namespace capillary {

// A unit caption of the main window without the trailing blank its layout gives some: "Ft".
std::string_view unitCaption(std::string_view label);

// A second opinion's figures in the chosen units, each with its unit, rounded as the window's
// result lines round lengths and velocities: "13.4 Ft" or "4085 mm", "130.25 FPS" or "39.70 m/s".
std::string lengthText(double feet, UnitSystem unit);
std::string velocityText(double feetPerSecond, UnitSystem unit);
std::string massFlowText(double poundsPerHour, UnitSystem unit);  // lb/h or kg/h
std::string temperatureText(double fahrenheit, UnitSystem unit);  // F or C
std::string capacityText(double tons, UnitSystem unit);           // tons or kW

}  // namespace capillary
