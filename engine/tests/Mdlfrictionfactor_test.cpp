#include "engine/Mdlfrictionfactor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace capillary {
namespace {

// Half a unit in the fifth significant digit of `value`.
double fiveDigits(double value) { return 0.5 * std::pow(10.0, std::floor(std::log10(value)) - 4); }

struct ColebrookCase {
    double relativeRoughness;
    double reynolds;
    double expected;  // to five significant digits
    int passes;
};

TEST(Mdlfrictionfactor, SettlesInTwoOrThreePasses) {
    const ColebrookCase cases[] = {
        {0.001, 100000, 0.022175, 2},
        {0.0029527559, 3000, 0.046112, 3},  // the smallest bore near the laminar limit
        {0.0001, 2001, 0.049520, 3},
    };
    for (const auto& [r, re, expected, passes] : cases) {
        const ColebrookSolution solution = solveColebrook(r, re);
        EXPECT_NEAR(solution.value, expected, fiveDigits(expected)) << r << ", " << re;
        EXPECT_EQ(solution.passes, passes) << r << ", " << re;
        EXPECT_EQ(FrictionFactor(r, re), solution.value);
    }
    EXPECT_NEAR(solveColebrook(0.001, 100000).startValue, 0.022334, fiveDigits(0.022334));
}

TEST(Mdlfrictionfactor, SatisfiesColebrookToSinglePrecision) {
    for (double re : {2500.0, 1e4, 1e5, 1e6}) {
        for (double r : {1e-5, 1e-3, 3e-3}) {
            const double f = FrictionFactor(r, re);
            const double lhs = 1 / std::sqrt(f);
            const double rhs = -2 * std::log10(r / 3.7 + 2.51 / (re * std::sqrt(f)));
            EXPECT_NEAR(lhs, rhs, lhs * 2e-4) << r << ", " << re;
        }
    }
}

TEST(Mdlfrictionfactor, GivesUpOnArgumentsThatNeverSettle) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [r, re] : {std::pair{0.001, nan}, {nan, 1e5}, {-1.0, 1e5}, {0.001, -1e5}}) {
        const ColebrookSolution solution = solveColebrook(r, re);
        EXPECT_TRUE(std::isnan(solution.value)) << r << ", " << re;
        EXPECT_LE(solution.passes, kMaxFrictionPasses);
    }
}

}  // namespace
}  // namespace capillary
