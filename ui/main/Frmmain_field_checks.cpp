#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <initializer_list>
#include <type_traits>

#include "engine/field_entry_checks.h"
#include "ui/common/field_background.h"

namespace capillary {
namespace {

// Applies the key-release rule of `field` to a text box or an editable combo.
template <typename Control>
void applyKeyReleaseCheck(EntryField field, Control* control, UnitSystem unit) {
    constexpr bool kCombo = std::is_same_v<Control, QComboBox>;
    QString text;
    if constexpr (kCombo) {
        text = control->currentText();
    } else {
        text = control->text();
    }
    const KeyReleaseOutcome outcome = checkAfterKeyRelease(field, text.toStdString(), unit);
    const QString checked = QString::fromStdString(outcome.text);
    if (checked != text) {
        if constexpr (kCombo) {
            control->setEditText(checked);
        } else {
            control->setText(checked);
        }
    }
    if (outcome.whiten) setFieldBackground(control, kFieldWhite);
}

}  // namespace

void Frmmain::connectFieldChecks() {
    // Every key counts, including arrows, Shift and the Tab whose press brought the focus in.
    const std::initializer_list<QWidget*> checked{ui_->Txtcapacity, ui_->Txtet,  ui_->Txtct,
                                                  ui_->Txtsc,       ui_->Cmbdpd, ui_->Txtcircuit};
    for (QWidget* control : checked) control->installEventFilter(this);
    // The design's editable combo completes nothing: the text is exactly what was typed.
    ui_->Cmbdpd->setCompleter(nullptr);
    connect(ui_->Txtet, &QLineEdit::textChanged, this, &Frmmain::Frmmain_Txtet_Change);
    connect(ui_->Txtct, &QLineEdit::textChanged, this, &Frmmain::Frmmain_Txtct_Change);
    connect(ui_->Cmbrt, &QComboBox::activated, this, &Frmmain::Frmmain_Cmbrt_Click);
    connect(ui_->Cmbdpd, &QComboBox::activated, this, &Frmmain::Frmmain_Cmbdpd_Click);
}

namespace {

// Leaving the pressure-drop combo, or pressing Enter in it, with a text that equals a list
// item makes Qt report an activation, though nothing was picked from the list.
bool endsEditing(const QEvent* event) {
    if (event->type() == QEvent::FocusOut) return true;
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool Frmmain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Cmbdpd && endsEditing(event)) {
        const QSignalBlocker noActivation(ui_->Cmbdpd);
        ui_->Cmbdpd->event(event);
        return true;
    }
    // A key release changes no text, so the check can run before the control sees it.
    if (event->type() == QEvent::KeyRelease) runKeyUpHandler(watched);
    return QMainWindow::eventFilter(watched, event);
}

void Frmmain::runKeyUpHandler(QObject* control) {
    if (control == ui_->Txtcapacity) {
        Frmmain_Txtcapacity_KeyUp();
    } else if (control == ui_->Txtet) {
        Frmmain_Txtet_KeyUp();
    } else if (control == ui_->Txtct) {
        Frmmain_Txtct_KeyUp();
    } else if (control == ui_->Txtsc) {
        Frmmain_Txtsc_KeyUp();
    } else if (control == ui_->Cmbdpd) {
        Frmmain_Cmbdpd_KeyUp();
    } else if (control == ui_->Txtcircuit) {
        Frmmain_Txtcircuit_KeyUp();
    }
}

void Frmmain::Frmmain_Txtcapacity_KeyUp() {
    applyKeyReleaseCheck(EntryField::Txtcapacity, ui_->Txtcapacity, session_.unit);
}
void Frmmain::Frmmain_Txtet_KeyUp() {
    applyKeyReleaseCheck(EntryField::Txtet, ui_->Txtet, session_.unit);
}
void Frmmain::Frmmain_Txtct_KeyUp() {
    applyKeyReleaseCheck(EntryField::Txtct, ui_->Txtct, session_.unit);
}
void Frmmain::Frmmain_Txtsc_KeyUp() {
    applyKeyReleaseCheck(EntryField::Txtsc, ui_->Txtsc, session_.unit);
}
void Frmmain::Frmmain_Cmbdpd_KeyUp() {
    applyKeyReleaseCheck(EntryField::Cmbdpd, ui_->Cmbdpd, session_.unit);
}
void Frmmain::Frmmain_Txtcircuit_KeyUp() {
    applyKeyReleaseCheck(EntryField::Txtcircuit, ui_->Txtcircuit, session_.unit);
}

// Red marks go when the text changes in any way, by typing or by code.
void Frmmain::Frmmain_Txtet_Change() { setFieldBackground(ui_->Txtet, kFieldWhite); }
void Frmmain::Frmmain_Txtct_Change() { setFieldBackground(ui_->Txtct, kFieldWhite); }
// Red marks go when an item is picked from the list; typing leaves them.
void Frmmain::Frmmain_Cmbrt_Click() { setFieldBackground(ui_->Cmbrt, kFieldWhite); }
void Frmmain::Frmmain_Cmbdpd_Click() { setFieldBackground(ui_->Cmbdpd, kFieldWhite); }

}  // namespace capillary
