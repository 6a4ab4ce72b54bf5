#include "ui/platform/qt_platform_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace capillary {

// The system dialog offers to "Print"; here it only sets the printer up for later.
std::unique_ptr<QPrintDialog> makePrinterSetupDialog(QPrinter& printer, QWidget* parent) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Print Setup"));
    for (auto* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) {
            confirm->setText(QStringLiteral("OK"));
        }
    }
    return dialog;
}

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

// The dialog adds the default extension itself, so that it asks about replacing the file
// that will really be written.
std::optional<QString> QtPlatformServices::chooseFileToSave(QWidget* parent,
                                                            const FileDialogRequest& request) {
    QFileDialog dialog(parent, {}, request.startName, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // With several filters ("PNG image (*.png);;SVG drawing (*.svg)"), a name typed without an
    // extension gets the extension of the filter picked.
    if (!request.defaultSuffix.isEmpty()) {
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                static const QRegularExpression extension(QStringLiteral(R"(\*\.(\w+))"));
                const QRegularExpressionMatch match = extension.match(filter);
                if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
            });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPlatformServices::chooseFileToOpen(QWidget* parent,
                                                            const FileDialogRequest& request) {
    return chosen(QFileDialog::getOpenFileName(parent, {}, request.startName, request.filter));
}

bool QtPlatformServices::setUpPrinter(QWidget* parent, QPrinter& printer) {
    const std::unique_ptr<QPrintDialog> dialog = makePrinterSetupDialog(printer, parent);
    return dialog->exec() == QDialog::Accepted;
}

void QtPlatformServices::openWebAddress(const QUrl& address) { QDesktopServices::openUrl(address); }

}  // namespace capillary

namespace capillary {

// Without an installed printer Qt's printer falls back to writing a PDF.
std::optional<QString> QtPlatformServices::installedPrinterName(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty() ||
        !printer.isValid()) {
        return std::nullopt;
    }
    return printer.printerName();
}

// The painter starts at the top-left corner of the printable area; the job is sent when the
// painter ends.
bool QtPlatformServices::printPage(QPrinter& printer, const PagePainter& paint) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    paint(painter,
          QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    const bool sent = painter.end();
    return sent && printer.printerState() != QPrinter::Error;
}

}  // namespace capillary
