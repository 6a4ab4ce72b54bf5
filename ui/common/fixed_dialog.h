#pragma once

class QDialog;

namespace capillary {

// Gives a dialog the program's frame: a fixed size with a close box only, modal, and centred
// on the screen rather than over the main window.
void makeFixedCentredDialog(QDialog& dialog);

}  // namespace capillary
