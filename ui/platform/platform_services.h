#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace capillary {

// A message box as the program asks for it.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
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
};

}  // namespace capillary
