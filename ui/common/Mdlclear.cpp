#include "ui/common/Mdlclear.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace capillary {

void ClearOutputs(const FrmmainControls& c) {
    c.Txtlinesize->clear();
    c.Txttpd->clear();
    c.Txtvelocity->clear();
    c.Txtel->clear();
    c.Lbl13->clear();
    c.Adpd->clear();
    QPalette palette = c.Txtvelocity->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    c.Txtvelocity->setPalette(palette);
}

}  // namespace capillary
