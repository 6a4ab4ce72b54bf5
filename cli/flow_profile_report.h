#pragma once

#include <cstdio>
#include <optional>

#include <nlohmann/json.hpp>

#include "engine/homogeneous_flow.h"
#include "engine/units.h"

namespace capillary::cli {

// The homogeneous march along the sized tube as CSV, one row per point from the inlet, with
// the unit in each column's name; set apart from what comes before by a blank line. A line
// says so instead where the model does not apply.
void printFlowProfile(const std::optional<HomogeneousFlow>& flow, UnitSystem unit, std::FILE* out);

// {"steps": [...]} in English units, or null where the model does not apply.
nlohmann::ordered_json flowProfileJson(const std::optional<HomogeneousFlow>& flow);

}  // namespace capillary::cli
