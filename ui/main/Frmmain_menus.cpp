#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QAction>
#include <QPrinter>
#include <QUrl>

#include "ui/analysis/TubeAnalysisWindow.h"
#include "ui/common/product_info.h"
#include "ui/misc/frmAbout.h"
#include "ui/platform/platform_services.h"
#include "ui/units/Frmunit.h"

namespace capillary {

void Frmmain::connectMenus() {
    connect(ui_->open, &QAction::triggered, this, &Frmmain::Frmmain_open_Click);
    connect(ui_->save, &QAction::triggered, this, &Frmmain::Frmmain_save_Click);
    connect(ui_->Printsetup, &QAction::triggered, this, &Frmmain::Frmmain_Printsetup_Click);
    connect(ui_->print, &QAction::triggered, this, &Frmmain::Frmmain_print_Click);
    connect(ui_->exit, &QAction::triggered, this, &Frmmain::Frmmain_exit_Click);
    connect(ui_->units, &QAction::triggered, this, &Frmmain::Frmmain_units_Click);
    connect(ui_->web, &QAction::triggered, this, &Frmmain::Frmmain_web_Click);
    connect(ui_->About, &QAction::triggered, this, &Frmmain::Frmmain_About_Click);
    connect(ui_->Tubeanalysis, &QAction::triggered, this, &Frmmain::Frmmain_Tubeanalysis_Click);
}

QPrinter& Frmmain::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

// The printer keeps what the user chose; cancelling leaves it as it was.
void Frmmain::Frmmain_Printsetup_Click() { services_.setUpPrinter(this, printer()); }

void Frmmain::Frmmain_exit_Click() { services_.endProgram(); }

// The dialog is made afresh for each showing; what it chooses lives on in the session.
void Frmmain::Frmmain_units_Click() {
    Frmunit dialog(session_, controls_, this);
    services_.runModal(dialog);
}

void Frmmain::Frmmain_web_Click() { services_.openWebAddress(QUrl(kMakerWebsite)); }

// One analysis window: asked for again, the open one comes to the front.
void Frmmain::Frmmain_Tubeanalysis_Click() {
    if (!analysis_) {
        analysis_ = new TubeAnalysisWindow(services_, this);
        if (lastDesign_) analysis_->showDesign(*lastDesign_);
    }
    analysis_->setWindowState(analysis_->windowState() & ~Qt::WindowMinimized);
    analysis_->show();
    analysis_->raise();
    analysis_->activateWindow();
}

void Frmmain::Frmmain_About_Click() {
    frmAbout dialog(this);
    services_.runModal(dialog);
}

}  // namespace capillary
