#include "ui/platform/recording_platform_services.h"

#include <QPainter>
#include <QPrinter>
#include <QRectF>

namespace capillary {

void RecordingPlatformServices::showMessage(QWidget*, const MessageRequest& request) {
    messages.push_back(request);
    if (onMessage) onMessage(request);
}

int RecordingPlatformServices::runModal(QDialog& dialog) {
    dialog.open();
    if (onDialog) onDialog(dialog);
    if (dialog.isVisible()) dialog.close();
    return dialog.result();
}

namespace {

std::optional<QString> nextAnswer(std::deque<QString>& answers) {
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
}

}  // namespace

std::optional<QString> RecordingPlatformServices::chooseFileToOpen(
    QWidget*, const FileDialogRequest& request) {
    openRequests.push_back(request);
    return nextAnswer(openAnswers);
}

std::optional<QString> RecordingPlatformServices::chooseFileToSave(
    QWidget*, const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return nextAnswer(saveAnswers);
}

bool RecordingPlatformServices::setUpPrinter(QWidget*, QPrinter& printer) {
    ++printerSetups;
    return onPrinterSetup ? onPrinterSetup(printer) : false;
}

}  // namespace capillary

namespace capillary {

bool RecordingPlatformServices::printPage(QPrinter& printer, const PagePainter& paint) {
    if (!printSucceeds) return false;
    const QRectF printable(QPointF(0, 0),
                           printer.pageLayout().paintRectPixels(printer.resolution()).size());
    lastPage = QPicture();
    QPainter painter;
    if (!painter.begin(&lastPage)) return false;
    paint(painter, printable);
    if (!painter.end()) return false;
    ++pagesPrinted;
    return true;
}

}  // namespace capillary
