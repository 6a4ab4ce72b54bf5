#pragma once

#include <string_view>

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

}  // namespace capillary
