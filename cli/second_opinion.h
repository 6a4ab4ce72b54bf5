#pragma once

#include <optional>
#include <string_view>

#include "engine/homogeneous_flow.h"
#include "sizing_run.h"

namespace capillary::cli {

// The ASHRAE chart's fits were made for R22 (and R12, which the sizer does not offer).
inline constexpr std::string_view kChartRefrigerant = "R22";

// The chart's view of the sized tube.
struct ChartOpinion {
    std::optional<double> massFlowLbPerH;  // through the sized bore at the sizing's length
    std::optional<double> lengthFt;        // of the sized bore for the design's flow
};

// The sized tube set against the two other models, for the design's flow per circuit.
struct SecondOpinion {
    std::string_view boreLabel;
    double diameterFt = 0.0;
    double lengthFt = 0.0;  // the sizing model's
    double massFlowLbPerH = 0.0;
    std::optional<HomogeneousFlow> homogeneous;  // none where the model does not apply
    std::optional<ChartOpinion> chart;           // none but for R22
};

// None when the run sized no tube.
std::optional<SecondOpinion> secondOpinionOf(const SizingRun& run);

}  // namespace capillary::cli
