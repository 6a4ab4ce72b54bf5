#pragma once

#include <QString>

namespace capillary {

// Who makes the program and where to find them, as the Help menu, the About box and the
// printed report name them.
inline const QString kProductTitle = QStringLiteral("Tolmerk Capillary Tube Design");
inline const QString kMakerWebsite = QStringLiteral("https://www.tolmerk.example");

}  // namespace capillary
