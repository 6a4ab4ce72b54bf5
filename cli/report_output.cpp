#include "report_output.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include "ui/report/Frmplot.h"
#include "ui/report/report_data.h"
#include "ui/report/report_pdf.h"

namespace capillary::cli {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QString headingText(const std::optional<std::string>& given,
                    const std::optional<std::string>& saved) {
    if (given.has_value()) return q(*given);
    return saved.has_value() ? q(*saved) : QString();
}

// The texts the window would show after opening the file and pressing Calculate.
ReportData reportData(const ReportRequest& request, const ProjectRecord& record,
                      const OpenedDesign& design, const SizingRun& run) {
    ReportData data;
    data.unit = design.unit;
    data.refrigerant = q(design.texts.refrigerant);
    data.capacity = q(design.texts.capacity);
    data.evaporatingTemperature = q(design.texts.evaporating);
    data.condensingTemperature = q(design.texts.condensing);
    data.subcooling = q(run.request.texts.subcooling);  // "0" once Calculate has filled it in
    data.circuits = q(design.texts.circuits);
    if (run.outputs) {
        data.pressureDrop = q(run.outputs->actualPressureDrop);
        data.lineSize = q(run.outputs->lineSize);
        data.velocity = q(run.outputs->velocity);
        data.length = q(run.outputs->length);
        data.totalPressureDrop = q(run.outputs->totalPressureDrop);
        data.boreDescription = q(run.outputs->lineSizeCaption);
    }
    data.heading.customer = headingText(request.customer, record.customer);
    data.heading.project = headingText(request.project, record.project);
    data.heading.note = headingText(request.note, record.note);
    data.moment = reportMomentNow();
    return data;
}

void ignoreQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool writeReport(const ReportRequest& request, const ProjectRecord& record,
                 const OpenedDesign& design, const SizingRun& run, std::FILE* err) {
    // Qt's notes about a headless session (no runtime folder, say) are no business of a
    // script; what fails is reported below in the sizer's own words.
    qInstallMessageHandler(ignoreQtNotes);
    // The page is drawn with the GUI library's fonts but needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char programName[] = "capillary-size";
    char* argv[] = {programName, nullptr};
    QGuiApplication application(argc, argv);
    const Frmplot sheet(reportData(request, record, design, run));
    if (const std::optional<QString> failure = writeReportPdf(sheet, q(request.pdfFile))) {
        std::fprintf(err, "capillary-size: Cannot write report %s: %s.\n", request.pdfFile.c_str(),
                     failure->toLocal8Bit().constData());
        return false;
    }
    return true;
}

}  // namespace capillary::cli
