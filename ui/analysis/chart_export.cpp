#include "ui/analysis/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace capillary {
namespace {

const QByteArray kSvg = QByteArrayLiteral("svg");

}  // namespace

QString withPictureSuffix(const QString& fileName) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".png") : fileName;
}

std::optional<QByteArray> pictureFormatOf(const QString& fileName) {
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (suffix == kSvg || QImageWriter::supportedImageFormats().contains(suffix)) return suffix;
    return std::nullopt;
}

std::optional<QByteArray> renderPicture(QWidget& widget, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format != kSvg) {
        if (!widget.grab().save(&buffer, format.constData())) return std::nullopt;
        return bytes;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // At the screen's resolution, so that text keeps its size against the drawing.
    svg.setResolution(widget.logicalDpiY());
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setTitle(widget.windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return std::nullopt;
    widget.render(&painter);
    painter.end();
    return bytes;
}

}  // namespace capillary
