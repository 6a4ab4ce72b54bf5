#pragma once

// The project file: a saved design as 23 lines of text. The record, its writer and its reader.
#include "project_file_reader.h"
#include "project_file_writer.h"
#include "project_record.h"
