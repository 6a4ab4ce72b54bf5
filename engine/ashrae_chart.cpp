#include "ashrae_chart.h"

#include <cmath>

#include "Mdlproperties.h"
#include "units.h"

namespace capillary {
namespace {

// ln(FF·1.011) = c0 + c1·ln L + c2·(ln L)², with c0 and c1 depending on the bore.
constexpr double kSquareTerm = -0.0421;
constexpr double kFactorNormal = 1.011;  // makes the reference tube's factor 1

double constantTerm(double lnD) { return 7.1539 + 2.2088 * lnD; }
double linearTerm(double lnD) { return 0.1619 + 0.0807 * lnD; }

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

std::optional<double> chartReferenceFlow(const TubeConditions& conditions) {
    const double sc = conditions.subcoolingF;
    if (conditions.refrigerant != "R22" || !std::isfinite(sc) || sc < 0) return {};
    const double p = saturationPressure(conditions.refrigerant, conditions.condensingF);
    if (!finitePositive(p)) return {};
    const double a = 0.4035 + 0.4175 * std::exp(-0.04 * sc);
    const double b = 356.0 + 0.641 * std::pow(std::fabs(sc - 31) / 10, 3.56);
    return b * std::pow(p / 1500, a);
}

double chartFlowFactor(double diameterIn, double lengthIn) {
    const double lnD = std::log(diameterIn);
    const double lnL = std::log(lengthIn);
    return std::exp(constantTerm(lnD) + linearTerm(lnD) * lnL + kSquareTerm * lnL * lnL) /
           kFactorNormal;
}

std::optional<double> chartMassFlow(const TubeConditions& conditions, double diameterFt,
                                    double lengthFt) {
    const auto reference = chartReferenceFlow(conditions);
    if (!reference || !finitePositive(diameterFt) || !finitePositive(lengthFt)) return {};
    return chartFlowFactor(diameterFt * kInchesPerFoot, lengthFt * kInchesPerFoot) * *reference;
}

std::optional<double> chartLength(const TubeConditions& conditions, double diameterFt,
                                  double massFlowLbPerH) {
    const auto reference = chartReferenceFlow(conditions);
    if (!reference || !finitePositive(diameterFt) || !finitePositive(massFlowLbPerH)) return {};
    const double lnD = std::log(diameterFt * kInchesPerFoot);
    const double target = std::log(massFlowLbPerH / *reference * kFactorNormal);
    // c2·u² + c1·u + (c0 − target) = 0 in u = ln L; with c2 < 0 the larger root is the one on
    // which the flow falls as the tube lengthens.
    const double c1 = linearTerm(lnD);
    const double c0 = constantTerm(lnD) - target;
    const double discriminant = c1 * c1 - 4 * kSquareTerm * c0;
    if (!(discriminant >= 0)) return {};
    const double lnL = (-c1 - std::sqrt(discriminant)) / (2 * kSquareTerm);
    const double lengthFt = std::exp(lnL) / kInchesPerFoot;
    if (!finitePositive(lengthFt)) return {};
    return lengthFt;
}

}  // namespace capillary
