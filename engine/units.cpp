#include "units.h"

namespace capillary {
namespace {

constexpr double kTonsPerKilowatt = 0.2843451433;
constexpr double kFahrenheitPerKelvin = 1.8;
constexpr double kFahrenheitAtZeroCelsius = 32.0;

}  // namespace

std::string_view unitSystemName(UnitSystem unit) {
    return unit == UnitSystem::Metric ? "si" : "ip";
}

double toEnglish(Quantity quantity, double metricValue) {
    switch (quantity) {
        case Quantity::Capacity:
            return metricValue * kTonsPerKilowatt;
        case Quantity::Temperature:
            return metricValue * kFahrenheitPerKelvin + kFahrenheitAtZeroCelsius;
        case Quantity::TemperatureDifference:
            return metricValue * kFahrenheitPerKelvin;
        case Quantity::PressureGradient:
            return metricValue * kPsiPerFootPerBarPerMetre;
    }
    return metricValue;
}

double toMetric(Quantity quantity, double englishValue) {
    switch (quantity) {
        case Quantity::Capacity:
            return englishValue / kTonsPerKilowatt;
        case Quantity::Temperature:
            return (englishValue - kFahrenheitAtZeroCelsius) / kFahrenheitPerKelvin;
        case Quantity::TemperatureDifference:
            return englishValue / kFahrenheitPerKelvin;
        case Quantity::PressureGradient:
            return englishValue / kPsiPerFootPerBarPerMetre;
    }
    return englishValue;
}

}  // namespace capillary
