#include "ui/platform/qt_platform_services.h"

#include <QApplication>
#include <QDialog>

namespace capillary {

void QtPlatformServices::showMessage(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    box.exec();
}

int QtPlatformServices::runModal(QDialog& dialog) { return dialog.exec(); }

// Leaving the event loop ends the run; the windows are destroyed as main() returns.
void QtPlatformServices::endProgram() { QApplication::quit(); }

}  // namespace capillary
