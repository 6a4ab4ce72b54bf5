#pragma once

#include <cstdio>

#include <nlohmann/json.hpp>

#include "engine/second_opinion.h"
#include "engine/units.h"
#include "sizing_run.h"

namespace capillary::cli {

// The second opinion on the tube a run sized; none when it sized none.
std::optional<SecondOpinion> secondOpinionOf(const SizingRun& run);

// A heading naming the sized tube and its flow, then one line per model, in the chosen units;
// set apart from the result lines by a blank line.
void printSecondOpinion(const SecondOpinion& opinion, UnitSystem unit, std::FILE* out);

// The same figures in English units, as the key names say; null where a model gives none.
nlohmann::ordered_json secondOpinionJson(const SecondOpinion& opinion);

}  // namespace capillary::cli
