#include "ui/report/report_printing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRectF>

#include "ui/main/Mdlerror.h"
#include "ui/platform/platform_services.h"
#include "ui/report/Frmplot.h"

namespace capillary {
namespace {

constexpr const char* kPdfFilter = "PDF document (*.pdf)";

bool printsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty() ||
           !printer.isValid();
}

}  // namespace

ReportData ReportDataFromWindow(const FrmmainControls& window, const Session& session) {
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
    data.moment = ReportMomentNow();
    return data;
}

PrintOutcome PrintReportSheet(PlatformServices& services, QPrinter& printer, QWidget* parent,
                              const Frmplot& sheet) {
    const auto paint = [&sheet](QPainter& painter, const QRectF& page) {
        sheet.paint(painter, page);
    };
    if (!printsToFile(printer)) {
        const bool printed = services.printPage(printer, paint);
        return {printed ? PrintOutcome::Status::Printed : PrintOutcome::Status::Failed,
                printer.printerName(), false};
    }
    const std::optional<QString> fileName = services.chooseFileToSave(
        parent, FileDialogRequest{printer.outputFileName(), QString::fromLatin1(kPdfFilter)});
    if (!fileName) return {PrintOutcome::Status::Cancelled, {}, true};
    // A printer of its own, so that the one chosen with Print Setup stays as it was.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer.pageLayout());
    pdf.setDocName(QStringLiteral("Capillary tube report"));
    pdf.setOutputFileName(*fileName);
    const bool written = services.printPage(pdf, paint);
    return {written ? PrintOutcome::Status::Printed : PrintOutcome::Status::Failed, *fileName,
            true};
}

void ShowPrintFailure(PlatformServices& services, QWidget* parent, const PrintOutcome& outcome) {
    const QString text =
        outcome.toFile
            ? QStringLiteral("The report could not be written to %1.").arg(outcome.destination)
            : QStringLiteral("The report could not be printed on %1.").arg(outcome.destination);
    Mdlerror::ShowMessage(services, parent, text);
}

}  // namespace capillary
