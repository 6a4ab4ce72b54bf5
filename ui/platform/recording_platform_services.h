#pragma once

#include <QDialog>

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

    std::vector<MessageRequest> messages;
    int endProgramCalls = 0;

    // Called while a message box would be on screen, e.g. to look at the window behind it.
    std::function<void(const MessageRequest&)> onMessage;
    // Called with each modal dialog while it is open; a dialog still open afterwards is
    // closed through its close box.
    std::function<void(QDialog&)> onDialog;
};

}  // namespace capillary
