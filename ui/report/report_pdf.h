#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <optional>

namespace capillary {

class Frmplot;

// The page layout of a report PDF written without a printer: A4, quarter-inch margins.
QPageLayout defaultReportPageLayout();

// The sheet as a one-page PDF document on `layout`, its texts as text. Needs a
// QGuiApplication for the fonts.
QByteArray renderReportPdf(const Frmplot& sheet, const QPageLayout& layout);

// Writes the sheet as a one-page PDF; an old file of that name is replaced only by a complete
// new one. Returns why the file could not be written; none on success.
std::optional<QString> writeReportPdf(const Frmplot& sheet, const QString& fileName,
                                      const QPageLayout& layout = defaultReportPageLayout());

}  // namespace capillary
