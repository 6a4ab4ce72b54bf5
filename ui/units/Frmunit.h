#pragma once

#include <QDialog>

#include <memory>

#include "ui/common/Frmmain_controls.h"
#include "ui/common/session.h"

namespace Ui {
class Frmunit;
}

namespace capillary {

// The units dialog: picks English or Metric units; OK switches the main window over.
class Frmunit : public QDialog {
    Q_OBJECT

  public:
    Frmunit(Session& session, const FrmmainControls& mainWindow, QWidget* parent = nullptr);
    ~Frmunit() override;

  private:
    void Frmunit_Form_Load();
    void Frmunit_CmdOK_Click();

    std::unique_ptr<Ui::Frmunit> ui_;
    Session& session_;
    const FrmmainControls& mainWindow_;
};

}  // namespace capillary
