#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace capillary {

// A picture file as its name asks for it: an SVG drawing for "*.svg", else a PNG image; a name
// without an extension gets ".png".
enum class PictureFormat { Png, Svg };
QString withPictureSuffix(const QString& fileName);
PictureFormat pictureFormatOf(const QString& fileName);

// `widget` as it is drawn on screen, as the bytes of a PNG image or an SVG drawing.
QByteArray renderPicture(QWidget& widget, PictureFormat format);

}  // namespace capillary
