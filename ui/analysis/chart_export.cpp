#include "ui/analysis/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace capillary {

QString withPictureSuffix(const QString& fileName) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".png") : fileName;
}

PictureFormat pictureFormatOf(const QString& fileName) {
    return QFileInfo(fileName).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
               ? PictureFormat::Svg
               : PictureFormat::Png;
}

QByteArray renderPicture(QWidget& widget, PictureFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Png) {
        widget.grab().save(&buffer, "PNG");
        return bytes;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setTitle(widget.windowTitle());
    QPainter painter(&svg);
    widget.render(&painter);
    painter.end();
    return bytes;
}

}  // namespace capillary
