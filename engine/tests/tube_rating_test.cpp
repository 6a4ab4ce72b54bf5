#include "engine/tube_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/MdlLiquid.h"
#include "engine/ashrae_chart.h"
#include "engine/homogeneous_flow.h"

namespace capillary {
namespace {

const TubeConditions kFirstExample{"R22", 110, 10, 40};

// Rating the tube the homogeneous model gives for a flow returns that flow.
TEST(TubeRating, HomogeneousRatingInvertsTheLength) {
    const struct {
        const char* what;
        TubeConditions conditions;
        double diameterFt, massFlowLbPerH;
    } cases[] = {
        {"first example", kFirstExample, 0.0075, 182.19},
        {"choked", {"R22", 110, 10, -20}, 0.0075, 182.19},
        {"small bore, low flow", {"R22", 100, 5, 40}, 0.04 / 12, 15},
        {"R134a", {"R134a", 126, 27, -10}, 1.1 / 304.8, 32},
        {"R404A", {"R404A", 100, 15, -10}, 0.05 / 12, 40},
    };
    for (const auto& c : cases) {
        const auto march = marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH);
        ASSERT_TRUE(march) << c.what;
        const auto rating = rateHomogeneous(c.conditions, c.diameterFt, march->totalLengthFt, 3);
        ASSERT_TRUE(rating) << c.what;
        EXPECT_NEAR(rating->flow.massFlowLbPerH, c.massFlowLbPerH, 1e-3 * c.massFlowLbPerH)
            << c.what;
        EXPECT_EQ(rating->choked, march->choked()) << c.what;
        EXPECT_NEAR(rating->flow.capacityTons,
                    capacityTons(c.conditions, rating->flow.massFlowLbPerH, 3), 1e-12)
            << c.what;
    }
}

// The capacity goes back through the sizing engine's own flow for the same design.
TEST(TubeRating, CapacityMatchesTheSizingEngine) {
    const DesignCase design{1, 40, 110, 0, 10, 10};
    for (double circuits : {1.0, 2.0, 3.5}) {
        const March march = prepareMarch(design, "R22", circuits);
        EXPECT_NEAR(capacityTons(kFirstExample, march.massFlowLbPerH, circuits), 1.0, 1e-12);
    }
}

TEST(TubeRating, ChartRatingIsTheChartFlow) {
    const auto rating = rateChart(kFirstExample, 0.0075, 13.9, 2);
    ASSERT_TRUE(rating);
    EXPECT_EQ(rating->massFlowLbPerH, *chartMassFlow(kFirstExample, 0.0075, 13.9));
    EXPECT_NEAR(rating->capacityTons, capacityTons(kFirstExample, rating->massFlowLbPerH, 2),
                1e-12);
    EXPECT_FALSE(rateChart({"R134a", 110, 10, 40}, 0.0075, 13.9, 1));
}

TEST(TubeRating, LongerTubesPassLess) {
    double previous = std::numeric_limits<double>::infinity();
    for (double lengthFt : {1.0, 3.0, 10.0, 30.0, 100.0}) {
        const auto rating = rateHomogeneous(kFirstExample, 0.0075, lengthFt, 1);
        ASSERT_TRUE(rating) << lengthFt;
        EXPECT_LT(rating->flow.massFlowLbPerH, previous) << lengthFt;
        previous = rating->flow.massFlowLbPerH;
    }
}

TEST(TubeRating, InputsOutsideTheModelGiveNoRating) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        TubeConditions conditions;
        double diameterFt, lengthFt, circuits;
    } cases[] = {
        {"zero length", kFirstExample, 0.0075, 0, 1},
        {"negative bore", kFirstExample, -0.0075, 10, 1},
        {"NaN length", kFirstExample, 0.0075, nan, 1},
        {"no circuits", kFirstExample, 0.0075, 10, 0},
        {"unknown refrigerant", {"R12", 110, 10, 40}, 0.0075, 10, 1},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(rateHomogeneous(c.conditions, c.diameterFt, c.lengthFt, c.circuits)) << c.what;
        EXPECT_FALSE(rateChart(c.conditions, c.diameterFt, c.lengthFt, c.circuits)) << c.what;
    }
    EXPECT_FALSE(rateHomogeneous({"R22", 110, 10, 105}, 0.0075, 10, 1));
}

}  // namespace
}  // namespace capillary
