#include "ui/report/report_printing.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRectF>

#include "ui/common/Mdlerror.h"
#include "ui/platform/platform_services.h"
#include "ui/report/Frmplot.h"
#include "ui/report/report_pdf.h"

namespace capillary {
namespace {

constexpr const char* kPdfFilter = "PDF document (*.pdf)";

// A name typed without an extension is meant as a PDF.
QString withPdfSuffix(const QString& fileName) {
    if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
    return fileName + QStringLiteral(".pdf");
}

}  // namespace

ReportData reportDataFromWindow(const FrmmainControls& window, const Session& session) {
    ReportData data;
    data.unit = session.unit;
    data.refrigerant = window.Cmbrt->currentText();
    data.capacity = window.Txtcapacity->text();
    data.evaporatingTemperature = window.Txtet->text();
    data.condensingTemperature = window.Txtct->text();
    data.subcooling = window.Txtsc->text();
    data.pressureDrop = window.Adpd->text();
    data.circuits = window.Txtcircuit->text();
    data.lineSize = window.Txtlinesize->text();
    data.velocity = window.Txtvelocity->text();
    data.length = window.Txtel->text();
    data.totalPressureDrop = window.Txttpd->text();
    data.boreDescription = window.Lbl13->text();
    data.moment = reportMomentNow();
    return data;
}

PrintOutcome printReportSheet(PlatformServices& services, QPrinter& printer, QWidget* parent,
                              const Frmplot& sheet) {
    const auto paint = [&sheet](QPainter& painter, const QRectF& page) {
        sheet.paint(painter, page);
    };
    if (const std::optional<QString> installed = services.installedPrinterName(printer)) {
        const bool printed = services.printPage(printer, paint);
        return {printed ? PrintOutcome::Status::Printed : PrintOutcome::Status::Failed,
                *installed,
                false,
                {}};
    }
    const std::optional<QString> chosen = services.chooseFileToSave(
        parent, FileDialogRequest{printer.outputFileName(), QString::fromLatin1(kPdfFilter),
                                  QStringLiteral("pdf")});
    if (!chosen) return {PrintOutcome::Status::Cancelled, {}, true, {}};
    const QString fileName = withPdfSuffix(*chosen);
    // On the page set up for the printer; the printer itself stays as it was.
    const std::optional<QString> failure = writeReportPdf(sheet, fileName, printer.pageLayout());
    if (failure) return {PrintOutcome::Status::Failed, fileName, true, *failure};
    return {PrintOutcome::Status::Printed, fileName, true, {}};
}

void showPrintFailure(PlatformServices& services, QWidget* parent, const PrintOutcome& outcome) {
    const QString text =
        outcome.toFile
            ? QStringLiteral("The report could not be written to %1: %2.")
                  .arg(outcome.destination, outcome.reason)
            : QStringLiteral("The report could not be printed on %1.").arg(outcome.destination);
    Mdlerror::showMessage(services, parent, text);
}

}  // namespace capillary
