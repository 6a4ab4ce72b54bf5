#include "tube_rating.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Mdlproperties.h"
#include "ashrae_chart.h"
#include "homogeneous_flow.h"

namespace capillary {
namespace {

constexpr double kBtuPerHourPerTon = 12000.0;
constexpr double kFirstGuessLbPerH = 100.0;
constexpr double kFlowTolerance = 1e-5;  // on the logarithm of the flow
constexpr int kMaxBracketPasses = 60;
constexpr int kMaxSolvePasses = 100;

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

// ln(length at the flow e^u) − ln(tube length); it falls as the flow grows.
struct LengthMismatch {
    const TubeConditions& conditions;
    double diameterFt;
    double lnLength;

    std::optional<double> operator()(double u) const {
        const auto flow = marchHomogeneous(conditions, diameterFt, std::exp(u));
        if (!flow || !(flow->totalLengthFt > 0)) return {};
        return std::log(flow->totalLengthFt) - lnLength;
    }
};

// Widens from the first guess until the mismatch changes sign; length falls roughly as the
// square of the flow, which sets the first stride.
std::optional<std::pair<double, double>> bracket(const LengthMismatch& mismatch, double u,
                                                 double& gLow, double& gHigh) {
    auto g = mismatch(u);
    if (!g) return {};
    double stride = *g / 2;
    for (int pass = 0; pass < kMaxBracketPasses; ++pass) {
        const double next = u + (stride == 0 ? kFlowTolerance : stride);
        const auto gNext = mismatch(next);
        if (!gNext) return {};
        if ((*g > 0) != (*gNext > 0) || *gNext == 0) {
            gLow = next < u ? *gNext : *g;
            gHigh = next < u ? *g : *gNext;
            return std::pair{std::min(u, next), std::max(u, next)};
        }
        u = next;
        g = gNext;
        stride *= 2;
    }
    return {};
}

// The Illinois variant of false position on the bracket [low, high] in the log of the flow.
std::optional<double> solve(const LengthMismatch& mismatch, double low, double high, double gLow,
                            double gHigh) {
    int lastSide = 0;
    for (int pass = 0; pass < kMaxSolvePasses; ++pass) {
        double u = (low * gHigh - high * gLow) / (gHigh - gLow);
        if (!(u > low && u < high)) u = (low + high) / 2;
        const auto g = mismatch(u);
        if (!g) return {};
        if (*g == 0) return u;
        if ((*g > 0) == (gLow > 0)) {
            low = u;
            gLow = *g;
            if (lastSide == -1) gHigh /= 2;
            lastSide = -1;
        } else {
            high = u;
            gHigh = *g;
            if (lastSide == 1) gLow /= 2;
            lastSide = 1;
        }
        if (high - low < kFlowTolerance) return (low + high) / 2;
    }
    return {};
}

}  // namespace

double capacityTons(const TubeConditions& conditions, double massFlowLbPerH, double circuits) {
    const double effect = refrigeratingEffect(conditions.refrigerant, conditions.condensingF,
                                              conditions.evaporatingF);
    return massFlowLbPerH * circuits * effect / kBtuPerHourPerTon;
}

std::optional<HomogeneousRating> rateHomogeneous(const TubeConditions& conditions,
                                                 double diameterFt, double lengthFt,
                                                 double circuits) {
    if (!finitePositive(diameterFt) || !finitePositive(lengthFt) || !finitePositive(circuits)) {
        return {};
    }
    const LengthMismatch mismatch{conditions, diameterFt, std::log(lengthFt)};
    double gLow = 0.0, gHigh = 0.0;
    const auto range = bracket(mismatch, std::log(kFirstGuessLbPerH), gLow, gHigh);
    if (!range) return {};
    const auto u = solve(mismatch, range->first, range->second, gLow, gHigh);
    if (!u) return {};
    const double massFlow = std::exp(*u);
    const auto flow = marchHomogeneous(conditions, diameterFt, massFlow);
    if (!flow) return {};
    return HomogeneousRating{{massFlow, capacityTons(conditions, massFlow, circuits)},
                             flow->choked()};
}

std::optional<FlowRating> rateChart(const TubeConditions& conditions, double diameterFt,
                                    double lengthFt, double circuits) {
    if (!finitePositive(circuits)) return {};
    const auto massFlow = chartMassFlow(conditions, diameterFt, lengthFt);
    if (!massFlow) return {};
    return FlowRating{*massFlow, capacityTons(conditions, *massFlow, circuits)};
}

}  // namespace capillary
