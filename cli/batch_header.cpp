#include "batch_header.h"

#include <algorithm>
#include <cctype>

#include <fmt/core.h>

namespace capillary::cli {
namespace {

// A column name as it is compared: without blanks around it, in lower case.
std::string normalised(std::string_view name) {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view knownColumnName(std::size_t column) {
    return column == kUnitsColumn ? std::string_view("units") : kInputFields[column].column;
}

std::optional<std::size_t> knownColumn(std::string_view name) {
    for (std::size_t c = 0; c < kKnownColumns; ++c) {
        if (name == knownColumnName(c)) return c;
    }
    return std::nullopt;
}

bool isOutputColumn(std::string_view name) {
    return std::find(kOutputColumns.begin(), kOutputColumns.end(), name) != kOutputColumns.end();
}

}  // namespace

std::variant<BatchHeader, std::string> readBatchHeader(std::vector<std::string> names) {
    BatchHeader header;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = normalised(names[i]);
        if (isOutputColumn(name)) {
            return fmt::format("the header's column {} has the name of an output column", names[i]);
        }
        const std::optional<std::size_t> column = knownColumn(name);
        if (!column) continue;  // passed through
        if (header.indexOf[*column]) {
            return fmt::format("the header names the column {} twice", knownColumnName(*column));
        }
        header.indexOf[*column] = i;
    }
    for (const InputFieldInfo& info : kInputFields) {
        const auto column = static_cast<std::size_t>(info.field);
        if (!header.indexOf[column] && info.field != InputField::Txtsh) {
            return fmt::format("the header lacks the column {}", info.column);
        }
    }
    header.names = std::move(names);
    return header;
}

}  // namespace capillary::cli
