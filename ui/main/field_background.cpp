#include "ui/main/field_background.h"

#include <QPalette>
#include <QWidget>

namespace capillary {

void setFieldBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    // Text boxes and editable combos paint their field with Base; a drop-down list paints
    // its face with Button.
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

QColor fieldBackground(const QWidget* control) { return control->palette().color(QPalette::Base); }

}  // namespace capillary
