#pragma once

#include <string_view>

#include "design_case.h"

namespace capillary {

// The refrigerant and the temperatures a capillary works between, as the second-opinion
// models (the homogeneous flashing-flow march, the ASHRAE chart) read them. English units.
struct TubeConditions {
    std::string_view refrigerant;
    double condensingF = 0.0;
    double subcoolingF = 0.0;  // °F difference; the liquid enters at condensing less this
    double evaporatingF = 0.0;

    double inletF() const { return condensingF - subcoolingF; }
};

// The conditions of a checked design point (its condensing, subcooling and evaporating
// temperatures).
inline TubeConditions tubeConditions(std::string_view refrigerant, const DesignCase& design) {
    return {refrigerant, design.ct, design.sc, design.et};
}

}  // namespace capillary
