#include "engine/ashrae_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace capillary {
namespace {

const TubeConditions kFirstExample{"R22", 110, 10, 40};

TEST(AshraeChart, FlowFactorIsOneForTheReferenceTube) {
    EXPECT_NEAR(chartFlowFactor(0.064, 80), 1.0, 1e-3);
}

// By hand: R22 at 120 °F gives 273.4684 psia; with 20 °F subcooling a = 0.591095 and
// b = 356.8999, so the reference tube passes 130.5024 lb/h; FF(0.08 in, 120 in) = 1.489549.
TEST(AshraeChart, HandWorkedPoint) {
    const TubeConditions conditions{"R22", 120, 20, 40};
    EXPECT_NEAR(chartFlowFactor(0.08, 120), 1.489549, 1e-6);
    EXPECT_NEAR(*chartReferenceFlow(conditions), 130.5024, 1e-4);
    EXPECT_NEAR(*chartMassFlow(conditions, 0.08 / 12, 10), 194.390, 1e-3);
}

TEST(AshraeChart, FirstExampleIsAboutFourteenFeet) {
    const auto length = chartLength(kFirstExample, 0.0075, 182.19);
    ASSERT_TRUE(length);
    EXPECT_NEAR(*length, 13.9, 0.2);
}

TEST(AshraeChart, LengthInvertsFlow) {
    const struct {
        double boreIn, lengthIn;
    } tubes[] = {{0.031, 40}, {0.05, 60}, {0.064, 80}, {0.09, 166}, {0.1, 300}, {0.12, 150}};
    for (const auto& tube : tubes) {
        const auto flow = chartMassFlow(kFirstExample, tube.boreIn / 12, tube.lengthIn / 12);
        ASSERT_TRUE(flow) << tube.boreIn;
        const auto length = chartLength(kFirstExample, tube.boreIn / 12, *flow);
        ASSERT_TRUE(length) << tube.boreIn;
        EXPECT_NEAR(*length * 12, tube.lengthIn, 1e-9 * tube.lengthIn) << tube.boreIn;
        // The root taken is the one where a longer tube passes less.
        EXPECT_LT(*chartMassFlow(kFirstExample, tube.boreIn / 12, *length * 1.01), *flow);
    }
}

TEST(AshraeChart, NoFigureOutsideTheFit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // More flow than any length of a 0.05 in bore passes on the fit.
    EXPECT_FALSE(chartLength(kFirstExample, 0.05 / 12, 1000));
    for (const char* other : {"R134a", "R407C", "R404A", "R12", ""}) {
        const TubeConditions conditions{other, 110, 10, 40};
        EXPECT_FALSE(chartReferenceFlow(conditions)) << other;
        EXPECT_FALSE(chartMassFlow(conditions, 0.0075, 10)) << other;
        EXPECT_FALSE(chartLength(conditions, 0.0075, 182.19)) << other;
    }
    EXPECT_FALSE(chartReferenceFlow({"R22", 110, -1, 40}));
    EXPECT_FALSE(chartReferenceFlow({"R22", nan, 10, 40}));
    EXPECT_FALSE(chartMassFlow(kFirstExample, 0, 10));
    EXPECT_FALSE(chartMassFlow(kFirstExample, 0.0075, -1));
    EXPECT_FALSE(chartLength(kFirstExample, 0.0075, 0));
    EXPECT_FALSE(chartLength(kFirstExample, nan, 182.19));
}

}  // namespace
}  // namespace capillary
