#pragma once

#include "ui/platform/platform_services.h"

namespace capillary {

// The real desktop: Qt message boxes, modal dialog loops and the application's event loop.
class QtPlatformServices final : public PlatformServices {
  public:
    void showMessage(QWidget* parent, const MessageRequest& request) override;
    int runModal(QDialog& dialog) override;
    void endProgram() override;
};

}  // namespace capillary
