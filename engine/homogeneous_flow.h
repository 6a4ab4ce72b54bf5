#pragma once

#include <optional>
#include <vector>

#include "tube_conditions.h"

namespace capillary {

// The temperature step of the two-phase march, °F. Halving it moves the length by well under
// 0.5 % over the working range of the four refrigerants.
inline constexpr double kHomogeneousStepF = 1.0;

// One point along the tube, from the inlet.
struct FlowProfilePoint {
    double temperatureF = 0.0;
    double pressurePsia = 0.0;
    double quality = 0.0;
    double velocityFtPerS = 0.0;
    double reynolds = 0.0;
    double lengthFt = 0.0;  // from the tube inlet
};

// Where the flow reaches the speed of sound of the homogeneous mixture, so that no longer tube
// could carry it further down in pressure.
struct ChokePoint {
    double temperatureF = 0.0;
    double pressurePsia = 0.0;
};

struct HomogeneousFlow {
    double liquidLengthFt = 0.0;  // the subcooled liquid ahead of the first flashing
    double totalLengthFt = 0.0;   // to the evaporating temperature, or to the choke point
    std::optional<ChokePoint> choke;
    double exitQuality = 0.0;
    double exitVelocityFtPerS = 0.0;
    // The tube inlet first, then the flashing point (when there is subcooling), then the end of
    // each temperature step; the last point is the exit.
    std::vector<FlowProfilePoint> profile;

    bool choked() const { return choke.has_value(); }
};

// The adiabatic homogeneous flashing-flow model of a straight capillary: subcooled liquid down
// to its saturation pressure, then equilibrium two-phase flow in temperature steps, each step's
// length from the momentum balance with wall friction and acceleration. None for inputs
// outside the model: a bore or flow that is not finite and positive, an evaporating temperature
// not below the inlet, an unknown refrigerant, or property correlations extrapolated beyond
// physical values.
std::optional<HomogeneousFlow> marchHomogeneous(const TubeConditions& conditions, double diameterFt,
                                                double massFlowLbPerH,
                                                double stepF = kHomogeneousStepF);

}  // namespace capillary
