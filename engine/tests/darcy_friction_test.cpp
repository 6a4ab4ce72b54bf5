#include "engine/darcy_friction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Mdlfrictionfactor.h"

namespace capillary {
namespace {

TEST(DarcyFriction, LaminarUpToTwoThousand) {
    EXPECT_EQ(darcyFriction(0.001, 1000), 0.064);
    EXPECT_EQ(darcyFriction(0.001, 2000), 0.032);
    EXPECT_GT(darcyFriction(0.001, 2001), 0.04);  // turbulent just above, as the sizing engine
}

// The double-precision solve satisfies Colebrook to rounding and agrees with the sizing
// engine's 32-bit solve to float precision.
TEST(DarcyFriction, SolvesColebrook) {
    const struct {
        double roughness, reynolds;
    } cases[] = {{0.0, 5000}, {6.6e-4, 30000}, {6.6e-4, 266701}, {1e-3, 1e5}, {0.05, 1e7}};
    for (const auto& c : cases) {
        const double f = darcyFriction(c.roughness, c.reynolds);
        const double residual =
            1 / std::sqrt(f) +
            2 * std::log10(c.roughness / 3.7 + 2.51 / (c.reynolds * std::sqrt(f)));
        EXPECT_NEAR(residual, 0.0, 1e-12) << c.roughness << " " << c.reynolds;
        EXPECT_NEAR(f, FrictionFactor(c.roughness, c.reynolds), 1e-5 * f) << c.reynolds;
    }
}

TEST(DarcyFriction, OutsideThePhysicalRangeIsNaN) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double roughness, reynolds;
    } cases[] = {{0.001, 0},     {0.001, -5000}, {0.001, inf}, {0.001, nan},
                 {-0.001, 5000}, {nan, 5000},    {inf, 5000}};
    for (const auto& c : cases) {
        EXPECT_TRUE(std::isnan(darcyFriction(c.roughness, c.reynolds)))
            << c.roughness << " " << c.reynolds;
    }
}

}  // namespace
}  // namespace capillary
