#include "MdlLiquid.h"

#include <cmath>

#include "Mdlfrictionfactor.h"
#include "Mdlproperties.h"

namespace capillary {
namespace {

constexpr double kInletOffsetF = 1.0;
constexpr double kBtuPerHourPerTon = 12000.0;
constexpr double kWallRoughnessFt = 4.92125985e-6;  // 0.0015 mm drawn copper
constexpr double kLaminarLimit = 2000.0;
constexpr double kPiSecondsPerHour = 11304.0;  // 3.14 × 3600
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kGravity = 32.2;  // lbm·ft/(lbf·s²)

double frictionFactor(double reynolds, double diameterFt) {
    if (reynolds > kLaminarLimit) {
        return static_cast<double>(FrictionFactor(kWallRoughnessFt / diameterFt, reynolds));
    }
    return 64.0 / reynolds;
}

bool positiveAndFinite(double value) { return std::isfinite(value) && value > 0; }

}  // namespace

bool March::isPhysical() const {
    if (!positiveAndFinite(massFlowLbPerH)) return false;
    for (int k = 1; k <= kMarchSteps; ++k) {
        if (!positiveAndFinite(pressureDropPsi[k]) || !positiveAndFinite(density[k]) ||
            !positiveAndFinite(viscosity[k]) || !(quality[k] >= 0 && quality[k] <= 1)) {
            return false;
        }
    }
    return true;
}

March prepareMarch(const DesignCase& design, std::string_view refrigerant, double circuits) {
    March m;
    auto& t = m.temperatureF;
    t[0] = (design.ct + kInletOffsetF) - design.sc;
    const double step = (t[0] - design.et) / kMarchSteps;
    for (int k = 1; k < kMarchSteps; ++k) t[k] = t[k - 1] - step;
    t[kMarchSteps] = design.et;  // taken directly, so rounding cannot miss the evaporator

    std::array<double, kMarchSteps + 1> pressure{}, enthalpy{};
    for (int k = 0; k <= kMarchSteps; ++k) {
        pressure[k] = saturationPressure(refrigerant, t[k]);
        enthalpy[k] = liquidEnthalpy(refrigerant, t[k]);
    }
    for (int k = 1; k <= kMarchSteps; ++k) {
        m.pressureDropPsi[k] = pressure[k - 1] - pressure[k];
        // Each step flashes from its own liquid enthalpy; fractions are not accumulated.
        const double x = (enthalpy[k - 1] - enthalpy[k]) / latentHeat(refrigerant, t[k]);
        m.quality[k] = x;
        m.density[k] =
            (1 - x) * liquidDensity(refrigerant, t[k]) + x * vaporDensity(refrigerant, t[k]);
        m.viscosity[k] =
            (1 - x) * liquidViscosity(refrigerant, t[k]) + x * vaporViscosity(refrigerant, t[k]);
        m.totalPressureDropPsi += m.pressureDropPsi[k];
    }
    m.refrigeratingEffect = refrigeratingEffect(refrigerant, design.ct, design.et);
    m.massFlowLbPerH = kBtuPerHourPerTon * design.CAPACITY / (circuits * m.refrigeratingEffect);
    return m;
}

BoreEvaluation evaluateBore(const March& m, int index, double maxGradientPsiPerFt) {
    BoreEvaluation result{index, BoreTable[index - 1]};
    const double d = result.bore.diameterFt;
    double velocitySum = 0.0;
    bool physical = m.isPhysical();
    for (int k = 1; k <= kMarchSteps; ++k) {
        const double reynolds = m.massFlowLbPerH / (m.viscosity[k] * d);
        const double f = frictionFactor(reynolds, d);
        const double v = 4 * m.massFlowLbPerH / (d * d * m.density[k] * kPiSecondsPerHour);
        velocitySum += v;
        // Darcy–Weisbach solved for the length over which this step's pressure drop occurs.
        const double stepLength = m.pressureDropPsi[k] * kSquareInchesPerSquareFoot * 2 * kGravity *
                                  d / (f * m.density[k] * v * v);
        result.lengthFt += stepLength;
        physical = physical && positiveAndFinite(v) && positiveAndFinite(stepLength);
    }
    result.meanVelocityFtPerS = velocitySum / kMarchSteps;
    result.totalPressureDropPsi = m.totalPressureDropPsi;
    result.gradientPsiPerFt = m.totalPressureDropPsi / result.lengthFt;
    // A march no real tube could follow (no temperature fall, an unknown refrigerant, a
    // polynomial past its range, overflow) never qualifies, whatever its figures say.
    result.accepted = physical && result.gradientPsiPerFt < maxGradientPsiPerFt;
    return result;
}

std::optional<Sizing> SizeCapillary(const DesignCase& design, std::string_view refrigerant,
                                    double circuits) {
    const March march = prepareMarch(design, refrigerant, circuits);
    for (int index = 1; index <= kBoreCount; ++index) {
        BoreEvaluation bore = evaluateBore(march, index, design.dpd);
        if (bore.accepted) return Sizing{bore, march.massFlowLbPerH, march.totalPressureDropPsi};
    }
    return std::nullopt;
}

std::array<BoreEvaluation, kBoreCount> surveyBores(const DesignCase& design,
                                                   std::string_view refrigerant, double circuits) {
    const March march = prepareMarch(design, refrigerant, circuits);
    std::array<BoreEvaluation, kBoreCount> bores;
    for (int index = 1; index <= kBoreCount; ++index) {
        bores[index - 1] = evaluateBore(march, index, design.dpd);
    }
    return bores;
}

}  // namespace capillary
