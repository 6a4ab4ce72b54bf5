#pragma once

#include <QString>

#include "product.h"
#include "ui/common/qt_text.h"

namespace capillary {

// The product as the windows and the printed report name it, and where to find its maker.
inline const QString kProductTitleText = toQString(kProductTitle);
inline const QString kProductVersionText = toQString(kProductVersion);
inline const QString kMakerWebsite = QStringLiteral("https://www.tolmerk.example");

}  // namespace capillary
