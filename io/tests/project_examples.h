#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "io/project_file_writer.h"
#include "io/project_record.h"

namespace capillary {

// A design saved from a fresh window in English units after typing its inputs.
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

// The lines of the file of freshEnglishDesign(), without their line ends.
inline std::vector<std::string> freshEnglishLines() {
    return {"\"R22\"",
            "\"5\"",
            "\"40\"",
            "\"110\"",
            "\"0\"",
            "\"10\"",
            "\"5\"",
            "\"1\"",
            "",
            "",
            "\"\"",
            "\"System Capacity (tons) :\"",
            "\"Evaporating Temperature (F) :\"",
            "\"Condensing Temperature (F) :\"",
            "\"Superheat (F) :\"",
            "\"Subcool (F) :\"",
            "\"Max. Pressure drop (Psi / Ft) :\"",
            "\"No of Circuit :\"",
            "\"Psi \"",
            "\"FPS\"",
            "\"Ft\"",
            "0",
            "0"};
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
