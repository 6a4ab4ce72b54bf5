#pragma once

#include <string>

#include "project_record.h"

namespace capillary {

// The bytes of the project file for `record`: 23 lines, each ended by CR LF. Texts are quoted
// (see project_value.h) and written in UTF-8; customer and project give an empty line while
// unset; history and unit are bare whole numbers.
std::string projectFileBytes(const ProjectRecord& record);

}  // namespace capillary
