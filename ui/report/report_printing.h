#pragma once

#include <QString>

#include "ui/common/Frmmain_controls.h"
#include "ui/common/session.h"
#include "ui/report/report_data.h"

class QPrinter;
class QWidget;

namespace capillary {

class Frmplot;
class PlatformServices;

// The report data as the main window shows it now: the texts of its fields exactly as
// displayed, the unit system in effect, and today's date and time. The heading is left empty
// for the title dialog to give.
ReportData reportDataFromWindow(const FrmmainControls& window, const Session& session);

// What became of a report sent to print, and where it went: the printer's or the file's name.
struct PrintOutcome {
    enum class Status { Printed, Cancelled, Failed };
    Status status = Status::Printed;
    QString destination;
    bool toFile = false;
    QString reason;  // why a file could not be written
};

// Prints the sheet as one page on `printer`. When no printer is installed or the printer
// chosen prints to a file, asks for a PDF file name instead (".pdf" is added to a name without
// an extension) and writes the page there, replacing an old file only by a complete new one;
// cancelling the name prints nothing.
PrintOutcome printReportSheet(PlatformServices& services, QPrinter& printer, QWidget* parent,
                              const Frmplot& sheet);

// Tells the user that a report was not printed, in a box like the program's other errors.
void showPrintFailure(PlatformServices& services, QWidget* parent, const PrintOutcome& outcome);

}  // namespace capillary
