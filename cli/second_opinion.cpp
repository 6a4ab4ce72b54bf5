#include "second_opinion.h"

#include "engine/ashrae_chart.h"

namespace capillary::cli {

std::optional<SecondOpinion> secondOpinionOf(const SizingRun& run) {
    if (!run.sizing) return std::nullopt;
    const BoreEvaluation& chosen = run.sizing->chosen;
    const DesignCase& d = run.request.designCase;
    const TubeConditions conditions{run.request.texts.refrigerant, d.ct, d.sc, d.et};
    SecondOpinion opinion;
    opinion.boreLabel = chosen.bore.label;
    opinion.diameterFt = chosen.bore.diameterFt;
    opinion.lengthFt = chosen.lengthFt;
    opinion.massFlowLbPerH = run.sizing->massFlowLbPerH;
    opinion.homogeneous = marchHomogeneous(conditions, opinion.diameterFt, opinion.massFlowLbPerH);
    if (conditions.refrigerant == kChartRefrigerant) {
        opinion.chart =
            ChartOpinion{chartMassFlow(conditions, opinion.diameterFt, opinion.lengthFt),
                         chartLength(conditions, opinion.diameterFt, opinion.massFlowLbPerH)};
    }
    return opinion;
}

}  // namespace capillary::cli
