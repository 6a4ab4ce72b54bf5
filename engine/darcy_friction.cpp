#include "darcy_friction.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace capillary {
namespace {

constexpr int kMaxNewtonPasses = 50;

// Newton's method on y = 1/√f in y + 2·log10(r/3.7 + 2.51·y/Re) = 0, which is convex and
// increasing in y, so the passes from the Swamee–Jain estimate settle in three or four.
double colebrook(double relativeRoughness, double reynolds) {
    const double sj = std::log10(relativeRoughness / 3.7 + 5.74 / std::pow(reynolds, 0.9));
    double y = -2.0 * sj;
    const double c = 2.51 / reynolds;
    for (int pass = 0; pass < kMaxNewtonPasses; ++pass) {
        const double inner = relativeRoughness / 3.7 + c * y;
        const double residual = y + 2.0 * std::log10(inner);
        const double slope = 1.0 + 2.0 * c / (inner * std::numbers::ln10);
        const double next = y - residual / slope;
        if (std::fabs(next - y) <= 1e-14 * y) return 1.0 / (next * next);
        y = next;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double darcyFriction(double relativeRoughness, double reynolds) {
    if (!std::isfinite(reynolds) || !(reynolds > 0) || !std::isfinite(relativeRoughness) ||
        relativeRoughness < 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (reynolds <= kLaminarReynoldsLimit) return 64.0 / reynolds;
    return colebrook(relativeRoughness, reynolds);
}

}  // namespace capillary
