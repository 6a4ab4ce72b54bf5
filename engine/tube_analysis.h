#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "MdlLiquid.h"
#include "design_case.h"
#include "homogeneous_flow.h"
#include "second_opinion.h"
#include "units.h"

namespace capillary {

// A design that passed the Calculate command's checks, as the sizing engine read it, and the
// unit system it was calculated in.
struct CalculatedDesign {
    std::string refrigerant;
    DesignCase design;  // English units
    double circuits = 1.0;
    UnitSystem unit = UnitSystem::English;
};

// A design looked at from every side: each standard bore as the sizing tried it, the one it
// chose (if any), and what the gradient limit asks of a tube's length.
struct TubeAnalysis {
    CalculatedDesign calculated;
    std::array<BoreEvaluation, kBoreCount> bores;
    std::optional<int> chosenIndex;  // 1 … 14; none when no bore meets the limit
    double massFlowLbPerH = 0.0;     // per circuit
    // ΔP over the maximum gradient: a physical bore meets the limit exactly when its tube is
    // longer than this.
    double shortestLengthFt = 0.0;

    const BoreEvaluation& bore(int index) const {
        return bores[static_cast<std::size_t>(index - 1)];
    }
};

TubeAnalysis analyseTube(const CalculatedDesign& calculated);

// One line naming the design in its own units: "R22, 1.00 tons, evaporating 40.0 F, …".
std::string designSummary(const CalculatedDesign& calculated);

// The homogeneous flashing-flow model along bore `index` (1 … 14) at the design's flow.
std::optional<HomogeneousFlow> flowAlongBore(const TubeAnalysis& analysis, int index);

// The second opinion on the chosen bore; none when no bore was chosen.
std::optional<SecondOpinion> secondOpinionOnChosen(const TubeAnalysis& analysis);

// The flow per circuit the chosen tube (its bore at the sizing model's length) passes by the
// homogeneous model; none when no bore was chosen or the model cannot rate it.
std::optional<double> homogeneousFlowThroughChosen(const TubeAnalysis& analysis);

// A bore of the table as texts in the design's units, the figures as the result boxes (and
// capillary-size --bores) show them.
struct BoreRowTexts {
    std::string boreInches;
    std::string boreMillimetres;
    std::string velocity;
    std::string length;
    std::string totalPressureDrop;
    std::string gradient;
    bool meetsLimit = false;
    bool chosen = false;
};

std::vector<BoreRowTexts> boreRowTexts(const TubeAnalysis& analysis);

}  // namespace capillary
