#include "ui/platform/recording_platform_services.h"

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

}  // namespace capillary
