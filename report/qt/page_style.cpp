// own
#include "report/qt/page_style.h"

// Qt
#include <QFontMetricsF>
#include <QPainter>

namespace {
QFont SizedFont(const QFont& base, qreal points, qreal dpi) {
    QFont font(base);
    font.setPixelSize(qRound(points * dpi / 72));
    return font;
}
} // namespace

PageFonts ReportFonts(const QPaintDevice& device) {
    QFont font("Sans Serif");
    // Without ligatures, "Office" stays six letters for whoever searches or copies the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const qreal dpi = device.logicalDpiY();
    PageFonts fonts{SizedFont(font, 9, dpi), SizedFont(font, 9, dpi), SizedFont(font, 7, dpi),
                    device.logicalDpiX() / 32.0};
    fonts.head.setBold(true);
    return fonts;
}

QFont TitleFont(const QFont& body, qreal points, const QPaintDevice& device) {
    QFont font = SizedFont(body, points, device.logicalDpiY());
    font.setBold(true);
    return font;
}

qreal PageHeaderHeight(const PageFonts& fonts, QPaintDevice& device) {
    return QFontMetricsF(fonts.body, &device).height() * 2;
}

void PaintPageHeader(QPainter& painter, QPaintDevice& device, const QString& title,
                     const QString& number, const QFont& font, qreal width, qreal height) {
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, device.logicalDpiX() / 96.0));
    const QFontMetricsF metrics(font, &device);
    const qreal room = width - metrics.horizontalAdvance(number) - 4 * metrics.averageCharWidth();
    const QRectF line(0, 0, width, height * 0.8);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(title, Qt::ElideMiddle, room));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, number);
    painter.drawLine(QPointF(0, height * 0.85), QPointF(width, height * 0.85));
}
