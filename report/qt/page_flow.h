#pragma once
// Headings and tables set down pages one after another: a heading stays on the page of the start
// of the table under it, and a table that goes on to another page repeats its header rows there.
// Run without a painter it only counts the pages, so that the painted pages can say "of n".

// own
#include "report/qt/page_table.h"

// Qt
#include <QRectF>

// std
#include <functional>

class CPageFlow {
public:
    // Called with each page's index (from 0) as painting reaches it.
    using PageStart = std::function<void(int page)>;

    // Sets everything within `body` of each page of `device`; paints with `painter` if there is
    // one.
    CPageFlow(QPaintDevice& device, QRectF body, QPainter* painter, PageStart pageStart);

    // `above` is left out at the top of a page; `keep` is the height that must follow on the page.
    void Heading(const QString& text, const QFont& font, qreal above, qreal below, qreal keep);
    void Table(const CPageTable& table, qreal below);

    int Pages() const { return m_page + 1; }

private:
    bool AtTop() const { return m_y == m_body.top(); }
    bool Fits(qreal height) const { return m_y + height <= m_body.bottom(); }
    void NewPage();
    void Head(const CPageTable& table);

    QPaintDevice& m_device;
    const QRectF m_body;
    QPainter* const m_painter;
    const PageStart m_pageStart;
    int m_page = 0;
    qreal m_y;
};
