#pragma once

#include <optional>

#include "tube_conditions.h"

namespace capillary {

// The ASHRAE handbook's curve fits of its capillary rating charts: choked flow through a
// straight tube with a subcooled inlet. They were fitted for R12 and R22, so every function
// taking conditions gives none for any refrigerant but R22. The flow being choked, the
// evaporating temperature plays no part.

// The flow of the reference tube, 0.064 in bore and 80 in long, lb/h; the inlet pressure is the
// saturation pressure at the condensing temperature.
std::optional<double> chartReferenceFlow(const TubeConditions& conditions);

// The flow of a tube over that of the reference tube; bore and length in inches.
double chartFlowFactor(double diameterIn, double lengthIn);

// The flow the chart gives a tube, lb/h.
std::optional<double> chartMassFlow(const TubeConditions& conditions, double diameterFt,
                                    double lengthFt);

// The length, ft, at which a bore passes the flow on the chart; none when no length of that bore
// does (or no length on the part of the fit where the flow falls as the tube grows).
std::optional<double> chartLength(const TubeConditions& conditions, double diameterFt,
                                  double massFlowLbPerH);

}  // namespace capillary
