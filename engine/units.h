#pragma once

#include <cstdint>
#include <string_view>

namespace capillary {

// The unit system the user types and reads values in; the calculation itself always runs in
// English units.
enum class UnitSystem : std::int16_t { English = 0, Metric = 1 };

std::string_view unitSystemName(UnitSystem unit);  // "ip" or "si"

// The quantities typed into the main window that have a Metric form.
enum class Quantity { Capacity, Temperature, TemperatureDifference, PressureGradient };

// Metric (kW, °C, K, bar/m) to English (tons, °F, °F difference, psi/ft) and back.
double toEnglish(Quantity quantity, double metricValue);
double toMetric(Quantity quantity, double englishValue);

// Factors for the results, English to Metric.
inline constexpr double kBarPerPsi = 0.068947573;
inline constexpr double kMetrePerFoot = 0.3048;
inline constexpr double kMillimetrePerFoot = 304.799999;  // the sizer's historic factor
inline constexpr double kPsiPerFootPerBarPerMetre = 4.42075;

// Exact factors for bores and tube lengths.
inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kMillimetresPerInch = 25.4;

}  // namespace capillary
