// own
#include "kvgraphics/grid_input.h"
#include "kvgraphics/grid_instance.h"

// std
#include <algorithm>

namespace kvgraphics {

namespace {
constexpr int32_t kWheelNotch = 120;
constexpr int32_t kRowsPerNotch = 3;
} // namespace

void CGridInput::OnLeftDown(int32_t x, int32_t y, bool shift) {
    const CGridGeometry& geometry = m_grid.Geometry();
    const CHit hit = geometry.HitTest(x, y);
    m_mode = Mode::None;
    switch (hit.kind) {
    case HitKind::Cell:
        if (shift && m_grid.ActiveRow() != 0) {
            // Extends the block, which Space then switches.
            ExtendTo(hit.row, hit.col);
            break;
        }
        m_mode = Mode::Cells;
        m_nAnchorRow = hit.row;
        m_nAnchorCol = hit.col;
        m_grid.SetBlock({hit.row, hit.col, hit.row, hit.col}, true);
        m_grid.MoveActive(hit.row, hit.col, true);
        break;
    case HitKind::ColHeader:
        m_mode = Mode::Cols;
        m_nAnchorCol = hit.col;
        m_grid.SetBlock({1, hit.col, KV_ALL_ROWS, hit.col}, true);
        m_grid.MoveActive(geometry.TopRow(), hit.col, true);
        break;
    case HitKind::RowHeader:
        m_mode = Mode::Rows;
        m_nAnchorRow = hit.row;
        m_grid.SetBlock({hit.row, 1, hit.row, KV_ALL_COLS}, true);
        m_grid.MoveActive(hit.row, geometry.LeftCol(), true);
        break;
    case HitKind::Corner:
        m_mode = Mode::All;
        m_grid.SetBlock({1, 1, KV_ALL_ROWS, KV_ALL_COLS}, true);
        m_grid.MoveActive(geometry.TopRow(), geometry.LeftCol(), false);
        break;
    case HitKind::VScrollBar:
        PressScrollBar(true, y);
        break;
    case HitKind::HScrollBar:
        PressScrollBar(false, x);
        break;
    case HitKind::None:
        break;
    }
    m_grid.Raise(KV_EV_CLICKED, {hit.row, hit.col, 0, 0});
}

void CGridInput::OnMouseMove(int32_t x, int32_t y) {
    switch (m_mode) {
    case Mode::VThumb:
        DragThumb(y);
        break;
    case Mode::HThumb:
        DragThumb(x);
        break;
    case Mode::Cells:
    case Mode::Cols:
    case Mode::Rows:
        ExtendBlock(x, y);
        break;
    case Mode::All:
    case Mode::None:
        break;
    }
}

void CGridInput::OnLeftUp() {
    const Mode mode = m_mode;
    m_mode = Mode::None;
    if (mode == Mode::None || mode == Mode::VThumb || mode == Mode::HThumb) return;
    const CCellBlock block = m_grid.Block();
    m_grid.Raise(KV_EV_CHOOSE, {block.row1, block.col1, block.row2, block.col2});
}

void CGridInput::ExtendBlock(int32_t x, int32_t y) {
    CGridGeometry& geometry = m_grid.Geometry();
    const int32_t row = geometry.RowNear(y);
    const int32_t col = geometry.ColNear(x);
    // Past an edge of the data area the grid scrolls a step toward the pointer on every move.
    bool scrolled = false;
    CCellBlock block;
    if (m_mode == Mode::Cells) {
        scrolled = geometry.ScrollIntoView(row, col);
        block = CCellBlock::Ordered(m_nAnchorRow, m_nAnchorCol, row, col);
    } else if (m_mode == Mode::Cols) {
        scrolled = geometry.ScrollIntoView(geometry.TopRow(), col);
        block = {1, std::min(m_nAnchorCol, col), KV_ALL_ROWS, std::max(m_nAnchorCol, col)};
    } else {
        scrolled = geometry.ScrollIntoView(row, geometry.LeftCol());
        block = {std::min(m_nAnchorRow, row), 1, std::max(m_nAnchorRow, row), KV_ALL_COLS};
    }
    if (scrolled) m_grid.InvalidateAll();
    m_grid.SetBlock(block, true);
}

void CGridInput::PressScrollBar(bool vertical, int32_t along) {
    const CGridGeometry& geometry = m_grid.Geometry();
    const CScrollBar bar = vertical ? geometry.VerticalBar() : geometry.HorizontalBar();
    if (along >= bar.thumbStart && along < bar.thumbStart + bar.thumbLength) {
        m_mode = vertical ? Mode::VThumb : Mode::HThumb;
        m_nGrab = along - bar.thumbStart;
        return;
    }
    // The track pages toward the press.
    const int32_t sign = along < bar.thumbStart ? -1 : 1;
    if (vertical) {
        ScrollBy(sign * geometry.PageRows(), 0);
    } else {
        ScrollBy(0, sign * std::max(1, geometry.LastVisibleCol() - geometry.LeftCol()));
    }
}

void CGridInput::DragThumb(int32_t along) {
    CGridGeometry& geometry = m_grid.Geometry();
    const bool vertical = m_mode == Mode::VThumb;
    const CScrollBar bar = vertical ? geometry.VerticalBar() : geometry.HorizontalBar();
    const int32_t room = bar.trackLength - bar.thumbLength;
    const int32_t offset = std::clamp(along - m_nGrab - bar.trackStart, 0, std::max(room, 0));
    const int32_t pos = room <= 0 ? 1 : 1 + (offset * (bar.maxPos - 1) + room / 2) / room;
    const bool moved = vertical ? geometry.ScrollTo(pos, geometry.LeftCol())
                                : geometry.ScrollTo(geometry.TopRow(), pos);
    if (moved) m_grid.InvalidateAll();
}

void CGridInput::ScrollBy(int32_t rows, int32_t cols) {
    CGridGeometry& geometry = m_grid.Geometry();
    if (geometry.ScrollTo(geometry.TopRow() + rows, geometry.LeftCol() + cols)) {
        m_grid.InvalidateAll();
    }
}

void CGridInput::OnWheel(int32_t delta, bool horizontal) {
    int32_t& rest = horizontal ? m_nHWheelRest : m_nWheelRest;
    rest += delta;
    const int32_t notches = rest / kWheelNotch;
    rest -= notches * kWheelNotch;
    if (horizontal) {
        ScrollBy(0, notches * kRowsPerNotch);
    } else {
        ScrollBy(-notches * kRowsPerNotch, 0);
    }
}

bool CGridInput::OnKeyDown(uint32_t key, bool shift, bool ctrl) {
    switch (key) {
    case KV_VK_SPACE: {
        const int32_t row = m_grid.ActiveRow();
        const int32_t col = m_grid.ActiveCol();
        if (row == 0) return true;
        // The block the user extended is switched whole, as a drag switches it.
        const CCellBlock block =
            HasExtendedBlock() ? m_grid.Block() : CCellBlock{row, col, row, col};
        m_grid.SetBlock(block, false);
        m_grid.Raise(KV_EV_CHOOSE, {block.row1, block.col1, block.row2, block.col2});
        return true;
    }
    case KV_VK_TAB:
        return m_grid.AllowTabs() && MoveByKey(key, shift, false);
    case KV_VK_LEFT:
    case KV_VK_RIGHT:
    case KV_VK_UP:
    case KV_VK_DOWN:
    case KV_VK_PRIOR:
    case KV_VK_NEXT:
    case KV_VK_HOME:
    case KV_VK_END:
        return m_grid.AllowArrows() && MoveByKey(key, shift, ctrl);
    default:
        return false;
    }
}

bool CGridInput::MoveByKey(uint32_t key, bool shift, bool ctrl) {
    int32_t row = m_grid.ActiveRow();
    int32_t col = m_grid.ActiveCol();
    if (row == 0) return true;
    const int32_t rows = m_grid.Table().Rows();
    const int32_t cols = m_grid.Table().Cols();
    const int32_t page = m_grid.Geometry().PageRows();
    switch (key) {
    case KV_VK_LEFT:
        col = std::max(1, col - 1);
        break;
    case KV_VK_RIGHT:
        col = std::min(cols, col + 1);
        break;
    case KV_VK_UP:
        row = std::max(1, row - 1);
        break;
    case KV_VK_DOWN:
        row = std::min(rows, row + 1);
        break;
    case KV_VK_PRIOR:
        row = std::max(1, row - page);
        break;
    case KV_VK_NEXT:
        row = std::min(rows, row + page);
        break;
    case KV_VK_HOME:
        // With Ctrl, the whole table's first cell.
        if (ctrl) row = 1;
        col = 1;
        break;
    case KV_VK_END:
        if (ctrl) row = rows;
        col = cols;
        break;
    case KV_VK_TAB:
        // Along the rows, wrapping to the next or previous row; the ends stay put.
        if (shift && col > 1) {
            --col;
        } else if (shift && row > 1) {
            --row, col = cols;
        } else if (!shift && col < cols) {
            ++col;
        } else if (!shift && row < rows) {
            ++row, col = 1;
        }
        break;
    default:
        break;
    }
    // Shift with Tab goes backwards; with the other keys it extends the block.
    if (shift && key != KV_VK_TAB) {
        ExtendTo(row, col);
        return true;
    }
    m_grid.SetBlock({row, col, row, col}, false);
    m_grid.MoveActive(row, col, true);
    return true;
}

bool CGridInput::HasExtendedBlock() const {
    const CCellBlock& block = m_grid.Block();
    return m_grid.BlockShown() && !block.IsSingleCell() && block.Has(m_nAnchorRow, m_nAnchorCol) &&
           block.Has(m_grid.ActiveRow(), m_grid.ActiveCol());
}

void CGridInput::ExtendTo(int32_t row, int32_t col) {
    // A new block starts at the active cell; one being extended keeps its anchor.
    if (!HasExtendedBlock()) {
        m_nAnchorRow = m_grid.ActiveRow();
        m_nAnchorCol = m_grid.ActiveCol();
    }
    m_grid.SetBlock(CCellBlock::Ordered(m_nAnchorRow, m_nAnchorCol, row, col), true);
    m_grid.MoveActive(row, col, true);
}

} // namespace kvgraphics
