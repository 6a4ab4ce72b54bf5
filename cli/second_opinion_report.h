#pragma once

#include <cstdio>

#include <nlohmann/json.hpp>

#include "engine/units.h"
#include "second_opinion.h"

namespace capillary::cli {

// A heading naming the sized tube and its flow, then one line per model, in the chosen units;
// set apart from the result lines by a blank line.
void printSecondOpinion(const SecondOpinion& opinion, UnitSystem unit, std::FILE* out);

// The same figures in English units, as the key names say; null where a model gives none.
nlohmann::ordered_json secondOpinionJson(const SecondOpinion& opinion);

}  // namespace capillary::cli
