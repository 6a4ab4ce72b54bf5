#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "io/project_file_writer.h"
#include "io/project_record.h"
#include "testing/golden_projects.h"

namespace capillary {

// A design saved from a fresh window in English units after typing its inputs: the English
// golden project file.
inline ProjectRecord freshEnglishDesign() {
    return {
        .refrigerant = "R22",
        .capacity = "5",
        .evaporating = "40",
        .condensing = "110",
        .superheat = "0",
        .subcooling = "10",
        .maxPressureDrop = "5",
        .circuits = "1",
        .customer = std::nullopt,
        .project = std::nullopt,
        .note = "",
        .captions = {"System Capacity (tons) :", "Evaporating Temperature (F) :",
                     "Condensing Temperature (F) :", "Superheat (F) :", "Subcool (F) :",
                     "Max. Pressure drop (Psi / Ft) :", "No of Circuit :", "Psi ", "FPS", "Ft"}};
}

// The lines of the file of freshEnglishDesign(), the English golden project file, without their
// line ends.
inline std::vector<std::string> freshEnglishLines() {
    const std::string file = test_support::goldenProject("english.cqz");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = file.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(file.substr(start, end - start));
    }
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines,
                             const std::string& lineEnd = "\r\n") {
    std::string file;
    for (const auto& line : lines) file += line + lineEnd;
    return file;
}

// Failures show a record as the file it would be saved as.
inline void PrintTo(const ProjectRecord& record, std::ostream* os) {
    *os << projectFileBytes(record);
}

}  // namespace capillary
