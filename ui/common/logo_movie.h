#pragma once

#include <QString>

class QMovie;
class QObject;

namespace capillary {

// The logo strip's picture: the named file when it can be read, else the copy built into the
// program, so the strip never shows a hole.
QMovie* loadLogoMovie(const QString& fileName, const QString& builtInCopy, QObject* parent);

}  // namespace capillary
