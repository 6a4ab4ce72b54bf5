#pragma once

#include <cstdio>

#include <nlohmann/json.hpp>

#include "sizing_run.h"

namespace capillary::cli {

// The five result lines as the main window shows them, with the bore table when it was asked
// for; a failure goes to `err` as its message and field.
void printText(const SizingRun& run, std::FILE* out, std::FILE* err);

// The same run as one JSON object: the result texts and raw English values, or the error.
nlohmann::ordered_json toJson(const SizingRun& run);

}  // namespace capillary::cli
