#include "Mdlfrictionfactor.h"

#include <cmath>
#include <limits>

namespace capillary {
namespace {

float narrow(double value) { return static_cast<float>(value); }

// −2·log10(r/3.7 + 2.51/(Re·√f)) − 1/√f, with the narrowing points of the 32-bit original.
float residual(double relativeRoughness, double reynolds, float f) {
    double root = std::sqrt(static_cast<double>(f));
    float logTerm =
        narrow(-0.86858896 * std::log(relativeRoughness / 3.7 + 2.51 / (reynolds * root)));
    float inverseRoot = narrow(1.0 / root);
    return narrow(static_cast<double>(logTerm) - inverseRoot);
}

}  // namespace

ColebrookSolution solveColebrook(double relativeRoughness, double reynolds) {
    double swameeJain = std::log(relativeRoughness / 3.7 + 5.74 / std::pow(reynolds, 0.9));
    float estimate = narrow(1.325 / (swameeJain * swameeJain));
    ColebrookSolution solution{estimate, std::numeric_limits<float>::quiet_NaN(), 0};
    while (solution.passes < kMaxFrictionPasses) {
        ++solution.passes;
        float f1 = narrow(estimate * 0.9999);
        float f2 = narrow(estimate * 1.0001);
        float g1 = residual(relativeRoughness, reynolds, f1);
        float g2 = residual(relativeRoughness, reynolds, f2);
        float slope = narrow((static_cast<double>(g2) - g1) / (static_cast<double>(f2) - f1));
        estimate = narrow(f1 - g1 / static_cast<double>(slope));
        if (g1 < 0 && g2 > 0) {
            solution.value = estimate;
            break;
        }
    }
    return solution;
}

float FrictionFactor(double relativeRoughness, double reynolds) {
    return solveColebrook(relativeRoughness, reynolds).value;
}

}  // namespace capillary
