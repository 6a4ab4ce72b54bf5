#include "ui/report/report_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>

#include "ui/common/complete_file.h"
#include "ui/common/product_info.h"
#include "ui/report/Frmplot.h"

namespace capillary {

QPageLayout defaultReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

// Drawn into memory first: a page is small, and the file is then written as a whole.
QByteArray renderReportPdf(const Frmplot& sheet, const QPageLayout& layout) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(QStringLiteral("Capillary tube report"));
        writer.setCreator(kProductTitleText);
        writer.setPageLayout(layout);
        QPainter painter(&writer);
        sheet.paint(
            painter,
            QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size()));
    }
    return pdf;
}

std::optional<QString> writeReportPdf(const Frmplot& sheet, const QString& fileName,
                                      const QPageLayout& layout) {
    return writeCompleteFile(fileName, renderReportPdf(sheet, layout));
}

}  // namespace capillary
