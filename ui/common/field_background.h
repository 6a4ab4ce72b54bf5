#pragma once

#include <QColor>

class QWidget;

namespace capillary {

// Input backgrounds: white is normal, pure red marks a field the Calculate command rejected.
inline const QColor kFieldWhite{255, 255, 255};
inline const QColor kFieldRed{255, 0, 0};

void setFieldBackground(QWidget* control, const QColor& colour);
QColor fieldBackground(const QWidget* control);

}  // namespace capillary
