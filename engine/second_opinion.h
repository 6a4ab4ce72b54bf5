#pragma once

#include <optional>
#include <string_view>

#include "MdlLiquid.h"
#include "design_case.h"
#include "homogeneous_flow.h"

namespace capillary {

// The ASHRAE chart's fits were made for R22 (and R12, which the sizer does not offer).
inline constexpr std::string_view kChartRefrigerant = "R22";

// The chart's view of a tube the sizing model gave.
struct ChartOpinion {
    std::optional<double> massFlowLbPerH;  // through the bore at the sizing's length
    std::optional<double> lengthFt;        // of the bore for the design's flow
};

// A tube of the sizing model set against the two other models, for the design's flow per
// circuit.
struct SecondOpinion {
    std::string_view boreLabel;
    double diameterFt = 0.0;
    double lengthFt = 0.0;  // the sizing model's
    double massFlowLbPerH = 0.0;
    std::optional<HomogeneousFlow> homogeneous;  // none where the model does not apply
    std::optional<ChartOpinion> chart;           // none but for R22
};

// What the homogeneous model and, for R22, the chart say of `bore` as the sizing model found it
// for the design.
SecondOpinion secondOpinionOn(const DesignCase& design, std::string_view refrigerant,
                              const BoreEvaluation& bore, double massFlowLbPerH);

}  // namespace capillary
