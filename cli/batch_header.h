#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/input_fields.h"

namespace capillary::cli {

// The columns a batch reads: the eight inputs in the window's order, then the unit system.
inline constexpr std::size_t kUnitsColumn = kInputFields.size();
inline constexpr std::size_t kKnownColumns = kUnitsColumn + 1;

// The columns every batch writes after the input columns.
inline constexpr std::array<std::string_view, 6> kOutputColumns{
    "line_size", "velocity", "length", "total_pressure_drop", "actual_pressure_drop", "error"};

// A batch's header row, understood: which field of a row holds each known column.
struct BatchHeader {
    std::vector<std::string> names;  // as written, for the output's header row
    std::array<std::optional<std::size_t>, kKnownColumns> indexOf{};

    std::size_t width() const { return names.size(); }
};

// Reads the header row. Names match whatever their letter case and the blanks around them;
// every input but superheat must be present; no name may repeat a known column or take the
// name of an output column. The error says what is wrong.
std::variant<BatchHeader, std::string> readBatchHeader(std::vector<std::string> names);

}  // namespace capillary::cli
