// own
#include "report/qt/report_pages.h"
#include "report/report_forms.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {
constexpr qreal kMarginMm = 15;
// The PDF needs no more detail than a good printer's.
constexpr int kPdfResolution = 600;

QFont ReportFont(QPaintDevice& device) {
    QFont font("Sans Serif");
    font.setPointSizeF(9);
    // Without ligatures, "Office" stays six letters for whoever searches or copies the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return QFont(font, &device);
}

void PaintHeader(QPainter& painter, const ZoneReport& report, qreal width, qreal height, int page,
                 int pages) {
    const QRectF line(0, 0, width, height * 0.8);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(std::string(ZoneReport::kTitle) + ": " + report.fileName));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    painter.drawLine(QPointF(0, height * 0.85), QPointF(width, height * 0.85));
}
} // namespace

int PaintZoneReport(const ZoneReport& report, QPagedPaintDevice& device) {
    const QRectF paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QFont font = ReportFont(device);
    const qreal headerHeight = QFontMetricsF(font, &device).height() * 2;
    const qreal bodyHeight = paper.height() - headerHeight;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    document.setHtml(QString::fromStdString(ZoneReportHtml(report)));
    document.setPageSize(QSizeF(paper.width(), bodyHeight));
    const int pages = document.pageCount();

    QPainter painter(&device);
    painter.setFont(font);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        PaintHeader(painter, report, paper.width(), headerHeight, page + 1, pages);
        painter.save();
        painter.translate(0, headerHeight - page * bodyHeight);
        const QRectF body(0, page * bodyHeight, paper.width(), bodyHeight);
        painter.setClipRect(body);
        document.drawContents(&painter, body);
        painter.restore();
    }
    return pages;
}

QByteArray ZoneReportPdf(const ZoneReport& report, const QPageLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setTitle(QString::fromUtf8(std::string(ZoneReport::kTitle) + ": " + report.fileName));
        writer.setCreator(QStringLiteral("Corvantine"));
        PaintZoneReport(report, writer);
    }
    return bytes;
}

QPageLayout DefaultReportPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}
