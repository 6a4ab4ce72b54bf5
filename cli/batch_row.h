#pragma once

#include <string>
#include <vector>

#include "batch_header.h"
#include "engine/units.h"

namespace capillary::cli {

// What became of one batch row.
enum class RowOutcome { Sized, NoBore, Rejected };

// Sizes one row and appends its output line (the input fields, the five results and the
// error, then a line break) to `out`. The row's units column, when given, overrides
// `defaultUnit`.
RowOutcome sizeBatchRow(const BatchHeader& header, std::vector<std::string>& fields,
                        UnitSystem defaultUnit, std::string& out);

}  // namespace capillary::cli
