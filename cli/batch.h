#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>

#include "engine/units.h"
#include "exit_codes.h"

namespace capillary::cli {

// Reads whatever input is available now, blocking only while there is none: the number of
// bytes put into `buffer`, 0 at the end of the input, -1 when it cannot be read.
using ByteSource = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

struct BatchSettings {
    UnitSystem defaultUnit = UnitSystem::English;  // for rows without a units value
    int jobs = 1;                                  // threads sizing rows; 1 runs on this one
    bool flushAsSized = false;  // rows appear at once (a pipe or terminal), not when buffers fill
    // Shows a progress line on the error stream against this many input bytes.
    std::optional<std::uintmax_t> progressOfBytes;
};

// Sizes a CSV stream of designs, one output row per input row and in their order, in bounded
// memory. The header names the columns (any order, any letter case): refrigerant, capacity,
// evaporating, condensing, subcooling, max_dp, circuits, and optionally units (ip/si) and
// superheat; other columns pass through. A row whose inputs are rejected, or that finds no
// bore, carries the message in its error column and the batch goes on; a summary line ends
// the run on `err`. Returns 0 when every row was sized, 2 when some found no bore and none
// was rejected, 1 when a row was rejected or the stream could not be read as CSV.
ExitCode runBatch(const ByteSource& in, std::FILE* out, std::FILE* err,
                  const BatchSettings& settings);

}  // namespace capillary::cli
