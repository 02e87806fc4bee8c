// own
#include "report/ui/preview_pages.h"

// Qt
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

// std
#include <algorithm>

namespace {
// A page is shown this wide, with this much grey around it.
constexpr qreal kPageWidth = 760;
constexpr int kGap = 12;
} // namespace

CPreviewPages::CPreviewPages(const CReportLayout& layout, QWidget* parent)
    : QWidget(parent), m_layout(layout), m_scale(kPageWidth / layout.PageSize().width()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdatePages();
}

void CPreviewPages::UpdatePages() {
    const int pages = m_layout.PagesFinal();
    const int before = m_pages;
    m_pages = pages;
    const QSizeF page = m_layout.PageSize() * m_scale;
    setFixedSize(qCeil(page.width()) + 2 * kGap, qCeil((page.height() + kGap) * pages) + kGap);
    // Every page shows "of m" once the last is laid out.
    if (m_layout.Done() || pages != before) update();
}

QRectF CPreviewPages::PageRect(int page) const {
    const QSizeF size = m_layout.PageSize() * m_scale;
    return QRectF(QPointF(kGap, kGap + page * (size.height() + kGap)), size);
}

void CPreviewPages::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal pitch = m_layout.PageSize().height() * m_scale + kGap;
    const int first = std::max(0, static_cast<int>((event->rect().top() - kGap) / pitch));
    for (int page = first; page < m_pages; ++page) {
        const QRectF box = PageRect(page);
        if (box.top() > event->rect().bottom()) break;
        painter.fillRect(box, Qt::white);
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(m_scale, m_scale);
        m_layout.PaintPage(page, painter);
        painter.restore();
    }
}
