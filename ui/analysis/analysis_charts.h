#pragma once

#include <QString>

#include "engine/homogeneous_flow.h"
#include "engine/tube_analysis.h"

class QChart;

namespace capillary {

// The object names of the marked series, so that a reader (or a test) can find them.
inline constexpr const char* kChosenBoreSeries = "ChosenBore";
inline constexpr const char* kLimitSeries = "ShortestLength";
inline constexpr const char* kChokeSeries = "ChokePoint";

// Length against bore on a logarithmic length axis: every bore with a real tube, the chosen
// one marked, and the shortest length the gradient limit allows (bores below it fail).
QChart* makeBoreChart(const TubeAnalysis& analysis);

// Pressure and temperature against the length from the inlet, by the homogeneous model; the
// choke point marked when the flow chokes.
QChart* makePressureChart(const HomogeneousFlow& flow, UnitSystem unit);

// Quality and velocity against the length from the inlet, the choke point marked likewise.
QChart* makeQualityChart(const HomogeneousFlow& flow, UnitSystem unit);

// An empty chart with a title that says why there is nothing to draw.
QChart* makeEmptyChart(const QString& why);

}  // namespace capillary
