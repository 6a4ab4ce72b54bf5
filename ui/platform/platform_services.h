#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QPainter;
class QPrinter;
class QRectF;
class QUrl;
class QWidget;

namespace capillary {

// A message box as the program asks for it.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// A file dialog as the program asks for it: where it starts, its filter entry, such as
// "tolmerk capillary tube design(*.cqz)" (or several between ";;"), and the extension a save
// dialog adds to a name typed without one (none when empty; the picked filter's, when several).
struct FileDialogRequest {
    QString startName;
    QString filter;
    QString defaultSuffix;
};

// Everything the windows need from the desktop beyond their own widgets, behind one seam so
// that tests can replace it and never need a screen or a person.
class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // Shows a modal message box and waits until it is closed; the answer is not reported
    // because no caller examines it.
    virtual void showMessage(QWidget* parent, const MessageRequest& request) = 0;

    // Runs a dialog modally and returns its result code once it is closed.
    virtual int runModal(QDialog& dialog) = 0;

    // Ends the program at once, asking nothing and saving nothing.
    virtual void endProgram() = 0;

    // The file chosen in the system's open or save dialog, exactly as the dialog returned it;
    // none when the user cancelled. The save dialog asks before an existing file is replaced.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFileToSave(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;

    // Shows the system printer dialog for `printer`, which keeps what the user chose for the
    // next print; it prints nothing. False when the user cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

    // Opens a web address in the user's browser, without waiting for it.
    virtual void openWebAddress(const QUrl& address) = 0;

    // The name of the installed printer that `printer` prints on; none when it prints to a file
    // (a PDF) or when no printer is installed.
    virtual std::optional<QString> installedPrinterName(const QPrinter& printer) = 0;

    // Prints one page on `printer`: `paint` draws it with a painter on the printer, given the
    // printable area in the painter's coordinates. False when the printer cannot be opened
    // or reports an error.
    using PagePainter = std::function<void(QPainter& painter, const QRectF& printable)>;
    virtual bool printPage(QPrinter& printer, const PagePainter& paint) = 0;
};

}  // namespace capillary
