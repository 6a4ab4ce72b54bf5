#include "ui/platform/qt_platform_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace capillary {

void QtPlatformServices::showMessage(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    box.exec();
}

int QtPlatformServices::runModal(QDialog& dialog) { return dialog.exec(); }

// Leaving the event loop ends the run; the windows are destroyed as main() returns.
void QtPlatformServices::endProgram() { QApplication::quit(); }

}  // namespace capillary

namespace capillary {
namespace {

std::optional<QString> chosen(const QString& fileName) {
    if (fileName.isEmpty()) return std::nullopt;
    return fileName;
}

}  // namespace

// No overwrite question: saving replaces the file of the chosen name, as it always has.
std::optional<QString> QtPlatformServices::chooseFileToSave(QWidget* parent,
                                                            const FileDialogRequest& request) {
    return chosen(QFileDialog::getSaveFileName(parent, {}, request.startName, request.filter,
                                               nullptr, QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> QtPlatformServices::chooseFileToOpen(QWidget* parent,
                                                            const FileDialogRequest& request) {
    return chosen(QFileDialog::getOpenFileName(parent, {}, request.startName, request.filter));
}

bool QtPlatformServices::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatformServices::openWebAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

}  // namespace capillary

namespace capillary {

// The painter starts at the top-left corner of the printable area; the job is sent when the
// painter ends.
bool QtPlatformServices::printPage(QPrinter& printer, const PagePainter& paint) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    paint(painter, QRectF(QPointF(0, 0),
                          printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    const bool sent = painter.end();
    return sent && printer.printerState() != QPrinter::Error;
}

}  // namespace capillary
