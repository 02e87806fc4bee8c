// own
#include "report/qt/report_pages.h"
#include "report/qt/report_layout.h"

// Qt
#include <QBuffer>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr qreal kMarginMm = 15;
// The PDF needs no more detail than a good printer's.
constexpr int kPdfResolution = 600;
} // namespace

int PaintZoneReport(const ZoneReport& report, QPagedPaintDevice& device) {
    CReportLayout layout(report, device, device.pageLayout());
    while (layout.LayOutNext()) {
    }
    QPainter painter(&device);
    for (int page = 0; page < layout.Pages(); ++page) {
        if (page > 0) device.newPage();
        layout.PaintPage(page, painter);
    }
    return layout.Pages();
}

QByteArray ZoneReportPdf(const ZoneReport& report, const QPageLayout& layout) {
    return PagesPdf(QString::fromStdString(report.Title()), layout,
                    [&report](QPagedPaintDevice& device) { PaintZoneReport(report, device); });
}

QByteArray PagesPdf(const QString& title, const QPageLayout& layout,
                    const std::function<void(QPagedPaintDevice&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Corvantine"));
        paint(writer);
    }
    return bytes;
}

QPageLayout DefaultReportPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}
