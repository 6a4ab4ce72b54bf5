#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <type_traits>

#include "engine/field_entry_checks.h"
#include "ui/common/field_background.h"

namespace capillary {
namespace {

// Applies the key-release rule of `field` to a text box or an editable combo.
template <typename Control>
void applyKeyReleaseCheck(InputField field, Control* control, UnitSystem unit) {
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

const std::array<Frmmain::KeyUpHandler, 6> Frmmain::kKeyUpHandlers{{
    {InputField::Txtcapacity, &Frmmain::Frmmain_Txtcapacity_KeyUp},
    {InputField::Txtet, &Frmmain::Frmmain_Txtet_KeyUp},
    {InputField::Txtct, &Frmmain::Frmmain_Txtct_KeyUp},
    {InputField::Txtsc, &Frmmain::Frmmain_Txtsc_KeyUp},
    {InputField::Cmbdpd, &Frmmain::Frmmain_Cmbdpd_KeyUp},
    {InputField::Txtcircuit, &Frmmain::Frmmain_Txtcircuit_KeyUp},
}};

void Frmmain::connectFieldChecks() {
    static_assert(
        [] {
            std::size_t checked = 0;
            for (const InputFieldInfo& info : kInputFields)
                checked += checkedWhileTyping(info.field);
            return checked == kKeyUpHandlers.size();
        }(),
        "every field checked while typing has its key-release handler");
    // Every key counts, including arrows, Shift and the Tab whose press brought the focus in.
    for (const KeyUpHandler& handler : kKeyUpHandlers) {
        controls_.input(handler.field)->installEventFilter(this);
    }
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
    for (const KeyUpHandler& handler : kKeyUpHandlers) {
        if (controls_.input(handler.field) == control) return (this->*handler.handle)();
    }
}

void Frmmain::Frmmain_Txtcapacity_KeyUp() {
    applyKeyReleaseCheck(InputField::Txtcapacity, ui_->Txtcapacity, session_.unit);
}
void Frmmain::Frmmain_Txtet_KeyUp() {
    applyKeyReleaseCheck(InputField::Txtet, ui_->Txtet, session_.unit);
}
void Frmmain::Frmmain_Txtct_KeyUp() {
    applyKeyReleaseCheck(InputField::Txtct, ui_->Txtct, session_.unit);
}
void Frmmain::Frmmain_Txtsc_KeyUp() {
    applyKeyReleaseCheck(InputField::Txtsc, ui_->Txtsc, session_.unit);
}
void Frmmain::Frmmain_Cmbdpd_KeyUp() {
    applyKeyReleaseCheck(InputField::Cmbdpd, ui_->Cmbdpd, session_.unit);
}
void Frmmain::Frmmain_Txtcircuit_KeyUp() {
    applyKeyReleaseCheck(InputField::Txtcircuit, ui_->Txtcircuit, session_.unit);
}

// Red marks go when the text changes in any way, by typing or by code.
void Frmmain::Frmmain_Txtet_Change() { setFieldBackground(ui_->Txtet, kFieldWhite); }
void Frmmain::Frmmain_Txtct_Change() { setFieldBackground(ui_->Txtct, kFieldWhite); }
// Red marks go when an item is picked from the list; typing leaves them.
void Frmmain::Frmmain_Cmbrt_Click() { setFieldBackground(ui_->Cmbrt, kFieldWhite); }
void Frmmain::Frmmain_Cmbdpd_Click() { setFieldBackground(ui_->Cmbdpd, kFieldWhite); }

}  // namespace capillary
