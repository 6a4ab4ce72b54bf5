#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <variant>

namespace capillary {

// What the command line asks of a run of the desktop program.
struct StartupRequest {
    bool splash = true;   // begin with the splash screen
    QString projectFile;  // a project file to open at start, or empty
};

// Answers --help and --version on `out` before any window system starts, so that they work
// without a display; true when one was answered.
bool answeredWithoutWindows(const QStringList& arguments, std::FILE* out);

// The run the command line asks for, or the exit code of one that cannot be run (64, with the
// reason on `err`): an unknown option, or more than one project file.
std::variant<StartupRequest, int> readStartupRequest(const QStringList& arguments, std::FILE* err);

}  // namespace capillary
