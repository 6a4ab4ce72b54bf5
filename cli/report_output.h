#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "io/project_design.h"
#include "io/project_record.h"
#include "sizing_run.h"

namespace capillary::cli {

// Where the report goes and the heading texts given on the command line; a heading text not
// given comes from the project file.
struct ReportRequest {
    std::string pdfFile;
    std::optional<std::string> customer;
    std::optional<std::string> project;
    std::optional<std::string> note;
};

// Writes the one-page report of a sized saved design to a PDF, the same page the window
// prints, without a display. A design without a bore gets its report with empty results.
// False, with the reason on `err`, when the PDF cannot be written.
bool writeReport(const ReportRequest& request, const ProjectRecord& record,
                 const OpenedDesign& design, const SizingRun& run, std::FILE* err);

}  // namespace capillary::cli
