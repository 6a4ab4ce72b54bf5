#pragma once

#include <string>
#include <string_view>

namespace capillary {

// Appends one CSV field to `line`, quoted only when it must be (a comma, quote or line break
// inside), with a comma before it unless it is the first of the line.
inline void appendCsvField(std::string& line, std::string_view text, bool first) {
    if (!first) line += ',';
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += text;
        return;
    }
    line += '"';
    for (char c : text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

}  // namespace capillary
