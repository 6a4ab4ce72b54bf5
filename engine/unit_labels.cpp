#include "unit_labels.h"

namespace capillary {
namespace {

constexpr UnitLabels kEnglish{
    "System Capacity (tons) :",
    "Evaporating Temperature (F) :",
    "Condensing Temperature (F) :",
    "Superheat (F) :",
    "Subcool (F) :",
    "Max. Pressure drop (Psi / Ft) :",
    "Psi",
    "FPS",
    "Ft ",
    "Psi / Ft",
    "Valid Range Is 1 to 10 Ton",
    "Valid Range Is -40 to 55 F",
    "Valid Range Is 80 to 150 F",
    "Valid Range Is 0 to 50 F",
    "Valid Range Is 0 to 20 F",
    {"1", "1.5", "2", "3", "4", "5", "7", "10", "15", "20", "30", "40", "50", "70", "100"},
    1,
};

constexpr UnitLabels kMetric{
    "System Capacity (kw) :",
    "Evaporating Temperature (C) :",
    "Condensing Temperature (C) :",
    "Superheat (C) :",
    "Subcool (C) :",
    "Max. Pressure drop (Bar / Meter) :",
    "bar",
    "m/s",
    "mm ",
    "Bar / Meter",
    "Valid Range Is 1 to 35 KW",
    "Valid Range Is -40 to 12 C",
    "Valid Range Is 25 to 65 C",
    "Valid Range Is 0 to 25 C",
    "Valid Range Is 0 to 10 C",
    {"0.05", "0.1", "0.15", "0.2", "0.25", "0.35", "0.5", "0.7", "1", "1.5", "2", "2.5", "3.5", "5",
     "7"},
    2,
};

}  // namespace

const UnitLabels& unitLabels(UnitSystem unit) {
    return unit == UnitSystem::Metric ? kMetric : kEnglish;
}

}  // namespace capillary
