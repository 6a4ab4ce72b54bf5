#include "ui/units/unit_relabelling.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <string_view>

#include "engine/fixed_point.h"
#include "engine/unit_labels.h"
#include "engine/unit_switch.h"
#include "ui/common/qt_text.h"

namespace capillary {
namespace {

void convertField(QLineEdit* field, Quantity quantity, UnitSystem target) {
    const QString converted =
        toQString(convertInputText(field->text().toStdString(), quantity, target));
    if (converted != field->text()) field->setText(converted);
}

void convertInputs(const FrmmainControls& c, UnitSystem target) {
    convertField(c.Txtcapacity, Quantity::Capacity, target);
    convertField(c.Txtet, Quantity::Temperature, target);
    convertField(c.Txtct, Quantity::Temperature, target);
    convertField(c.Txtsh, Quantity::TemperatureDifference, target);
    convertField(c.Txtsc, Quantity::TemperatureDifference, target);
}

void relabel(const FrmmainControls& c, Session& session, UnitSystem target) {
    const UnitLabels& labels = unitLabels(target);
    for (const InputFieldInfo& info : kInputFields) {
        if (info.caption) c.caption(info.field)->setText(toQString(labels.*info.caption));
    }
    c.Lbl15->setText(toQString(labels.Lbl15));
    c.Lbl17->setText(toQString(labels.Lbl17));
    c.Lbl19->setText(toQString(labels.Lbl19));
    c.Label2->setText(toQString(labels.Label2));

    // A text without a number keeps the value of the previous switch.
    if (auto converted = convertPressureDrop(c.Cmbdpd->currentText().toStdString(), target)) {
        session.pdhistory = *converted;
    }
    QStringList items;
    for (std::string_view item : labels.pressureDropList) items << toQString(item);
    c.Cmbdpd->clear();
    c.Cmbdpd->addItems(items);
    // Filling an empty list selects its first item; the value shown is the converted one.
    c.Cmbdpd->setCurrentIndex(-1);
    c.Cmbdpd->setEditText(QString::fromStdString(formatPlainDecimal(session.pdhistory)));

    for (const InputFieldInfo& info : kInputFields) {
        if (info.tooltip) c.input(info.field)->setToolTip(toQString(labels.*info.tooltip));
    }
}

}  // namespace

void unit0(const FrmmainControls& controls) { convertInputs(controls, UnitSystem::English); }
void unit1(const FrmmainControls& controls) { convertInputs(controls, UnitSystem::Metric); }

void unit01(const FrmmainControls& controls, Session& session) {
    relabel(controls, session, UnitSystem::English);
}
void unit11(const FrmmainControls& controls, Session& session) {
    relabel(controls, session, UnitSystem::Metric);
}

}  // namespace capillary
