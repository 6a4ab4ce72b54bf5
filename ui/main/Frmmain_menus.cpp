#include "ui/main/Frmmain.h"

#include <QAction>
#include <QPrinter>

#include "ui/platform/platform_services.h"
#include "ui/units/Frmunit.h"

namespace capillary {

// Open, Save, Print Setup, Print, the website and About stay disabled (set in the form) until
// their commands exist.
void Frmmain::connectMenus() {
    connect(exit, &QAction::triggered, this, &Frmmain::Frmmain_exit_Click);
    connect(units, &QAction::triggered, this, &Frmmain::Frmmain_units_Click);
    connect(print, &QAction::triggered, this, &Frmmain::Frmmain_print_Click);
}

QPrinter& Frmmain::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void Frmmain::Frmmain_exit_Click() { services_.endProgram(); }

// The dialog is made afresh for each showing; what it chooses lives on in the session.
void Frmmain::Frmmain_units_Click() {
    Frmunit dialog(session_, controls_, this);
    services_.runModal(dialog);
}

}  // namespace capillary
