// own
#include "kvgraphics/grid_geometry.h"

// std
#include <algorithm>

namespace kvgraphics {

namespace {
int32_t Scaled(int64_t value, int64_t times, int64_t over) {
    return over == 0 ? 0 : static_cast<int32_t>(value * times / over);
}
} // namespace

void CGridGeometry::SetClientSize(int32_t width, int32_t height) {
    m_nClientWidth = std::max(width, 0);
    m_nClientHeight = std::max(height, 0);
    ++m_nSizeVersion;
}

// The point size at 96 dots per inch, rounded.
int32_t CGridGeometry::FontPixels() const {
    return (m_table.FontPoints() * 4 + 1) / 3;
}

int32_t CGridGeometry::HeaderWidth() const {
    return Layout().headerWidth;
}

const CGridGeometry::CLayout& CGridGeometry::Layout() const {
    CLayout& l = m_layout;
    if (l.tableVersion == m_table.LayoutVersion() && l.sizeVersion == m_nSizeVersion) return l;
    l.tableVersion = m_table.LayoutVersion();
    l.sizeVersion = m_nSizeVersion;

    // Widths count 1/256 of a character, which is three quarters of the pixel height wide.
    const int32_t charWidth = FontPixels() * 3 / 4;
    const auto pixels = [charWidth](int32_t units) {
        return std::max(2, Scaled(units, charWidth, 256));
    };
    const int32_t cols = m_table.Cols();
    l.headerWidth = pixels(m_table.HeaderWidth());
    l.colX.assign(static_cast<size_t>(cols) + 2, 0);
    for (int32_t c = 1; c <= cols; ++c)
        l.colX[c + 1] = l.colX[c] + pixels(m_table.ColWidth(c));

    const int32_t totalWidth = l.colX[cols + 1];
    const int32_t totalHeight = m_table.Rows() * RowHeight();
    const int32_t roomWidth = m_nClientWidth - l.headerWidth;
    const int32_t roomHeight = m_nClientHeight - HeaderHeight();
    // Each bar takes room from the other direction, so settle them twice.
    l.vBar = l.hBar = false;
    for (int pass = 0; pass < 2; ++pass) {
        l.vBar = totalHeight > roomHeight - (l.hBar ? kScrollBarSize : 0);
        l.hBar = totalWidth > roomWidth - (l.vBar ? kScrollBarSize : 0);
    }

    const int32_t dataWidth = std::max(0, roomWidth - (l.vBar ? kScrollBarSize : 0));
    const int32_t dataHeight = std::max(0, roomHeight - (l.hBar ? kScrollBarSize : 0));
    l.maxTopRow = std::max(1, m_table.Rows() - std::max(1, dataHeight / RowHeight()) + 1);
    int32_t first = cols;
    for (int32_t used = 0; first >= 1 && used + l.colX[first + 1] - l.colX[first] <= dataWidth;
         --first) {
        used += l.colX[first + 1] - l.colX[first];
    }
    l.maxLeftCol = std::clamp(first + 1, 1, std::max(cols, 1));
    return l;
}

KVRect CGridGeometry::DataArea() const {
    const CLayout& l = Layout();
    const int32_t left = std::min(l.headerWidth, m_nClientWidth);
    const int32_t top = std::min(HeaderHeight(), m_nClientHeight);
    return {left, top, std::max(left, m_nClientWidth - (l.vBar ? kScrollBarSize : 0)),
            std::max(top, m_nClientHeight - (l.hBar ? kScrollBarSize : 0))};
}

int32_t CGridGeometry::MaxTopRow() const {
    return Layout().maxTopRow;
}
int32_t CGridGeometry::MaxLeftCol() const {
    return Layout().maxLeftCol;
}
int32_t CGridGeometry::TopRow() const {
    return std::clamp(m_nTopRow, 1, MaxTopRow());
}
int32_t CGridGeometry::LeftCol() const {
    return std::clamp(m_nLeftCol, 1, MaxLeftCol());
}

bool CGridGeometry::ScrollTo(int32_t topRow, int32_t leftCol) {
    const int32_t oldTop = TopRow();
    const int32_t oldLeft = LeftCol();
    m_nTopRow = std::clamp(topRow, 1, MaxTopRow());
    m_nLeftCol = std::clamp(leftCol, 1, MaxLeftCol());
    return m_nTopRow != oldTop || m_nLeftCol != oldLeft;
}

int32_t CGridGeometry::PageRows() const {
    const KVRect data = DataArea();
    return std::max(1, (data.bottom - data.top) / RowHeight());
}

bool CGridGeometry::ScrollIntoView(int32_t row, int32_t col) {
    if (!m_table.Contains(row, col)) return false;
    int32_t top = TopRow();
    if (row < top) top = row;
    if (row > top + PageRows() - 1) top = row - PageRows() + 1;
    int32_t left = LeftCol();
    if (col < left) left = col;
    const KVRect data = DataArea();
    const std::vector<int32_t>& colX = Layout().colX;
    while (left < col && data.left + colX[col + 1] - colX[left] > data.right)
        ++left;
    return ScrollTo(top, left);
}

int32_t CGridGeometry::LastVisibleRow() const {
    const KVRect data = DataArea();
    const int32_t shown = (data.bottom - data.top + RowHeight() - 1) / RowHeight();
    return std::min(m_table.Rows(), TopRow() + shown - 1);
}

int32_t CGridGeometry::LastVisibleCol() const {
    const int32_t right = DataArea().right;
    int32_t col = LeftCol();
    while (col <= m_table.Cols() && ColLeft(col) < right)
        ++col;
    return col - 1;
}

int32_t CGridGeometry::ColLeft(int32_t col) const {
    const std::vector<int32_t>& colX = Layout().colX;
    const auto at = static_cast<size_t>(std::clamp(col, 1, m_table.Cols() + 1));
    return DataArea().left + colX[at] - colX[static_cast<size_t>(LeftCol())];
}

int32_t CGridGeometry::RowTop(int32_t row) const {
    return DataArea().top + (row - TopRow()) * RowHeight();
}

bool CGridGeometry::VisibleCellRect(int32_t row, int32_t col, KVRect& rect) const {
    if (!m_table.Contains(row, col) || row < TopRow() || col < LeftCol()) return false;
    const KVRect data = DataArea();
    rect = {ColLeft(col), RowTop(row), ColRight(col), RowBottom(row)};
    return rect.left < data.right && rect.top < data.bottom;
}

int32_t CGridGeometry::RowNear(int32_t y) const {
    const KVRect data = DataArea();
    int32_t row = TopRow() + (y - data.top) / RowHeight();
    if (y < data.top) row = TopRow() - 1;
    if (y >= data.bottom) row = TopRow() + PageRows();
    return std::clamp(row, 1, std::max(m_table.Rows(), 1));
}

int32_t CGridGeometry::ColAt(int32_t x) const {
    const CLayout& l = Layout();
    const int32_t target = x - DataArea().left + l.colX[static_cast<size_t>(LeftCol())];
    const auto next = std::upper_bound(l.colX.begin() + 1, l.colX.end(), target);
    return static_cast<int32_t>(next - l.colX.begin()) - 1;
}

int32_t CGridGeometry::ColNear(int32_t x) const {
    const KVRect data = DataArea();
    int32_t col = ColAt(x);
    if (x < data.left) col = LeftCol() - 1;
    if (x >= data.right) {
        col = LeftCol();
        while (col <= m_table.Cols() && ColRight(col) <= data.right)
            ++col;
    }
    return std::clamp(col, 1, std::max(m_table.Cols(), 1));
}

CHit CGridGeometry::HitTest(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= m_nClientWidth || y >= m_nClientHeight) return {};
    const KVRect data = DataArea();
    const CLayout& l = Layout();
    if (x >= data.right) return y < data.bottom && l.vBar ? CHit{HitKind::VScrollBar} : CHit{};
    if (y >= data.bottom) return l.hBar ? CHit{HitKind::HScrollBar} : CHit{};
    if (x < data.left && y < data.top) return {HitKind::Corner};

    const int32_t row = y < data.top ? 0 : TopRow() + (y - data.top) / RowHeight();
    const int32_t col = x < data.left ? 0 : ColAt(x);
    if (row > m_table.Rows() || col > m_table.Cols()) return {};
    if (row == 0) return {HitKind::ColHeader, 0, col};
    if (col == 0) return {HitKind::RowHeader, row, 0};
    return {HitKind::Cell, row, col};
}

CScrollBar CGridGeometry::Bar(bool visible, KVRect rect, bool vertical, int32_t pos, int32_t maxPos,
                              int32_t shownPixels, int32_t totalPixels) const {
    CScrollBar bar;
    bar.visible = visible;
    bar.rect = rect;
    bar.pos = pos;
    bar.maxPos = maxPos;
    bar.trackStart = vertical ? rect.top : rect.left;
    bar.trackLength = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const int32_t proportional = Scaled(bar.trackLength, shownPixels, std::max(totalPixels, 1));
    bar.thumbLength = std::min(std::max(proportional, kMinThumb), bar.trackLength);
    bar.thumbStart = bar.trackStart +
                     Scaled(bar.trackLength - bar.thumbLength, pos - 1, std::max(maxPos - 1, 1));
    return bar;
}

CScrollBar CGridGeometry::VerticalBar() const {
    const KVRect data = DataArea();
    return Bar(Layout().vBar, {data.right, 0, m_nClientWidth, data.bottom}, true, TopRow(),
               MaxTopRow(), data.bottom - data.top, m_table.Rows() * RowHeight());
}

CScrollBar CGridGeometry::HorizontalBar() const {
    const KVRect data = DataArea();
    return Bar(Layout().hBar, {0, data.bottom, data.right, m_nClientHeight}, false, LeftCol(),
               MaxLeftCol(), data.right - data.left, Layout().colX.back());
}

} // namespace kvgraphics
