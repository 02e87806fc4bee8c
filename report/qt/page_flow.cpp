// own
#include "report/qt/page_flow.h"

// Qt
#include <QPainter>

CPageFlow::CPageFlow(QPaintDevice& device, QRectF body)
    : m_device(device), m_body(body), m_pages(1), m_y(body.top()) {}

QString CPageFlow::Continued(const QString& heading) {
    return QStringLiteral("%1 (continued)").arg(heading);
}

qreal CPageFlow::HeadingHeight(const PageHeading& heading, bool continued) const {
    const QString text = continued ? Continued(heading.text) : heading.text;
    return SetPageText(text, heading.font, m_device, m_body.width(), Qt::AlignLeft, nullptr, {});
}

void CPageFlow::Heading(const PageHeading& heading, qreal keep) {
    const qreal height = HeadingHeight(heading, false);
    if (!AtTop()) m_y += heading.above;
    if (!AtTop() && !Fits(height + heading.below + keep)) NewPage(false);
    m_section = heading.section ? &heading : nullptr;
    m_pages.back().push_back({&heading, nullptr, kHeadRows, false, m_y});
    m_y += height + heading.below;
}

void CPageFlow::Table(const CPageTable& table, qreal below) {
    if (!AtTop() && !Fits(table.LeadHeight())) NewPage(true);
    Head(table);
    bool rowOnPage = false;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        // A row taller than a whole page stays where it is rather than be put off forever.
        if (rowOnPage && !Fits(table.RowHeight(row))) {
            NewPage(true);
            Head(table);
        }
        m_pages.back().push_back({nullptr, &table, row, false, m_y});
        m_y += table.RowHeight(row);
        rowOnPage = true;
    }
    m_y += below;
}

void CPageFlow::NewPage(bool goOn) {
    m_pages.emplace_back();
    m_y = m_body.top();
    if (!goOn || m_section == nullptr) return;
    // The section's heading again, marked so that it is not mistaken for the start of another
    // section.
    m_pages.back().push_back({m_section, nullptr, kHeadRows, true, m_y});
    m_y += HeadingHeight(*m_section, true) + m_section->below;
}

void CPageFlow::Head(const CPageTable& table) {
    m_pages.back().push_back({nullptr, &table, kHeadRows, false, m_y});
    m_y += table.HeadHeight();
}

void CPageFlow::PaintHeading(QPainter& painter, const Piece& piece) const {
    const PageHeading& heading = *piece.heading;
    painter.setPen(Qt::black);
    SetPageText(piece.continued ? Continued(heading.text) : heading.text, heading.font, m_device,
                m_body.width(), Qt::AlignLeft, &painter, QPointF(m_body.left(), piece.y));
}

void CPageFlow::PaintPage(int page, QPainter& painter) const {
    for (const Piece& piece : m_pages[static_cast<std::size_t>(page)]) {
        if (piece.heading != nullptr)
            PaintHeading(painter, piece);
        else if (piece.row == kHeadRows)
            piece.table->PaintHead(painter, m_body.left(), piece.y);
        else
            piece.table->PaintRow(painter, piece.row, m_body.left(), piece.y);
    }
}
