// own
#include "report/qt/page_flow.h"

CPageFlow::CPageFlow(QPaintDevice& device, QRectF body, QPainter* painter, PageStart pageStart)
    : m_device(device), m_body(body), m_painter(painter), m_pageStart(std::move(pageStart)),
      m_y(body.top()) {
    if (m_painter != nullptr) m_pageStart(0);
}

void CPageFlow::Heading(const QString& text, const QFont& font, qreal above, qreal below,
                        qreal keep) {
    const qreal height =
        SetPageText(text, font, m_device, m_body.width(), Qt::AlignLeft, nullptr, {});
    if (!AtTop()) m_y += above;
    if (!AtTop() && !Fits(height + below + keep)) NewPage();
    if (m_painter != nullptr)
        SetPageText(text, font, m_device, m_body.width(), Qt::AlignLeft, m_painter,
                    QPointF(m_body.left(), m_y));
    m_y += height + below;
}

void CPageFlow::Table(const CPageTable& table, qreal below) {
    if (!AtTop() && !Fits(table.LeadHeight())) NewPage();
    Head(table);
    bool rowOnPage = false;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        // A row taller than a whole page stays where it is rather than be put off forever.
        if (rowOnPage && !Fits(table.RowHeight(row))) {
            NewPage();
            Head(table);
        }
        if (m_painter != nullptr) table.PaintRow(*m_painter, row, m_body.left(), m_y);
        m_y += table.RowHeight(row);
        rowOnPage = true;
    }
    m_y += below;
}

void CPageFlow::NewPage() {
    ++m_page;
    m_y = m_body.top();
    if (m_painter != nullptr) m_pageStart(m_page);
}

void CPageFlow::Head(const CPageTable& table) {
    if (m_painter != nullptr) table.PaintHead(*m_painter, m_body.left(), m_y);
    m_y += table.HeadHeight();
}
