#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "project_record.h"

namespace capillary {

// Larger files are refused unread: a project file is well under a kilobyte.
inline constexpr std::size_t kMaxProjectFileBytes = 1024 * 1024;

struct ProjectReadResult {
    std::optional<ProjectRecord> record;  // the design, when the file is a project file
    std::string reason;                   // otherwise why not, a phrase for "<file name>: <reason>"

    bool ok() const { return record.has_value(); }
};

// Reads a whole project file and checks it before anything is returned, so a caller applies
// either all of it or nothing. Accepted: lines ended by CR LF, LF or CR (the last one may lack
// it); UTF-8, with or without a byte-order mark, or else Windows-1252; values as described in
// project_value.h, quoted or bare; missing trailing lines, which read as empty values; and
// anything after line 23, which is ignored. Line 1 must be empty or a listed refrigerant,
// line 7 empty or a numeric text that converts between the unit systems, line 23 empty (0) or
// a whole number, optionally signed; line 22 is read and not used. Refused besides: control
// characters other than tab, CR and LF (binary data), more than kMaxProjectFileBytes, and a
// file of nothing but blanks and line ends.
// Line numbers in reasons count values, which differs from the lines an editor shows only
// after a text that spans lines.
ProjectReadResult parseProjectFile(std::string_view bytes);

// Reads the file at `path` and parses it; a file that cannot be read is refused with a reason.
ProjectReadResult readProjectFile(const std::filesystem::path& path);

}  // namespace capillary
