#include "ui/common/Frmmain_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace capillary {

// Switches over every input, so that a new one cannot be forgotten here without a warning.
QWidget* FrmmainControls::input(InputField field) const {
    switch (field) {
        case InputField::Cmbrt:
            return Cmbrt;
        case InputField::Txtcapacity:
            return Txtcapacity;
        case InputField::Txtet:
            return Txtet;
        case InputField::Txtct:
            return Txtct;
        case InputField::Txtsh:
            return Txtsh;
        case InputField::Txtsc:
            return Txtsc;
        case InputField::Cmbdpd:
            return Cmbdpd;
        case InputField::Txtcircuit:
            return Txtcircuit;
    }
    return nullptr;
}

QLabel* FrmmainControls::caption(InputField field) const {
    switch (field) {
        case InputField::Cmbrt:
            return Lbl1;
        case InputField::Txtcapacity:
            return Lbl2;
        case InputField::Txtet:
            return Lbl3;
        case InputField::Txtct:
            return Lbl4;
        case InputField::Txtsh:
            return Lbl5;
        case InputField::Txtsc:
            return Lbl6;
        case InputField::Cmbdpd:
            return Lbl7;
        case InputField::Txtcircuit:
            return Lbl9;
    }
    return nullptr;
}

}  // namespace capillary
