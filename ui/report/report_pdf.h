#pragma once

#include <QString>

namespace capillary {

class Frmplot;

// Writes the sheet as a one-page PDF on A4 with quarter-inch margins, its texts as text;
// false when the file cannot be written. Needs a QGuiApplication for the fonts.
bool WriteReportPdf(const Frmplot& sheet, const QString& fileName);

}  // namespace capillary
