#include "homogeneous_flow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "Mdlproperties.h"
#include "darcy_friction.h"

namespace capillary {
namespace {

constexpr double kGc = 32.174;      // lbm·ft/(lbf·s²)
constexpr double kJoule = 778.169;  // ft·lbf/Btu
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kPressureForce = kSquareInchesPerSquareFoot * kGc;  // psi to lbm/(ft·s²)
constexpr long kMaxSteps = 100000;    // a temperature span no real tube needs
constexpr double kSlopeSpanF = 1e-4;  // half the span the local drive is taken over
constexpr double kChokeToleranceF = 1e-6;

// What every point of one march shares.
struct Duct {
    std::string_view refrigerant;
    double diameterFt;
    double inletF;
    double massFluxPerS;   // lb/(s·ft²)
    double kineticFactor;  // V²/(2·gc·J) in Btu/lb is this times v², v in ft³/lb
    double inletEnergy;    // enthalpy plus kinetic energy at the inlet, Btu/lb
};

// Saturated mixture at one temperature, with the quality the inlet energy leaves.
struct FlashState {
    double temperatureF;
    double pressurePsia;
    double quality;
    double specificVolume;  // ft³/lb
    double reynolds;
    double friction;
};

struct MarchPoint {
    FlashState state;
    double lengthFt;
};

bool knownRefrigerant(std::string_view name) {
    return std::find(kRefrigerantNames.begin(), kRefrigerantNames.end(), name) !=
           kRefrigerantNames.end();
}

std::optional<FlashState> flashAt(const Duct& duct, double t) {
    const std::string_view r = duct.refrigerant;
    const double p = saturationPressure(r, t);
    const double hf = liquidEnthalpy(r, t);
    const double hfg = vaporEnthalpy(r, t) - hf;
    const double rhoF = liquidDensity(r, t);
    const double rhoG = vaporDensity(r, t);
    const double muF = liquidViscosity(r, t);
    const double muG = vaporViscosity(r, t);
    if (!(p > 0 && hfg > 0 && rhoG > 0 && rhoF > rhoG && muF > 0 && muG > 0)) return {};
    const double vf = 1.0 / rhoF;
    const double vfg = 1.0 / rhoG - vf;
    // hf + x·hfg + k·(vf + x·vfg)² = inlet energy, solved for its positive root in the form
    // that does not cancel when the kinetic term is small.
    const double k = duct.kineticFactor;
    const double a = k * vfg * vfg;
    const double b = hfg + 2 * k * vf * vfg;
    const double c = hf + k * vf * vf - duct.inletEnergy;
    if (!(c <= 0)) return {};  // above the inlet temperature
    const double x = c < 0 ? -2 * c / (b + std::sqrt(b * b - 4 * a * c)) : 0.0;
    if (!(x <= 1)) return {};
    // McAdams' two-phase viscosity: the mixture's fluidity 1/μ is the quality-weighted mean of
    // the phases' fluidities.
    const double mu = 1.0 / (x / muG + (1 - x) / muF);
    const double reynolds = duct.massFluxPerS * kSecondsPerHour * duct.diameterFt / mu;
    const double f = darcyFriction(kCopperRoughnessFt / duct.diameterFt, reynolds);
    if (!std::isfinite(f) || !std::isfinite(reynolds)) return {};
    return FlashState{t, p, x, vf + x * vfg, reynolds, f};
}

// The momentum balance's pressure force less the acceleration, lbm/(ft·s²), between two states.
double drive(const Duct& duct, const FlashState& from, const FlashState& to) {
    const double g2 = duct.massFluxPerS * duct.massFluxPerS;
    return kPressureForce * (from.pressurePsia - to.pressurePsia) -
           g2 * (to.specificVolume - from.specificVolume);
}

// 144·gc·Δp − G²·Δv = f_m/D·ΔL·G²·v_m/2 (G per second), with the friction factor and specific
// volume taken as the means of the step's ends.
double stepLength(const Duct& duct, const FlashState& from, const FlashState& to) {
    const double g2 = duct.massFluxPerS * duct.massFluxPerS;
    const double f = (from.friction + to.friction) / 2;
    const double v = (from.specificVolume + to.specificVolume) / 2;
    return drive(duct, from, to) * 2 * duct.diameterFt / (f * g2 * v);
}

// The drive over a small span about `t`, none outside the correlations. It falls as the
// temperature falls and its zero is the choke point, where the steps shrink to no length.
std::optional<double> driveAround(const Duct& duct, double t) {
    const auto upper = flashAt(duct, std::min(t + kSlopeSpanF, duct.inletF));
    const auto lower = flashAt(duct, t - kSlopeSpanF);
    if (!upper || !lower) return {};
    return drive(duct, *upper, *lower);
}

// The subcooled liquid keeps the inlet's properties, those of the flashing point, until its
// pressure falls to saturation; friction alone takes that fall.
double liquidRegionLength(const Duct& duct, double condensingPsia, const FlashState& flash) {
    const double g2 = duct.massFluxPerS * duct.massFluxPerS;
    return kPressureForce * (condensingPsia - flash.pressurePsia) * 2 * duct.diameterFt /
           (flash.friction * g2 * flash.specificVolume);
}

FlowProfilePoint profilePoint(const Duct& duct, const FlashState& s, double lengthFt) {
    const double velocity = duct.massFluxPerS * s.specificVolume;
    return {s.temperatureF, s.pressurePsia, s.quality, velocity, s.reynolds, lengthFt};
}

enum class MarchEnd { Invalid, Evaporator, NoLength };

// Marches from the flashing point to the evaporating temperature; stops at the first step
// whose length is not positive and reports its end temperature in `failedF`.
MarchEnd marchSteps(const Duct& duct, double stepF, double evaporatingF, long steps,
                    std::vector<MarchPoint>& points, double& failedF) {
    for (long k = 1; k <= steps; ++k) {
        const double t = k == steps ? evaporatingF : duct.inletF - static_cast<double>(k) * stepF;
        const auto next = flashAt(duct, t);
        if (!next) return MarchEnd::Invalid;
        const double length = stepLength(duct, points.back().state, *next);
        if (!std::isfinite(length)) return MarchEnd::Invalid;
        if (length <= 0) {
            failedF = t;
            return MarchEnd::NoLength;
        }
        points.push_back({*next, points.back().lengthFt + length});
    }
    return MarchEnd::Evaporator;
}

// The choke lies above `lowF`: walks back over points the flow has already choked at, then
// bisects for the drive's zero and ends the march there.
bool endAtChoke(const Duct& duct, double lowF, std::vector<MarchPoint>& points) {
    for (;;) {
        const auto d = driveAround(duct, points.back().state.temperatureF);
        if (!d) return false;
        if (*d > 0) break;
        if (points.size() == 1) return true;  // choked as soon as it flashes
        lowF = points.back().state.temperatureF;
        points.pop_back();
    }
    double high = points.back().state.temperatureF;
    double low = lowF;
    while (high - low > kChokeToleranceF) {
        const double mid = (high + low) / 2;
        const auto d = driveAround(duct, mid);
        if (!d) return false;
        (*d > 0 ? high : low) = mid;
    }
    const auto end = flashAt(duct, high);
    if (!end) return false;
    const double length = stepLength(duct, points.back().state, *end);
    if (!std::isfinite(length)) return false;
    if (length > 0) points.push_back({*end, points.back().lengthFt + length});
    return true;
}

bool validInputs(const TubeConditions& c, double diameterFt, double massFlowLbPerH, double stepF) {
    const auto finitePositive = [](double v) { return std::isfinite(v) && v > 0; };
    return knownRefrigerant(c.refrigerant) && finitePositive(diameterFt) &&
           finitePositive(massFlowLbPerH) && finitePositive(stepF) &&
           std::isfinite(c.condensingF) && std::isfinite(c.subcoolingF) &&
           std::isfinite(c.evaporatingF) && c.subcoolingF >= 0 && c.evaporatingF < c.inletF() &&
           (c.inletF() - c.evaporatingF) / stepF <= kMaxSteps;
}

HomogeneousFlow toResult(const Duct& duct, double condensingPsia,
                         const std::vector<MarchPoint>& points, bool choked) {
    HomogeneousFlow flow;
    const MarchPoint& flash = points.front();
    const MarchPoint& outlet = points.back();
    flow.liquidLengthFt = flash.lengthFt;
    flow.totalLengthFt = outlet.lengthFt;
    if (choked) flow.choke = ChokePoint{outlet.state.temperatureF, outlet.state.pressurePsia};
    flow.exitQuality = outlet.state.quality;
    flow.profile.reserve(points.size() + 1);
    FlowProfilePoint inlet = profilePoint(duct, flash.state, 0.0);
    inlet.pressurePsia = condensingPsia;
    flow.profile.push_back(inlet);
    for (std::size_t k = flash.lengthFt > 0 ? 0 : 1; k < points.size(); ++k) {
        flow.profile.push_back(profilePoint(duct, points[k].state, points[k].lengthFt));
    }
    flow.exitVelocityFtPerS = flow.profile.back().velocityFtPerS;
    return flow;
}

}  // namespace

std::optional<HomogeneousFlow> marchHomogeneous(const TubeConditions& conditions, double diameterFt,
                                                double massFlowLbPerH, double stepF) {
    if (!validInputs(conditions, diameterFt, massFlowLbPerH, stepF)) return {};
    const std::string_view r = conditions.refrigerant;
    const double inletF = conditions.inletF();
    const double area = std::numbers::pi * diameterFt * diameterFt / 4;
    Duct duct{r, diameterFt, inletF, massFlowLbPerH / kSecondsPerHour / area, 0.0, 0.0};
    duct.kineticFactor = duct.massFluxPerS * duct.massFluxPerS / (2 * kGc * kJoule);
    const double inletVolume = 1.0 / liquidDensity(r, inletF);
    duct.inletEnergy = liquidEnthalpy(r, inletF) + duct.kineticFactor * inletVolume * inletVolume;

    const auto flash = flashAt(duct, inletF);
    const double condensingPsia = saturationPressure(r, conditions.condensingF);
    if (!flash || !std::isfinite(duct.inletEnergy) || !(condensingPsia >= flash->pressurePsia)) {
        return {};
    }
    const double liquidLength = liquidRegionLength(duct, condensingPsia, *flash);
    if (!std::isfinite(liquidLength)) return {};

    std::vector<MarchPoint> points{{*flash, liquidLength}};
    // A last step left over from rounding alone joins the one before it.
    const double span = (inletF - conditions.evaporatingF) / stepF;
    const long steps = std::max(1L, static_cast<long>(std::ceil(span - 1e-9)));
    double failedF = conditions.evaporatingF;
    const MarchEnd end = marchSteps(duct, stepF, conditions.evaporatingF, steps, points, failedF);
    if (end == MarchEnd::Invalid) return {};
    bool choked = end == MarchEnd::NoLength;
    if (!choked) {
        // Every step had length, yet the flow may pass its critical point inside the last one.
        const auto d = driveAround(duct, conditions.evaporatingF);
        if (!d) return {};
        choked = *d <= 0;
        if (choked) points.pop_back();
    }
    if (choked && !endAtChoke(duct, failedF, points)) return {};
    return toResult(duct, condensingPsia, points, choked);
}

}  // namespace capillary
