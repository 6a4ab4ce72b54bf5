#include "engine/homogeneous_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/Mdlproperties.h"

namespace capillary {
namespace {

// The first worked design: R22, 110 °F condensing, 10 °F subcooling, 40 °F evaporating,
// the 0.09 in bore at the sizing engine's 182.19 lb/h.
const TubeConditions kFirstExample{"R22", 110, 10, 40};
constexpr double kBoreFt = 0.0075;
constexpr double kFlow = 182.19;

struct Case {
    const char* what;
    TubeConditions conditions;
    double diameterFt;
    double massFlowLbPerH;
};

const Case kCases[] = {
    {"first example", kFirstExample, kBoreFt, kFlow},
    {"no subcooling", {"R22", 110, 0, 40}, kBoreFt, kFlow},
    {"choked, low evaporating", {"R22", 110, 10, -20}, kBoreFt, kFlow},
    {"R134a, small bore, choked", {"R134a", 126, 27, -10}, 1.1 / 304.8, 32},
    {"R407C", {"R407C", 120, 5, 20}, 0.06 / 12, 60},
    {"R404A", {"R404A", 100, 15, -10}, 0.05 / 12, 40},
};

TEST(HomogeneousFlow, FirstExampleIsAboutTwelveAndAHalfFeet) {
    const auto flow = marchHomogeneous(kFirstExample, kBoreFt, kFlow);
    ASSERT_TRUE(flow);
    EXPECT_NEAR(flow->totalLengthFt, 12.4, 0.25);
    EXPECT_FALSE(flow->choked());
    EXPECT_EQ(flow->profile.back().temperatureF, 40);
    EXPECT_GT(flow->liquidLengthFt, 0);
    EXPECT_LT(flow->liquidLengthFt, flow->totalLengthFt);
}

// Stagnation enthalpy at every point equals the inlet's, and the reported velocity is the mass
// flux times the homogeneous specific volume at the reported quality.
TEST(HomogeneousFlow, ConservesEnergyAlongTheProfile) {
    constexpr double kineticBtuPerLb = 1 / (2 * 32.174 * 778.169);  // per (ft/s)²
    for (const Case& c : kCases) {
        const auto flow = marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH);
        ASSERT_TRUE(flow) << c.what;
        const std::string_view r = c.conditions.refrigerant;
        const double massFlux =
            c.massFlowLbPerH / 3600 / (std::numbers::pi * c.diameterFt * c.diameterFt / 4);
        const double inletF = c.conditions.condensingF - c.conditions.subcoolingF;
        const double inletVelocity = massFlux / liquidDensity(r, inletF);
        const double inletEnergy =
            liquidEnthalpy(r, inletF) + kineticBtuPerLb * inletVelocity * inletVelocity;
        for (const FlowProfilePoint& p : flow->profile) {
            const double t = p.temperatureF;
            const double vf = 1 / liquidDensity(r, t);
            const double vg = 1 / vaporDensity(r, t);
            EXPECT_NEAR(p.velocityFtPerS, massFlux * (vf + p.quality * (vg - vf)),
                        1e-9 * p.velocityFtPerS)
                << c.what << " at " << t;
            const double energy = liquidEnthalpy(r, t) + p.quality * latentHeat(r, t) +
                                  kineticBtuPerLb * p.velocityFtPerS * p.velocityFtPerS;
            EXPECT_NEAR(energy, inletEnergy, 1e-9 * inletEnergy) << c.what << " at " << t;
        }
        EXPECT_EQ(flow->exitQuality, flow->profile.back().quality) << c.what;
        EXPECT_EQ(flow->exitVelocityFtPerS, flow->profile.back().velocityFtPerS) << c.what;
    }
}

TEST(HomogeneousFlow, ProfileRunsFromTheInletDownhill) {
    for (const Case& c : kCases) {
        const auto flow = marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH);
        ASSERT_TRUE(flow) << c.what;
        const auto& profile = flow->profile;
        const FlowProfilePoint& inlet = profile.front();
        EXPECT_EQ(inlet.lengthFt, 0) << c.what;
        EXPECT_EQ(inlet.quality, 0) << c.what;
        EXPECT_EQ(inlet.pressurePsia,
                  saturationPressure(c.conditions.refrigerant, c.conditions.condensingF))
            << c.what;
        for (std::size_t k = 1; k < profile.size(); ++k) {
            EXPECT_GT(profile[k].lengthFt, profile[k - 1].lengthFt) << c.what << " " << k;
            EXPECT_LT(profile[k].pressurePsia, profile[k - 1].pressurePsia) << c.what << " " << k;
            EXPECT_GE(profile[k].quality, profile[k - 1].quality) << c.what << " " << k;
        }
        EXPECT_EQ(profile.back().lengthFt, flow->totalLengthFt) << c.what;
        if (c.conditions.subcoolingF > 0) {
            const FlowProfilePoint& flashing = profile[1];
            EXPECT_EQ(flashing.temperatureF, inlet.temperatureF) << c.what;
            EXPECT_EQ(flashing.quality, 0) << c.what;
            EXPECT_EQ(flashing.lengthFt, flow->liquidLengthFt) << c.what;
        }
    }
    const auto saturated = marchHomogeneous({"R22", 110, 0, 40}, kBoreFt, kFlow);
    ASSERT_TRUE(saturated);
    EXPECT_EQ(saturated->liquidLengthFt, 0);
}

TEST(HomogeneousFlow, HalvingTheStepChangesTheLengthByUnderHalfAPercent) {
    for (const Case& c : kCases) {
        const auto coarse = marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH);
        const auto fine =
            marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH, kHomogeneousStepF / 2);
        ASSERT_TRUE(coarse && fine) << c.what;
        EXPECT_LT(std::fabs(coarse->totalLengthFt / fine->totalLengthFt - 1), 0.005) << c.what;
        EXPECT_EQ(coarse->choked(), fine->choked()) << c.what;
    }
}

TEST(HomogeneousFlow, ChokesOnlyWhenTheEvaporatorIsPastTheCriticalPoint) {
    const auto open = marchHomogeneous(kFirstExample, kBoreFt, kFlow);
    const auto choked = marchHomogeneous({"R22", 110, 10, 0}, kBoreFt, kFlow);
    const auto colder = marchHomogeneous({"R22", 110, 10, -40}, kBoreFt, kFlow);
    const auto smaller = marchHomogeneous(kFirstExample, 0.06 / 12, kFlow);
    ASSERT_TRUE(open && choked && colder && smaller);
    EXPECT_FALSE(open->choked());
    ASSERT_TRUE(choked->choked() && colder->choked() && smaller->choked());
    // Below the critical point the evaporator no longer matters.
    EXPECT_NEAR(colder->totalLengthFt, choked->totalLengthFt, 1e-9);
    EXPECT_NEAR(colder->choke->temperatureF, choked->choke->temperatureF, 1e-5);
    const ChokePoint point = *choked->choke;
    EXPECT_GT(point.temperatureF, 0);
    EXPECT_LT(point.temperatureF, 40);
    EXPECT_EQ(point.pressurePsia, saturationPressure("R22", point.temperatureF));
    EXPECT_EQ(point.temperatureF, choked->profile.back().temperatureF);
    // The critical length is the longest the flow can reach: stopping just above the choke
    // point gives an open tube a little shorter.
    const auto justAbove =
        marchHomogeneous({"R22", 110, 10, point.temperatureF + 0.5}, kBoreFt, kFlow);
    ASSERT_TRUE(justAbove);
    EXPECT_FALSE(justAbove->choked());
    EXPECT_LT(justAbove->totalLengthFt, choked->totalLengthFt);
    EXPECT_GT(justAbove->totalLengthFt, choked->totalLengthFt * 0.999);
}

// An evaporator a hair below the critical point: the last step still has length, yet the flow
// chokes inside it.
TEST(HomogeneousFlow, ChokesInsideTheLastStep) {
    const auto choked = marchHomogeneous({"R22", 110, 10, -20}, kBoreFt, kFlow);
    ASSERT_TRUE(choked && choked->choked());
    const double criticalF = choked->choke->temperatureF;
    for (double step : {1.0, 5.0}) {
        const auto flow =
            marchHomogeneous({"R22", 110, 10, criticalF - 0.01}, kBoreFt, kFlow, step);
        ASSERT_TRUE(flow) << step;
        ASSERT_TRUE(flow->choked()) << step;
        EXPECT_NEAR(flow->choke->temperatureF, criticalF, 1e-3) << step;
        EXPECT_NEAR(flow->totalLengthFt, choked->totalLengthFt, 0.005 * choked->totalLengthFt)
            << step;
    }
}

TEST(HomogeneousFlow, ChokePointDoesNotFollowTheStep) {
    const TubeConditions cold{"R22", 110, 10, -20};
    const auto steps = {1.0, 0.7, 0.3, 0.1};
    const auto reference = marchHomogeneous(cold, kBoreFt, kFlow, 0.05);
    ASSERT_TRUE(reference && reference->choked());
    for (double step : steps) {
        const auto flow = marchHomogeneous(cold, kBoreFt, kFlow, step);
        ASSERT_TRUE(flow && flow->choked()) << step;
        EXPECT_NEAR(flow->choke->temperatureF, reference->choke->temperatureF, 1e-3) << step;
    }
}

TEST(HomogeneousFlow, InputsOutsideTheModelGiveNoFlow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        TubeConditions conditions;
        double diameterFt, massFlowLbPerH, stepF;
    } cases[] = {
        {"zero bore", kFirstExample, 0, kFlow, 1},
        {"negative bore", kFirstExample, -kBoreFt, kFlow, 1},
        {"zero flow", kFirstExample, kBoreFt, 0, 1},
        {"negative flow", kFirstExample, kBoreFt, -kFlow, 1},
        {"NaN flow", kFirstExample, kBoreFt, nan, 1},
        {"infinite bore", kFirstExample, inf, kFlow, 1},
        {"zero step", kFirstExample, kBoreFt, kFlow, 0},
        {"evaporating at the inlet", {"R22", 110, 10, 100}, kBoreFt, kFlow, 1},
        {"evaporating above the inlet", {"R22", 110, 10, 105}, kBoreFt, kFlow, 1},
        {"negative subcooling", {"R22", 110, -5, 40}, kBoreFt, kFlow, 1},
        {"unknown refrigerant", {"R12", 110, 10, 40}, kBoreFt, kFlow, 1},
        {"lower-case name", {"r22", 110, 10, 40}, kBoreFt, kFlow, 1},
        {"NaN condensing", {"R22", nan, 10, 40}, kBoreFt, kFlow, 1},
        {"infinite evaporating", {"R22", 110, 10, -inf}, kBoreFt, kFlow, 1},
        {"pressure extrapolated below zero", {"R22", 110, 10, -250}, 0.02, 1, 1},
        {"liquid density extrapolated below zero", {"R22", 400, 10, 40}, kBoreFt, kFlow, 1},
        {"overflowing span", {"R22", 1e300, 0, -1e300}, kBoreFt, kFlow, 1},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(marchHomogeneous(c.conditions, c.diameterFt, c.massFlowLbPerH, c.stepF))
            << c.what;
    }
}

}  // namespace
}  // namespace capillary
