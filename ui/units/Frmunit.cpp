#include "ui/units/Frmunit.h"

#include "ui_Frmunit.h"

#include "ui/common/Mdlclear.h"
#include "ui/common/design_fonts.h"
#include "ui/common/fixed_dialog.h"
#include "ui/units/unit_relabelling.h"

namespace capillary {

Frmunit::Frmunit(Session& session, const FrmmainControls& mainWindow, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::Frmunit>()),
      session_(session),
      mainWindow_(mainWindow) {
    ui_->setupUi(this);
    setFont(dialogFont());
    makeFixedCentredDialog(*this);
    connect(ui_->CmdOK, &QPushButton::clicked, this, &Frmunit::Frmunit_CmdOK_Click);
    Frmunit_Form_Load();
}

Frmunit::~Frmunit() = default;

void Frmunit::Frmunit_Form_Load() {
    if (session_.unit == UnitSystem::Metric) {
        ui_->metric->setChecked(true);
    } else {
        ui_->imperial->setChecked(true);
    }
}

void Frmunit::Frmunit_CmdOK_Click() {
    const UnitSystem choice = ui_->metric->isChecked() ? UnitSystem::Metric : UnitSystem::English;
    session_.unit = choice;
    if (choice != session_.history) {
        ClearOutputs(mainWindow_);
        if (choice == UnitSystem::English) {
            unit0(mainWindow_);
            unit01(mainWindow_, session_);
        } else {
            unit1(mainWindow_);
            unit11(mainWindow_, session_);
        }
    }
    session_.history = session_.unit;
    accept();
}

}  // namespace capillary
