#pragma once

#include <memory>

#include "ui/platform/platform_services.h"

class QPrintDialog;

namespace capillary {

// The system's printer dialog as Print Setup shows it: it chooses the printer and its settings
// for the next print, and its confirm button reads "OK".
std::unique_ptr<QPrintDialog> makePrinterSetupDialog(QPrinter& printer, QWidget* parent);

// The real desktop: Qt message boxes and dialogs, the application's event loop, the system's
// file and printer dialogs and its web browser.
class QtPlatformServices final : public PlatformServices {
  public:
    void showMessage(QWidget* parent, const MessageRequest& request) override;
    int runModal(QDialog& dialog) override;
    void endProgram() override;
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent,
                                            const FileDialogRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void openWebAddress(const QUrl& address) override;
    std::optional<QString> installedPrinterName(const QPrinter& printer) override;
    bool printPage(QPrinter& printer, const PagePainter& paint) override;
};

}  // namespace capillary
