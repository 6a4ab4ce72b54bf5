#include "ui/common/field_background.h"

#include <QComboBox>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace capillary {
namespace {

// The platform style shades a combo's face and its drop-down button; a rejected combo is
// plain red all over, as a rejected text box is, with its frame and arrow kept.
class FlatRejectedComboStyle final : public QProxyStyle {
  public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control != CC_ComboBox || option->palette.color(QPalette::Button) != kFieldRed) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->save();
        painter->fillRect(option->rect, kFieldRed);
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        QStyleOption arrow = *option;
        arrow.rect = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget);
        drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
    }
};

}  // namespace

void setFieldBackground(QWidget* control, const QColor& colour) {
    if (qobject_cast<QComboBox*>(control) &&
        !dynamic_cast<FlatRejectedComboStyle*>(control->style())) {
        auto* style = new FlatRejectedComboStyle;
        style->setParent(control);
        control->setStyle(style);
    }
    QPalette palette = control->palette();
    // Text boxes and editable combos paint their field with Base; a drop-down list paints
    // its face with Button.
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

QColor fieldBackground(const QWidget* control) { return control->palette().color(QPalette::Base); }

}  // namespace capillary
