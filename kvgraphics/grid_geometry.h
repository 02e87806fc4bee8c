#pragma once
// Where everything of a grid lies in its host window: header sizes, column positions, the
// scroll position in whole rows and columns, the scroll bars, and what lies under a point. Reads
// the table it is given (which must outlive it) and caches its layout until the table's size,
// widths or font, or the window size, change.

// own
#include "kvgraphics/grid_table.h"
#include "kvgraphics/kv_graphics.h"

// std
#include <cstdint>
#include <vector>

namespace kvgraphics {

enum class HitKind : uint8_t { None, Cell, ColHeader, RowHeader, Corner, VScrollBar, HScrollBar };

struct CHit {
    HitKind kind = HitKind::None;
    int32_t row = 0; // 0 on the column headers
    int32_t col = 0; // 0 on the row headers
};

// One scroll bar along its own axis: the track and the thumb in pixels, the position in rows or
// columns (1..maxPos).
struct CScrollBar {
    bool visible = false;
    KVRect rect{};
    int32_t trackStart = 0;
    int32_t trackLength = 0;
    int32_t thumbStart = 0;
    int32_t thumbLength = 0;
    int32_t pos = 1;
    int32_t maxPos = 1;
};

class CGridGeometry {
public:
    static constexpr int32_t kScrollBarSize = 16;
    static constexpr int32_t kMinThumb = 20;

    explicit CGridGeometry(const CGridTable& table) : m_table(table) {}

    void SetClientSize(int32_t width, int32_t height);
    int32_t ClientWidth() const { return m_nClientWidth; }
    int32_t ClientHeight() const { return m_nClientHeight; }

    int32_t FontPixels() const;
    int32_t RowHeight() const { return FontPixels() + 8; }
    int32_t HeaderWidth() const;
    int32_t HeaderHeight() const { return RowHeight(); }
    // The cells' area between the headers and the scroll bars.
    KVRect DataArea() const;

    int32_t TopRow() const;
    int32_t LeftCol() const;
    int32_t MaxTopRow() const;
    int32_t MaxLeftCol() const;
    // Clamped into range; true when the position changed.
    bool ScrollTo(int32_t topRow, int32_t leftCol);
    // Scrolls the least needed to show the cell whole; true when the position changed.
    bool ScrollIntoView(int32_t row, int32_t col);
    // Rows that fit whole in the data area, at least 1.
    int32_t PageRows() const;

    // The last row and column at least partly inside the data area (below the first when none).
    int32_t LastVisibleRow() const;
    int32_t LastVisibleCol() const;
    // In window pixels, unclipped; only meaningful for rows and columns from the scroll position.
    int32_t ColLeft(int32_t col) const;
    int32_t ColRight(int32_t col) const { return ColLeft(col + 1); }
    int32_t RowTop(int32_t row) const;
    int32_t RowBottom(int32_t row) const { return RowTop(row + 1); }
    // The cell's rectangle when any of it shows in the data area, else false.
    bool VisibleCellRect(int32_t row, int32_t col, KVRect& rect) const;

    CHit HitTest(int32_t x, int32_t y) const;
    // The row or column under a coordinate, one beyond the visible ones when past the data area
    // and one before the scroll position when before it, within 1..Rows() or 1..Cols().
    int32_t RowNear(int32_t y) const;
    int32_t ColNear(int32_t x) const;

    CScrollBar VerticalBar() const;
    CScrollBar HorizontalBar() const;

private:
    struct CLayout {
        uint32_t tableVersion = ~0U;
        uint32_t sizeVersion = ~0U;
        int32_t headerWidth = 0;
        std::vector<int32_t> colX; // colX[c]: left of column c from the first column's left
        bool vBar = false;
        bool hBar = false;
        int32_t maxTopRow = 1;
        int32_t maxLeftCol = 1;
    };
    const CLayout& Layout() const;
    // The column whose span holds x, counted from the scroll position; Cols() + 1 past the last.
    int32_t ColAt(int32_t x) const;
    CScrollBar Bar(bool visible, KVRect rect, bool vertical, int32_t pos, int32_t maxPos,
                   int32_t shownPixels, int32_t totalPixels) const;

    const CGridTable& m_table;
    int32_t m_nClientWidth = 0;
    int32_t m_nClientHeight = 0;
    uint32_t m_nSizeVersion = 0;
    int32_t m_nTopRow = 1;
    int32_t m_nLeftCol = 1;
    mutable CLayout m_layout;
};

} // namespace kvgraphics
