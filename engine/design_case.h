#pragma once

namespace capillary {

// A checked design point in English units, as the marching model reads it.
struct DesignCase {
    double CAPACITY = 0.0;  // tons of refrigeration
    double et = 0.0;        // evaporating temperature, °F
    double ct = 0.0;        // condensing temperature, °F
    double sh = 0.0;        // superheat, °F difference (influences no result)
    double sc = 0.0;        // subcooling, °F difference
    double dpd = 0.0;       // maximum pressure drop per length, psi/ft
};

}  // namespace capillary
