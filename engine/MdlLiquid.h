#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Mdlfitting.h"
#include "design_case.h"

namespace capillary {

inline constexpr int kMarchSteps = 4;

// What the march computes once per design, before trying any bore. Index 0 of the step arrays
// is the inlet; 1 … 4 are the ends of the four temperature steps.
struct March {
    std::array<double, kMarchSteps + 1> temperatureF{};
    std::array<double, kMarchSteps + 1> pressureDropPsi{};  // [k]: drop over step k
    std::array<double, kMarchSteps + 1> quality{};          // [k]: vapour flashed in step k
    std::array<double, kMarchSteps + 1> density{};          // [k]: mixture lb/ft³ at step end
    std::array<double, kMarchSteps + 1> viscosity{};        // [k]: mixture lb/(ft·h) at step end
    double refrigeratingEffect = 0.0;                       // Btu/lb
    double massFlowLbPerH = 0.0;                            // per circuit
    double totalPressureDropPsi = 0.0;

    // Whether every step can happen in a real tube: the pressure falls, the flashed fraction
    // lies between 0 and 1, the mixture has a positive density and viscosity, and refrigerant
    // flows. Polynomials taken far outside their range (or an unknown refrigerant) break this.
    bool isPhysical() const;
};

// One bore tried against the design.
struct BoreEvaluation {
    int index = 0;  // 1 … 14
    Bore bore;
    double meanVelocityFtPerS = 0.0;
    double lengthFt = 0.0;
    double gradientPsiPerFt = 0.0;
    double totalPressureDropPsi = 0.0;  // the same for every bore of a design
    // A physical march with a positive velocity and a finite, positive length in every step,
    // whose gradient is below the maximum.
    bool accepted = false;
};

struct Sizing {
    BoreEvaluation chosen;
    double massFlowLbPerH = 0.0;
    double totalPressureDropPsi = 0.0;
};

March prepareMarch(const DesignCase& design, std::string_view refrigerant, double circuits);
BoreEvaluation evaluateBore(const March& march, int index, double maxGradientPsiPerFt);

// The smallest bore, in table order, that meets the design's gradient limit; none when no bore
// of the table does.
std::optional<Sizing> SizeCapillary(const DesignCase& design, std::string_view refrigerant,
                                    double circuits);

// Every bore of the table tried against the design, so the alternatives can be compared.
std::array<BoreEvaluation, kBoreCount> surveyBores(const DesignCase& design,
                                                   std::string_view refrigerant, double circuits);

}  // namespace capillary
