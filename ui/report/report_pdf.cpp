#include "ui/report/report_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>

#include "ui/report/Frmplot.h"

namespace capillary {

bool WriteReportPdf(const Frmplot& sheet, const QString& fileName) {
    QPdfWriter writer(fileName);
    writer.setResolution(1200);
    writer.setTitle(QStringLiteral("Capillary tube report"));
    writer.setCreator(QStringLiteral("Tolmerk Capillary Tube Design"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    sheet.paint(painter, QRectF(QPointF(0, 0),
                                writer.pageLayout().paintRectPixels(writer.resolution()).size()));
    return painter.end();
}

}  // namespace capillary
