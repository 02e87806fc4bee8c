// own
#include "kvgraphics/grid_painter.h"
#include "kvgraphics/grid_instance.h"

// Qt
#include <QPainter>
#include <QPen>

// std
#include <algorithm>

namespace kvgraphics {

namespace {
constexpr QRgb kCellBackground = qRgb(255, 255, 255);
constexpr QRgb kOutside = qRgb(240, 240, 240); // beyond the table
constexpr QRgb kGridLine = qRgb(212, 212, 212);
constexpr QRgb kHeaderFill = qRgb(228, 228, 228);
constexpr QRgb kHeaderMarked = qRgb(198, 206, 218); // headers of the active cell or the block
constexpr QRgb kHeaderLine = qRgb(160, 160, 160);
constexpr QRgb kText = qRgb(0, 0, 0);
constexpr QRgb kBlockTint = qRgba(51, 102, 204, 56);
constexpr QRgb kBlockEdge = qRgb(51, 102, 204);
constexpr QRgb kActiveFocused = qRgb(0, 0, 0);
constexpr QRgb kActiveUnfocused = qRgb(120, 120, 120);
constexpr QRgb kTrack = qRgb(240, 240, 240);
constexpr QRgb kThumb = qRgb(184, 184, 184);
constexpr int kTextPadding = 2;
constexpr int kThumbInset = 3;

QColor FromBgr(uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QRect ToQRect(const KVRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

Qt::Alignment ToQt(CAlignment alignment) {
    Qt::Alignment flags = alignment.h == HAlign::Left    ? Qt::AlignLeft
                          : alignment.h == HAlign::Right ? Qt::AlignRight
                                                         : Qt::AlignHCenter;
    flags |= alignment.v == VAlign::Top      ? Qt::AlignTop
             : alignment.v == VAlign::Bottom ? Qt::AlignBottom
                                             : Qt::AlignVCenter;
    return flags;
}

QPen LinePen(LineStyle style, uint32_t colour) {
    QPen pen(FromBgr(colour), style == LineStyle::Thick ? 2 : 1);
    if (style == LineStyle::Dotted) pen.setStyle(Qt::DotLine);
    return pen;
}

// Applies a clip for one stage of painting and takes it off again.
class CClipScope {
public:
    CClipScope(QPainter& painter, const QRect& rect) : m_painter(painter) {
        m_painter.save();
        m_painter.setClipRect(rect, Qt::IntersectClip);
    }
    ~CClipScope() { m_painter.restore(); }
    CClipScope(const CClipScope&) = delete;
    CClipScope& operator=(const CClipScope&) = delete;

private:
    QPainter& m_painter;
};
} // namespace

CGridPainter::CGridPainter(const CGridInstance& grid, QPainter& painter, const KVRect* area)
    : m_grid(grid), m_geometry(grid.Geometry()), m_painter(painter) {
    const QRect client(0, 0, m_geometry.ClientWidth(), m_geometry.ClientHeight());
    m_area = area == nullptr ? client : ToQRect(*area).intersected(client);
    m_data = ToQRect(m_geometry.DataArea());
    m_font = QFont(Decode(grid.Table().FontFace()));
    m_font.setPixelSize(m_geometry.FontPixels());
}

QString CGridPainter::Decode(const std::string& text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    return m_decoder.isValid() ? m_decoder.decode(bytes) : QString::fromLatin1(bytes);
}

void CGridPainter::Paint() {
    if (m_area.isEmpty()) return;
    CClipScope clip(m_painter, m_area);
    m_painter.setFont(m_font);
    m_painter.fillRect(m_area, QColor(kOutside));
    CollectSpans();
    {
        CClipScope data(m_painter, m_data);
        PaintCells();
        PaintGridLines();
        PaintBorders();
        PaintBlock();
        PaintActiveFrame();
    }
    PaintHeaders();
    PaintScrollBars();
}

void CGridPainter::CollectSpans() {
    m_rows.clear();
    m_cols.clear();
    for (int32_t row = m_geometry.TopRow(); row <= m_geometry.LastVisibleRow(); ++row) {
        const CSpan span{row, m_geometry.RowTop(row), m_geometry.RowBottom(row)};
        if (span.to > m_area.top() && span.from <= m_area.bottom()) m_rows.push_back(span);
    }
    for (int32_t col = m_geometry.LeftCol(); col <= m_geometry.LastVisibleCol(); ++col) {
        const CSpan span{col, m_geometry.ColLeft(col), m_geometry.ColRight(col)};
        if (span.to > m_area.left() && span.from <= m_area.right()) m_cols.push_back(span);
    }
}

void CGridPainter::PaintCells() {
    const CGridTable& table = m_grid.Table();
    for (const CSpan& row : m_rows) {
        for (const CSpan& col : m_cols) {
            const QRect rect(col.from, row.from, col.to - col.from, row.to - row.from);
            const CCell* cell = table.Cell(row.index, col.index);
            const bool filled = cell != nullptr && cell->filled;
            m_painter.fillRect(rect, filled ? FromBgr(cell->fill) : QColor(kCellBackground));
            if (cell == nullptr || cell->text.empty()) continue;
            m_painter.setPen(filled ? FromBgr(cell->textColour) : QColor(kText));
            // The last pixel column and row belong to the grid lines.
            m_painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding - 1, -1),
                               ToQt(table.AlignmentAt(row.index, col.index)), Decode(cell->text));
        }
    }
}

void CGridPainter::PaintGridLines() {
    if (m_rows.empty() || m_cols.empty()) return;
    m_painter.setPen(QColor(kGridLine));
    const int top = m_rows.front().from;
    const int bottom = m_rows.back().to - 1;
    const int left = m_cols.front().from;
    const int right = m_cols.back().to - 1;
    for (const CSpan& col : m_cols)
        m_painter.drawLine(col.to - 1, top, col.to - 1, bottom);
    for (const CSpan& row : m_rows)
        m_painter.drawLine(left, row.to - 1, right, row.to - 1);
}

CGridPainter::CSpan CGridPainter::RowsSpan(int32_t first, int32_t last) const {
    first = std::max(first, m_geometry.TopRow());
    last = std::min(last, m_geometry.LastVisibleRow());
    if (first > last) return {0, 0, 0};
    return {first, m_geometry.RowTop(first), m_geometry.RowBottom(last)};
}

CGridPainter::CSpan CGridPainter::ColsSpan(int32_t first, int32_t last) const {
    first = std::max(first, m_geometry.LeftCol());
    last = std::min(last, m_geometry.LastVisibleCol());
    if (first > last) return {0, 0, 0};
    return {first, m_geometry.ColLeft(first), m_geometry.ColRight(last)};
}

void CGridPainter::PaintBorders() {
    for (const CBorderFormat& border : m_grid.Table().Borders())
        PaintBorder(border);
}

void CGridPainter::PaintBorder(const CBorderFormat& border) {
    const CGridTable& table = m_grid.Table();
    const CCellBlock block = border.block.ClippedTo(table.Rows(), table.Cols());
    const CSpan rows = RowsSpan(block.row1, block.row2);
    const CSpan cols = ColsSpan(block.col1, block.col2);
    if (block.IsEmpty() || rows.to <= rows.from || cols.to <= cols.from) return;
    // Lines lie on the grid lines: the last pixel of a row or column.
    const int left = std::max(cols.from - 1, m_data.left());
    const int top = std::max(rows.from - 1, m_data.top());
    const int right = cols.to - 1;
    const int bottom = rows.to - 1;
    const auto vertical = [&](LineStyle style, int x) {
        if (style == LineStyle::None) return;
        m_painter.setPen(LinePen(style, border.colour));
        m_painter.drawLine(x, top, x, bottom);
    };
    const auto horizontal = [&](LineStyle style, int y) {
        if (style == LineStyle::None) return;
        m_painter.setPen(LinePen(style, border.colour));
        m_painter.drawLine(left, y, right, y);
    };
    for (int32_t row = rows.index; row < block.row2 && row <= m_geometry.LastVisibleRow(); ++row) {
        horizontal(border.insideH, m_geometry.RowBottom(row) - 1);
    }
    for (int32_t col = cols.index; col < block.col2 && col <= m_geometry.LastVisibleCol(); ++col) {
        vertical(border.insideV, m_geometry.ColRight(col) - 1);
    }
    if (block.row1 >= m_geometry.TopRow()) horizontal(border.top, top);
    if (block.row2 <= m_geometry.LastVisibleRow()) horizontal(border.bottom, bottom);
    if (block.col1 >= m_geometry.LeftCol()) vertical(border.left, left);
    if (block.col2 <= m_geometry.LastVisibleCol()) vertical(border.right, right);
}

void CGridPainter::PaintBlock() {
    if (!m_grid.BlockShown()) return;
    const CGridTable& table = m_grid.Table();
    const CCellBlock block = m_grid.Block().ClippedTo(table.Rows(), table.Cols());
    const CSpan rows = RowsSpan(block.row1, block.row2);
    const CSpan cols = ColsSpan(block.col1, block.col2);
    if (block.IsEmpty() || rows.to <= rows.from || cols.to <= cols.from) return;
    const QRect rect(cols.from, rows.from, cols.to - cols.from, rows.to - rows.from);
    m_painter.fillRect(rect, QColor::fromRgba(kBlockTint));
    m_painter.setPen(QColor(kBlockEdge));
    m_painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void CGridPainter::PaintActiveFrame() {
    KVRect cell{};
    if (!m_geometry.VisibleCellRect(m_grid.ActiveRow(), m_grid.ActiveCol(), cell)) return;
    const QColor colour(m_grid.HasFocus() ? kActiveFocused : kActiveUnfocused);
    // Two pixels wide over the cell's grid lines on all four sides, with a white line inside so
    // that it stands out from a filled cell too.
    const QRect outer(cell.left - 1, cell.top - 1, cell.right - cell.left + 1,
                      cell.bottom - cell.top + 1);
    m_painter.fillRect(outer.left(), outer.top(), outer.width(), 2, colour);
    m_painter.fillRect(outer.left(), outer.bottom() - 1, outer.width(), 2, colour);
    m_painter.fillRect(outer.left(), outer.top(), 2, outer.height(), colour);
    m_painter.fillRect(outer.right() - 1, outer.top(), 2, outer.height(), colour);
    m_painter.setPen(QColor(kCellBackground));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(outer.adjusted(2, 2, -3, -3));
}

void CGridPainter::PaintHeaders() {
    const CGridTable& table = m_grid.Table();
    const CCellBlock block = m_grid.BlockShown() ? m_grid.Block() : CCellBlock{};
    const int headerWidth = m_data.left();
    const int headerHeight = m_data.top();
    const auto header = [this](const QRect& rect, bool marked, const std::string& caption,
                               CAlignment alignment) {
        m_painter.fillRect(rect, QColor(marked ? kHeaderMarked : kHeaderFill));
        m_painter.setPen(QColor(kHeaderLine));
        m_painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        m_painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        m_painter.setPen(QColor(kText));
        m_painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding - 1, -1), ToQt(alignment),
                           Decode(caption));
    };
    {
        CClipScope clip(m_painter, QRect(m_data.left(), 0, m_data.width(), headerHeight));
        for (const CSpan& col : m_cols) {
            const bool marked = col.index == m_grid.ActiveCol() ||
                                (block.row2 == KV_ALL_ROWS && block.HasCol(col.index));
            header(QRect(col.from, 0, col.to - col.from, headerHeight), marked,
                   table.ColCaption(col.index), table.AlignmentAt(0, col.index));
        }
    }
    {
        CClipScope clip(m_painter, QRect(0, m_data.top(), headerWidth, m_data.height()));
        for (const CSpan& row : m_rows) {
            const bool marked = row.index == m_grid.ActiveRow() ||
                                (block.col2 == KV_ALL_COLS && block.HasRow(row.index));
            header(QRect(0, row.from, headerWidth, row.to - row.from), marked,
                   table.RowCaption(row.index), table.AlignmentAt(row.index, 0));
        }
    }
    header(QRect(0, 0, headerWidth, headerHeight), false, std::string(), table.AlignmentAt(0, 0));
}

void CGridPainter::PaintScrollBars() {
    const CScrollBar vertical = m_geometry.VerticalBar();
    const CScrollBar horizontal = m_geometry.HorizontalBar();
    PaintScrollBar(vertical, true);
    PaintScrollBar(horizontal, false);
    if (vertical.visible && horizontal.visible) {
        const KVRect data = m_geometry.DataArea();
        m_painter.fillRect(QRect(data.right, data.bottom, m_geometry.ClientWidth() - data.right,
                                 m_geometry.ClientHeight() - data.bottom),
                           QColor(kTrack));
    }
}

void CGridPainter::PaintScrollBar(const CScrollBar& bar, bool vertical) {
    if (!bar.visible) return;
    const QRect rect = ToQRect(bar.rect);
    m_painter.fillRect(rect, QColor(kTrack));
    m_painter.setPen(QColor(kGridLine));
    m_painter.drawLine(rect.topLeft(), vertical ? rect.bottomLeft() : rect.topRight());
    const QRect thumb = vertical ? QRect(rect.left() + kThumbInset, bar.thumbStart + 1,
                                         rect.width() - 2 * kThumbInset, bar.thumbLength - 2)
                                 : QRect(bar.thumbStart + 1, rect.top() + kThumbInset,
                                         bar.thumbLength - 2, rect.height() - 2 * kThumbInset);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(kThumb));
    m_painter.drawRoundedRect(thumb, 4, 4);
    m_painter.restore();
}

} // namespace kvgraphics
