#include "engine/MdlLiquid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Mdlfrictionfactor.h"

namespace capillary {
namespace {

// R22, 1 ton, 40 °F evaporating, 110 °F condensing, 10 °F subcooling, 10 psi/ft.
const DesignCase kFirstExample{1, 40, 110, 0, 10, 10};

// Inches over twelve in 64-bit arithmetic land exactly on these two foot values; a shortened
// foot constant would not, and the bores grow without a gap in the order they are tried.
TEST(MdlLiquid, BoreDiametersAreExactAndAscending) {
    EXPECT_EQ(BoreTable[7].diameterFt, 0.0075);
    EXPECT_EQ(BoreTable[12].diameterFt, 0.015);
    for (std::size_t i = 1; i < BoreTable.size(); ++i) {
        EXPECT_LT(BoreTable[i - 1].diameterFt, BoreTable[i].diameterFt) << BoreTable[i].label;
    }
}

TEST(MdlLiquid, MarchOfTheFirstExample) {
    const March m = prepareMarch(kFirstExample, "R22", 1);
    EXPECT_EQ(m.temperatureF[0], 101);  // one degree above condensing less subcooling
    EXPECT_EQ(m.temperatureF[0] - m.temperatureF[1], 15.25);
    EXPECT_EQ(m.temperatureF[4], 40);
    EXPECT_NEAR(m.refrigeratingEffect, 65.87, 0.005);
    EXPECT_NEAR(m.massFlowLbPerH, 182.19, 0.005);
    EXPECT_NEAR(m.totalPressureDropPsi, 129.70, 0.005);
    // The 0.08 in bore is just too steep; the 0.09 in bore is chosen.
    EXPECT_NEAR(evaluateBore(m, 7, kFirstExample.dpd).gradientPsiPerFt, 10.52, 0.005);
    EXPECT_FALSE(evaluateBore(m, 7, kFirstExample.dpd).accepted);
    const auto sizing = SizeCapillary(kFirstExample, "R22", 1);
    ASSERT_TRUE(sizing);
    EXPECT_EQ(sizing->chosen.index, 8);
    EXPECT_EQ(sizing->chosen.bore.label, "0.09");
}

TEST(MdlLiquid, SuperheatChangesNothing) {
    DesignCase heated = kFirstExample;
    heated.sh = 25;
    const auto a = SizeCapillary(kFirstExample, "R22", 1);
    const auto b = SizeCapillary(heated, "R22", 1);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->chosen.lengthFt, b->chosen.lengthFt);
    EXPECT_EQ(a->chosen.meanVelocityFtPerS, b->chosen.meanVelocityFtPerS);
}

TEST(MdlLiquid, AGradientEqualToTheLimitIsRejected) {
    const March m = prepareMarch(kFirstExample, "R22", 1);
    const double gradient = evaluateBore(m, 8, 100).gradientPsiPerFt;
    EXPECT_FALSE(evaluateBore(m, 8, gradient).accepted);
    EXPECT_TRUE(evaluateBore(m, 8, std::nextafter(gradient, 100.0)).accepted);
}

TEST(MdlLiquid, LaminarStepsUseSixtyFourOverReynolds) {
    // A hand-made march whose single-phase steps have a Reynolds number of exactly 2000 in the
    // smallest bore: that is still laminar.
    const double d = BoreTable[0].diameterFt;
    March m;
    m.massFlowLbPerH = 2000 * d;
    m.totalPressureDropPsi = 4;
    for (int k = 1; k <= kMarchSteps; ++k) {
        m.pressureDropPsi[k] = 1;
        m.density[k] = 80;
        m.viscosity[k] = 1;
    }
    ASSERT_EQ(m.massFlowLbPerH / (m.viscosity[1] * d), 2000.0);
    // By hand with f = 64 / 2000 = 0.032: V = 5.30786 ft/s, each step 0.214298 ft long.
    const BoreEvaluation bore = evaluateBore(m, 1, 1e9);
    EXPECT_NEAR(bore.meanVelocityFtPerS, 5.307856, 1e-6);
    EXPECT_NEAR(bore.lengthFt, 0.857194, 1e-6);
}

TEST(MdlLiquid, MoreCircuitsOrAWiderLimitGiveASmallerBore) {
    const auto one = SizeCapillary(kFirstExample, "R22", 1);
    const auto two = SizeCapillary(kFirstExample, "R22", 2);
    DesignCase strict = kFirstExample;
    strict.dpd = 5;
    const auto tight = SizeCapillary(strict, "R22", 1);
    ASSERT_TRUE(one && two && tight);
    EXPECT_EQ(two->chosen.bore.label, "0.07");
    EXPECT_EQ(tight->chosen.bore.label, "0.1");
    EXPECT_LT(two->chosen.index, one->chosen.index);
}

// Designs the march cannot size: every bore must be refused instead of reporting a negative,
// infinite or NaN length, or a march no real tube could follow.
TEST(MdlLiquid, DesignsWithoutARealTubeFindNoBore) {
    struct Case {
        const char* what;
        DesignCase design;
        const char* refrigerant;
        double circuits;
    };
    const double huge = std::numeric_limits<double>::max();
    const Case cases[] = {
        {"evaporating at the inlet temperature", {1, 101, 110, 0, 10, 10}, "R22", 1},
        {"evaporating above the inlet temperature", {1, 120, 110, 0, 10, 10}, "R22", 1},
        {"unknown refrigerant", {1, 40, 110, 0, 10, 10}, "R12", 1},
        {"blank refrigerant", {1, 40, 110, 0, 10, 10}, " ", 1},
        {"overflowing capacity", {huge, 40, 110, 0, 10, 10}, "R22", 1},
        {"overflowing temperatures", {1, -1e300, 1e300, 0, 10, 10}, "R22", 1},
        {"too strict a limit", {10, 40, 120, 0, 10, 1}, "R22", 1},
        {"no limit at all", {1, 40, 110, 0, 10, 0}, "R22", 1},
        // Polynomials far past their range give negative velocities, pressure drops or
        // flashed fractions that still look like a tube when added up.
        {"subcooling far below zero", {1, 40, 110, 0, -1000, 10}, "R22", 1},
        {"pressure rising along the tube", {1, 230, 268, 0, 40, 10}, "R22", 1},
        {"negative refrigerating effect", {0.2843451433, 104, 230, 0, 18, 44.2075}, "R404A", 1},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(SizeCapillary(c.design, c.refrigerant, c.circuits)) << c.what;
        for (const BoreEvaluation& bore : surveyBores(c.design, c.refrigerant, c.circuits)) {
            EXPECT_FALSE(bore.accepted) << c.what << ", bore " << bore.bore.label;
        }
    }
}

TEST(MdlLiquid, SurveyAgreesWithTheChosenBore) {
    const auto sizing = SizeCapillary(kFirstExample, "R22", 1);
    const auto survey = surveyBores(kFirstExample, "R22", 1);
    ASSERT_TRUE(sizing);
    for (const BoreEvaluation& bore : survey) {
        EXPECT_EQ(bore.accepted, bore.index >= sizing->chosen.index) << bore.bore.label;
    }
    EXPECT_EQ(survey[7].lengthFt, sizing->chosen.lengthFt);
}

}  // namespace
}  // namespace capillary
