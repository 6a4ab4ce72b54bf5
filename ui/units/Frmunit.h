#pragma once

#include <QDialog>

#include "ui/common/Frmmain_controls.h"
#include "ui/common/session.h"
#include "ui_Frmunit.h"

namespace capillary {

// The units dialog: picks English or Metric units; OK switches the main window over.
class Frmunit : public QDialog, private Ui::Frmunit {
    Q_OBJECT

  public:
    Frmunit(Session& session, const FrmmainControls& mainWindow, QWidget* parent = nullptr);

  private:
    void Frmunit_Form_Load();
    void Frmunit_CmdOK_Click();

    Session& session_;
    const FrmmainControls& mainWindow_;
};

}  // namespace capillary
