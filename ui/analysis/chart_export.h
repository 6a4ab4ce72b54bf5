#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace capillary {

// A name typed without an extension gets ".png".
QString withPictureSuffix(const QString& fileName);

// The format a picture file's extension asks for: "svg" for a drawing, or an image format Qt
// can write ("png", "jpg", "bmp", …); none for any other extension.
std::optional<QByteArray> pictureFormatOf(const QString& fileName);

// `widget` as it is drawn on screen, as the bytes of a file of `format` (one that
// pictureFormatOf gave); none when it cannot be drawn.
std::optional<QByteArray> renderPicture(QWidget& widget, const QByteArray& format);

}  // namespace capillary
