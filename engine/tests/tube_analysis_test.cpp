#include "engine/tube_analysis.h"

#include <gtest/gtest.h>

namespace capillary {
namespace {

// R22, 1 ton, 40 °F evaporating, 110 °F condensing, 10 °F subcooling, 10 psi/ft, one circuit.
const CalculatedDesign kFirstExample{"R22", {1, 40, 110, 0, 10, 10}, 1, UnitSystem::English};

TEST(TubeAnalysis, ShowsEveryBoreAndTheOneTheSizingChose) {
    const TubeAnalysis analysis = analyseTube(kFirstExample);
    const auto sized = SizeCapillary(kFirstExample.design, "R22", 1);
    ASSERT_TRUE(sized && analysis.chosenIndex);
    EXPECT_EQ(*analysis.chosenIndex, sized->chosen.index);
    EXPECT_EQ(analysis.massFlowLbPerH, sized->massFlowLbPerH);
    const auto survey = surveyBores(kFirstExample.design, "R22", 1);
    for (int index = 1; index <= kBoreCount; ++index) {
        EXPECT_EQ(analysis.bore(index).lengthFt, survey[index - 1].lengthFt);
    }
    // The limit as a length: the chosen bore is the first longer than ΔP / limit.
    EXPECT_NEAR(analysis.shortestLengthFt, 12.970, 0.001);
    EXPECT_LT(analysis.bore(7).lengthFt, analysis.shortestLengthFt);
    EXPECT_GT(analysis.bore(8).lengthFt, analysis.shortestLengthFt);
}

TEST(TubeAnalysis, RowsReadAsTheResultBoxes) {
    CalculatedDesign metric{"R22", {0.99520800155, 41, 113, 0, 9, 8.8415}, 1, UnitSystem::Metric};
    const std::vector<BoreRowTexts> rows = boreRowTexts(analyseTube(metric));
    ASSERT_EQ(rows.size(), 14u);
    const BoreRowTexts& chosen = rows[7];
    EXPECT_TRUE(chosen.chosen && chosen.meetsLimit);
    EXPECT_EQ(chosen.boreInches, "0.09");
    EXPECT_EQ(chosen.boreMillimetres, "2.29");
    EXPECT_EQ(chosen.velocity, "4.91");
    EXPECT_EQ(chosen.length, "7137");
    EXPECT_EQ(chosen.totalPressureDrop, "10");
    EXPECT_EQ(chosen.gradient, "1.4");
    EXPECT_FALSE(rows[6].meetsLimit || rows[6].chosen);
}

TEST(TubeAnalysis, ADesignWithoutABoreStillHasItsBores) {
    const CalculatedDesign strict{"R22", {10, 40, 120, 0, 10, 1}, 1, UnitSystem::English};
    const TubeAnalysis analysis = analyseTube(strict);
    EXPECT_FALSE(analysis.chosenIndex);
    EXPECT_FALSE(secondOpinionOnChosen(analysis));
    EXPECT_GT(analysis.bore(14).lengthFt, 0);
    EXPECT_TRUE(flowAlongBore(analysis, 14));
}

TEST(TubeAnalysis, SecondOpinionOnTheChosenBore) {
    const TubeAnalysis analysis = analyseTube(kFirstExample);
    const auto opinion = secondOpinionOnChosen(analysis);
    ASSERT_TRUE(opinion && opinion->homogeneous && opinion->chart);
    EXPECT_EQ(opinion->boreLabel, "0.09");
    EXPECT_NEAR(opinion->homogeneous->totalLengthFt, 12.36, 0.01);
    EXPECT_NEAR(opinion->chart->lengthFt.value_or(0), 13.87, 0.01);
    EXPECT_EQ(flowAlongBore(analysis, 8)->totalLengthFt, opinion->homogeneous->totalLengthFt);
}

// The window's heading names the design in the units it was calculated in.
TEST(TubeAnalysis, DesignSummaryInItsOwnUnits) {
    EXPECT_EQ(designSummary(kFirstExample),
              "R22, 1.00 tons, evaporating 40.0 F, condensing 110.0 F, subcooling 10.0 F, at most "
              "10 Psi / Ft, 1 circuit");
    const CalculatedDesign metric{
        "R134a", {0.99520800155, 41, 113, 0, 9, 8.8415}, 2, UnitSystem::Metric};
    EXPECT_EQ(designSummary(metric),
              "R134a, 3.50 kW, evaporating 5.0 C, condensing 45.0 C, subcooling 5.0 K, at most 2 "
              "Bar / Meter, 2 circuits");
}

// The chosen tube, longer than the homogeneous model needs for the design's flow, passes less
// by that model; marched at that flow, the model's length is the tube's.
TEST(TubeAnalysis, HomogeneousFlowThroughTheChosenTube) {
    const CalculatedDesign twoCircuits{"R22", {1, 40, 110, 0, 10, 10}, 2, UnitSystem::English};
    const TubeAnalysis analysis = analyseTube(twoCircuits);
    ASSERT_TRUE(analysis.chosenIndex);
    const BoreEvaluation& chosen = analysis.bore(*analysis.chosenIndex);
    const auto flow = homogeneousFlowThroughChosen(analysis);
    ASSERT_TRUE(flow);
    EXPECT_LT(*flow, analysis.massFlowLbPerH);
    const TubeConditions conditions{"R22", 110, 10, 40};
    const auto march = marchHomogeneous(conditions, chosen.bore.diameterFt, *flow);
    ASSERT_TRUE(march);
    EXPECT_NEAR(march->totalLengthFt, chosen.lengthFt, 1e-3 * chosen.lengthFt);

    const CalculatedDesign strict{"R22", {10, 40, 120, 0, 10, 1}, 1, UnitSystem::English};
    EXPECT_FALSE(homogeneousFlowThroughChosen(analyseTube(strict)));
}

}  // namespace
}  // namespace capillary
