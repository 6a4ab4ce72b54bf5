#pragma once

#include <cstdio>

#include "engine/units.h"
#include "exit_codes.h"

namespace capillary::cli {

// Sizes a CSV stream of designs, one output row per input row, in constant memory. The header
// names the columns (any order): refrigerant, capacity, evaporating, condensing, subcooling,
// max_dp, circuits, and optionally units (ip/si) and superheat; other columns pass through.
// A row that fails its checks, or finds no bore, carries the message in its error column and
// the batch goes on; a stream that is not valid CSV stops with its line number on `err`.
ExitCode runBatch(std::FILE* in, std::FILE* out, std::FILE* err, UnitSystem defaultUnit);

}  // namespace capillary::cli
