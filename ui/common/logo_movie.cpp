#include "ui/common/logo_movie.h"

#include <QMovie>

namespace capillary {

QMovie* loadLogoMovie(const QString& fileName, const QString& builtInCopy, QObject* parent) {
    auto* movie = new QMovie(fileName, QByteArray(), parent);
    // A file can look like a GIF by its first bytes and still hold no picture.
    if (movie->isValid() && movie->jumpToFrame(0) && !movie->currentImage().isNull()) {
        movie->jumpToFrame(0);
        return movie;
    }
    movie->setFileName(builtInCopy);
    return movie;
}

}  // namespace capillary
