#pragma once
// Headings and tables set down pages one after another: a heading stays on the page of the start
// of the table under it, a page that goes on with a section opens with the section's heading and
// "(continued)", and a table that goes on repeats its header rows there. The flow only places
// things: each page keeps the list of what it holds, so that any page can be painted alone, in
// any order, as often as it is looked at.

// own
#include "report/qt/page_table.h"

// Qt
#include <QRectF>

// std
#include <cstddef>
#include <limits>
#include <vector>

struct PageHeading {
    QString text;
    QFont font;
    // Left out at the top of a page.
    qreal above = 0;
    qreal below = 0;
    // A section heading is set again on every further page its section goes on to; the report's
    // title is none.
    bool section = true;
};

class CPageFlow {
public:
    // Sets everything within `body` of each page of `device`, which the flow measures with.
    CPageFlow(QPaintDevice& device, QRectF body);

    // `keep` is the height that must follow the heading on its page. The heading and the tables
    // must outlive the flow.
    void Heading(const PageHeading& heading, qreal keep);
    void Table(const CPageTable& table, qreal below);

    int Pages() const { return static_cast<int>(m_pages.size()); }
    void PaintPage(int page, QPainter& painter) const;

    // "Foyer desk (continued)".
    static QString Continued(const QString& heading);

private:
    static constexpr std::size_t kHeadRows = std::numeric_limits<std::size_t>::max();

    // A heading, a table's header rows, or one row of a table, at `y` on its page.
    struct Piece {
        const PageHeading* heading = nullptr;
        const CPageTable* table = nullptr;
        std::size_t row = kHeadRows;
        // A heading set again on a page its section goes on to.
        bool continued = false;
        qreal y = 0;
    };

    bool AtTop() const { return m_y == m_body.top(); }
    bool Fits(qreal height) const { return m_y + height <= m_body.bottom(); }
    qreal HeadingHeight(const PageHeading& heading, bool continued) const;
    // A new page; it opens with the current section's heading when `goOn`.
    void NewPage(bool goOn);
    void Head(const CPageTable& table);
    void PaintHeading(QPainter& painter, const Piece& piece) const;

    QPaintDevice& m_device;
    const QRectF m_body;
    const PageHeading* m_section = nullptr;
    std::vector<std::vector<Piece>> m_pages;
    qreal m_y;
};
