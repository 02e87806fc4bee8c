#pragma once
// CReportLayout: the zone report laid out on the pages of one device, a section at a time (the
// title block, the zones, each station, the soft buttons), so that a preview can show the first
// pages while the rest is still being laid out, and stop half-way. Any page laid out can then be
// painted alone: with its running header (title, file name, "Page n of m") and its share of the
// sections. Needs QtGui and a QGuiApplication, not a display.

// own
#include "report/qt/page_flow.h"
#include "report/zone_report.h"

// Qt
#include <QPageLayout>

// std
#include <deque>
#include <variant>

class CReportLayout {
public:
    // Measures on `device` for pages of `page`; the report must outlive the layout, the device
    // only the layout's work (LayOutNext and PaintPage).
    CReportLayout(const ZoneReport& report, QPaintDevice& device, const QPageLayout& page);
    // The pages point into the layout's own blocks.
    CReportLayout(const CReportLayout&) = delete;
    CReportLayout& operator=(const CReportLayout&) = delete;

    // Lays out the next section; false once all of them are.
    bool LayOutNext();
    bool Done() const { return m_sectionsDone == Sections(); }
    int Sections() const { return static_cast<int>(m_report.stations.size()) + 3; }
    int SectionsDone() const { return m_sectionsDone; }

    // Pages laid out so far; all but the last are final until the layout is done.
    int Pages() const { return m_flow.Pages(); }
    int PagesFinal() const { return Done() ? Pages() : Pages() - 1; }

    // The page's size in the device's pixels, which PaintPage paints in.
    QSizeF PageSize() const { return m_paper.size(); }
    // Paints page `page` (from 0) from the painter's origin; "Page n of m" once the layout is
    // done, "Page n" before.
    void PaintPage(int page, QPainter& painter) const;

private:
    using Block = std::variant<PageHeading, CPageTable>;

    void Section(int section);
    void TitleBlock();
    void ZoneList();
    void Station(const ReportStation& station);
    void Matrix(const ReportButtons& group);
    void AddNatural(std::vector<PageRow> headRows, std::vector<PageRow> rows);
    PageHeading& AddHeading(const QString& text, bool title);
    // Whether every word of the zones' names fits a column `width` wide.
    bool NamesFit(std::span<const int> zones, qreal width) const;
    qreal Keep(std::size_t block) const;
    void PaintHeader(QPainter& painter, int page) const;

    const ZoneReport& m_report;
    QPaintDevice& m_device;
    const QRectF m_paper;
    const PageFonts m_fonts;
    const qreal m_point;
    const qreal m_headerHeight;
    const qreal m_width;
    // A deque, so that the pages' pieces keep pointing at their blocks as more are added.
    std::deque<Block> m_blocks;
    CPageFlow m_flow;
    int m_sectionsDone = 0;
};
