#pragma once

#include <cstdio>

#include <nlohmann/json.hpp>

#include "rating_run.h"

namespace capillary::cli {

// One line per model with the flow per circuit and the capacity of all circuits, in the
// chosen units; a failure goes to `err` as its message.
void printText(const RatingRun& run, std::FILE* out, std::FILE* err);

// The same in English units with the option texts, or the error naming the option at fault.
nlohmann::ordered_json toJson(const RatingRun& run);

}  // namespace capillary::cli
