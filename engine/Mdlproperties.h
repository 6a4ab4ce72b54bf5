#pragma once

#include <array>
#include <string_view>

namespace capillary {

// Saturated properties of the four refrigerants as polynomials in °F, English units. The
// refrigerant is named by its exact text; any other text (letter case, blanks) gives 0.
inline constexpr std::array<std::string_view, 4> kRefrigerantNames{"R22", "R134a", "R407C",
                                                                   "R404A"};

double saturationPressure(std::string_view refrigerant, double t);  // psia
double liquidEnthalpy(std::string_view refrigerant, double t);      // Btu/lb
double vaporEnthalpy(std::string_view refrigerant, double t);       // Btu/lb
double latentHeat(std::string_view refrigerant, double t);          // Btu/lb
double liquidDensity(std::string_view refrigerant, double t);       // lb/ft³
double vaporDensity(std::string_view refrigerant, double t);        // lb/ft³
double liquidViscosity(std::string_view refrigerant, double t);     // lb/(ft·h)
double vaporViscosity(std::string_view refrigerant, double t);      // lb/(ft·h)

// Saturated vapour at `vaporT` less saturated liquid at `liquidT`, Btu/lb.
double refrigeratingEffect(std::string_view refrigerant, double liquidT, double vaporT);

}  // namespace capillary
