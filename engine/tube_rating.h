#pragma once

#include <optional>

#include "tube_conditions.h"

namespace capillary {

// The flow a tube of given bore and length passes, and what it carries.
struct FlowRating {
    double massFlowLbPerH = 0.0;  // per circuit
    double capacityTons = 0.0;    // all circuits, with the sizing engine's refrigerating effect
};

struct HomogeneousRating {
    FlowRating flow;
    bool choked = false;  // the flow reaches its critical point at the tube's end
};

// The flow per circuit whose homogeneous length (to the evaporating temperature, or the
// critical length when it chokes first) equals the tube's, within 1e-5 of the flow; none where
// the homogeneous model does not apply.
std::optional<HomogeneousRating> rateHomogeneous(const TubeConditions& conditions,
                                                 double diameterFt, double lengthFt,
                                                 double circuits);

// The ASHRAE chart's flow through the tube; none for any refrigerant but R22.
std::optional<FlowRating> rateChart(const TubeConditions& conditions, double diameterFt,
                                    double lengthFt, double circuits);

// Tons carried by `circuits` tubes each passing the flow, with the refrigerating effect of
// liquid at the condensing temperature evaporated to saturated vapour.
double capacityTons(const TubeConditions& conditions, double massFlowLbPerH, double circuits);

}  // namespace capillary
