#pragma once

#include <QDialog>
#include <QPicture>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

#include "ui/platform/platform_services.h"

namespace capillary {

// A stand-in for the desktop in tests: records every message box and program end, and hands
// each modal dialog to the test, shown but not blocking, so the test can click its buttons.
class RecordingPlatformServices final : public PlatformServices {
  public:
    void showMessage(QWidget* parent, const MessageRequest& request) override;
    int runModal(QDialog& dialog) override;
    void endProgram() override { ++endProgramCalls; }
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent,
                                            const FileDialogRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void openWebAddress(const QUrl& address) override { openedAddresses.push_back(address); }

    std::vector<MessageRequest> messages;
    int endProgramCalls = 0;

    // The file names the file dialogs answer, first in first out; an empty name, or none
    // left, cancels.
    std::deque<QString> openAnswers, saveAnswers;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    // What the printer dialog answers; it may also change the printer.
    std::function<bool(QPrinter&)> onPrinterSetup;
    int printerSetups = 0;
    std::vector<QUrl> openedAddresses;

    // Called while a message box would be on screen, e.g. to look at the window behind it.
    std::function<void(const MessageRequest&)> onMessage;
    // Called with each modal dialog while it is open; a dialog still open afterwards is
    // closed through its close box.
    std::function<void(QDialog&)> onDialog;

    // The printer the desktop says is installed; none, as on a machine without printers, makes
    // every print go to a PDF.
    std::optional<QString> installedPrinterName(const QPrinter&) override {
        return installedPrinter;
    }
    std::optional<QString> installedPrinter;

    // The page is painted into `lastPage`. With `printSucceeds` false every print fails, as a
    // broken printer would, and nothing is painted.
    bool printPage(QPrinter& printer, const PagePainter& paint) override;
    bool printSucceeds = true;
    int pagesPrinted = 0;
    QPicture lastPage;
};

}  // namespace capillary
