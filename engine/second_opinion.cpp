#include "second_opinion.h"

#include "ashrae_chart.h"

namespace capillary {

SecondOpinion secondOpinionOn(const DesignCase& design, std::string_view refrigerant,
                              const BoreEvaluation& bore, double massFlowLbPerH) {
    const TubeConditions conditions = tubeConditions(refrigerant, design);
    SecondOpinion opinion;
    opinion.boreLabel = bore.bore.label;
    opinion.diameterFt = bore.bore.diameterFt;
    opinion.lengthFt = bore.lengthFt;
    opinion.massFlowLbPerH = massFlowLbPerH;
    opinion.homogeneous = marchHomogeneous(conditions, opinion.diameterFt, massFlowLbPerH);
    if (conditions.refrigerant == kChartRefrigerant) {
        opinion.chart =
            ChartOpinion{chartMassFlow(conditions, opinion.diameterFt, opinion.lengthFt),
                         chartLength(conditions, opinion.diameterFt, massFlowLbPerH)};
    }
    return opinion;
}

}  // namespace capillary
