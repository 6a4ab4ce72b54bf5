#pragma once

#include "engine/input_fields.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace capillary {

// The main window's named controls that other parts of the program read and write directly:
// the calculation, the unit relabelling, project files and the report.
struct FrmmainControls {
    // Inputs, in the order the Calculate command checks them, and their captions.
    QComboBox* Cmbrt = nullptr;
    QLineEdit* Txtcapacity = nullptr;
    QLineEdit* Txtet = nullptr;
    QLineEdit* Txtct = nullptr;
    QLineEdit* Txtsh = nullptr;
    QLineEdit* Txtsc = nullptr;
    QComboBox* Cmbdpd = nullptr;
    QLineEdit* Txtcircuit = nullptr;
    QLabel* Lbl1 = nullptr;
    QLabel* Lbl2 = nullptr;
    QLabel* Lbl3 = nullptr;
    QLabel* Lbl4 = nullptr;
    QLabel* Lbl5 = nullptr;
    QLabel* Lbl6 = nullptr;
    QLabel* Lbl7 = nullptr;
    QLabel* Lbl9 = nullptr;

    // Results and their unit captions.
    QLineEdit* Txtlinesize = nullptr;
    QLabel* Lbl13 = nullptr;
    QLineEdit* Txtvelocity = nullptr;
    QLabel* Lbl17 = nullptr;
    QLineEdit* Txtel = nullptr;
    QLabel* Lbl19 = nullptr;
    QLineEdit* Txttpd = nullptr;
    QLabel* Lbl15 = nullptr;
    QLineEdit* Adpd = nullptr;
    QLabel* Label2 = nullptr;

    // The control of an input and the caption before it; every input has both.
    QWidget* input(InputField field) const;
    QLabel* caption(InputField field) const;
};

}  // namespace capillary
