#include "tube_analysis.h"

#include "figure_texts.h"
#include "fixed_point.h"
#include "output_texts.h"
#include "tube_rating.h"
#include "unit_labels.h"
#include "units.h"

namespace capillary {

TubeAnalysis analyseTube(const CalculatedDesign& calculated) {
    TubeAnalysis analysis;
    analysis.calculated = calculated;
    const March march =
        prepareMarch(calculated.design, calculated.refrigerant, calculated.circuits);
    for (int index = 1; index <= kBoreCount; ++index) {
        analysis.bores[static_cast<std::size_t>(index - 1)] =
            evaluateBore(march, index, calculated.design.dpd);
    }
    // The first bore that qualifies is the one SizeCapillary chooses.
    for (const BoreEvaluation& bore : analysis.bores) {
        if (bore.accepted) {
            analysis.chosenIndex = bore.index;
            break;
        }
    }
    analysis.massFlowLbPerH = march.massFlowLbPerH;
    analysis.shortestLengthFt = march.totalPressureDropPsi / calculated.design.dpd;
    return analysis;
}

std::string designSummary(const CalculatedDesign& c) {
    const UnitSystem unit = c.unit;
    const bool metric = unit == UnitSystem::Metric;
    const double subcooling =
        metric ? toMetric(Quantity::TemperatureDifference, c.design.sc) : c.design.sc;
    const double gradient =
        metric ? toMetric(Quantity::PressureGradient, c.design.dpd) : c.design.dpd;
    const std::string circuits = formatPlainDecimal(c.circuits);
    return c.refrigerant + ", " + capacityText(c.design.CAPACITY, unit) + ", evaporating " +
           temperatureText(c.design.et, unit) + ", condensing " +
           temperatureText(c.design.ct, unit) + ", subcooling " + formatFixed(subcooling, 1) +
           (metric ? " K" : " F") + ", at most " + formatPlainDecimal(roundHalfAway(gradient, 2)) +
           " " + std::string(unitCaption(unitLabels(unit).Label2)) + ", " + circuits +
           (c.circuits == 1 ? " circuit" : " circuits");
}

std::optional<HomogeneousFlow> flowAlongBore(const TubeAnalysis& analysis, int index) {
    const CalculatedDesign& c = analysis.calculated;
    const TubeConditions conditions = tubeConditions(c.refrigerant, c.design);
    return marchHomogeneous(conditions, analysis.bore(index).bore.diameterFt,
                            analysis.massFlowLbPerH);
}

std::optional<SecondOpinion> secondOpinionOnChosen(const TubeAnalysis& analysis) {
    if (!analysis.chosenIndex) return std::nullopt;
    const CalculatedDesign& c = analysis.calculated;
    return secondOpinionOn(c.design, c.refrigerant, analysis.bore(*analysis.chosenIndex),
                           analysis.massFlowLbPerH);
}

std::optional<double> homogeneousFlowThroughChosen(const TubeAnalysis& analysis) {
    if (!analysis.chosenIndex) return std::nullopt;
    const CalculatedDesign& c = analysis.calculated;
    const TubeConditions conditions = tubeConditions(c.refrigerant, c.design);
    const BoreEvaluation& chosen = analysis.bore(*analysis.chosenIndex);
    const auto rating =
        rateHomogeneous(conditions, chosen.bore.diameterFt, chosen.lengthFt, c.circuits);
    if (!rating) return std::nullopt;
    return rating->flow.massFlowLbPerH;
}

std::vector<BoreRowTexts> boreRowTexts(const TubeAnalysis& analysis) {
    const UnitSystem unit = analysis.calculated.unit;
    std::vector<BoreRowTexts> rows;
    for (const BoreEvaluation& bore : analysis.bores) {
        const BoreFigureTexts figures = formatBoreFigures(bore, unit);
        const double dp = bore.totalPressureDropPsi;
        const double inches = bore.bore.diameterFt * kInchesPerFoot;
        rows.push_back({std::string(bore.bore.label), formatFixed(inches * kMillimetresPerInch, 2),
                        figures.velocity, figures.length,
                        formatFixed(unit == UnitSystem::Metric ? dp * kBarPerPsi : dp, 0),
                        figures.gradient, bore.accepted, analysis.chosenIndex == bore.index});
    }
    return rows;
}

}  // namespace capillary
