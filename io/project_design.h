#pragma once

#include <string>
#include <string_view>

#include "engine/calculation_request.h"
#include "io/project_record.h"

namespace capillary {

// The design of a project file as the main window holds it once the file is opened: the
// typed texts, with the maximum pressure drop rounded to the file's unit system, and that
// system.
struct OpenedDesign {
    InputTexts texts;
    UnitSystem unit;
};

OpenedDesign openedDesign(const ProjectRecord& record);

// What the window and the command line say when a project file cannot be opened:
// "Cannot open pump.cqz: line 1 names no known refrigerant ("R12")."
std::string openFailureMessage(std::string_view fileName, std::string_view reason);

}  // namespace capillary
