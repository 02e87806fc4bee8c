// own
#include "kvgraphics/grid_instance.h"

// std
#include <algorithm>

namespace kvgraphics {

namespace {
// Window messages pack two signed 16-bit values into lParam and wParam.
int32_t LowWord(intptr_t value) {
    return static_cast<int16_t>(value & 0xFFFF);
}
int32_t HighWord(intptr_t value) {
    return static_cast<int16_t>((value >> 16) & 0xFFFF);
}
int32_t UnsignedLow(intptr_t value) {
    return static_cast<int32_t>(value & 0xFFFF);
}
int32_t UnsignedHigh(intptr_t value) {
    return static_cast<int32_t>((value >> 16) & 0xFFFF);
}

// Holds the depth of host calls in progress for the instance's lifetime guard.
class CDepthGuard {
public:
    explicit CDepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~CDepthGuard() { --m_depth; }
    CDepthGuard(const CDepthGuard&) = delete;
    CDepthGuard& operator=(const CDepthGuard&) = delete;

private:
    int& m_depth;
};
} // namespace

CGridInstance::CGridInstance(KVHWND host) : m_host(host) {}

KVLRESULT CGridInstance::CallHost(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    if (m_proc == nullptr) return 0;
    CDepthGuard guard(m_nCallbackDepth);
    return m_proc(m_host, msg, wParam, lParam);
}

bool CGridInstance::SetFireEvent(int32_t code, bool on) {
    if (code < KV_EVENT_FIRST || code > KV_EVENT_LAST) return false;
    m_fired.set(static_cast<size_t>(code - KV_EVENT_FIRST), on);
    return true;
}

void CGridInstance::Raise(int32_t code, const std::array<int32_t, 4>& record) {
    if (!m_fired.test(static_cast<size_t>(code - KV_EVENT_FIRST))) return;
    CallHost(static_cast<uint32_t>(code), 0, reinterpret_cast<KVLPARAM>(record.data()));
}

void CGridInstance::InvalidateAll() {
    if (m_bAllInvalid || m_host == nullptr) return;
    m_bAllInvalid = true;
    CallHost(KV_HM_INVALIDATE, 0, 0);
}

void CGridInstance::InvalidateRect(const KVRect& rect) {
    if (m_bAllInvalid || m_host == nullptr) return;
    if (++m_nRectRequests > kMaxRectRequests) return InvalidateAll();
    CallHost(KV_HM_INVALIDATE, 0, reinterpret_cast<KVLPARAM>(&rect));
}

void CGridInstance::InvalidateCell(int32_t row, int32_t col) {
    KVRect rect{};
    if (m_geometry.VisibleCellRect(row, col, rect)) InvalidateRect(rect);
}

void CGridInstance::InvalidateActive() {
    KVRect cell{};
    if (!m_geometry.VisibleCellRect(m_nActiveRow, m_nActiveCol, cell)) return;
    // A little beyond the cell, for the frame drawn over its edges.
    InvalidateRect({cell.left - 2, cell.top - 2, cell.right + 2, cell.bottom + 2});
    InvalidateRect({0, cell.top, m_geometry.DataArea().left, cell.bottom});
    InvalidateRect({cell.left, 0, cell.right, m_geometry.DataArea().top});
}

void CGridInstance::Painted() {
    m_bAllInvalid = false;
    m_nRectRequests = 0;
}

bool CGridInstance::MoveActive(int32_t row, int32_t col, bool scrollIntoView) {
    if (!m_table.Contains(row, col)) return false;
    if (scrollIntoView && m_geometry.ScrollIntoView(row, col)) InvalidateAll();
    if (row == m_nActiveRow && col == m_nActiveCol) return true;
    InvalidateActive();
    m_nActiveRow = row;
    m_nActiveCol = col;
    InvalidateActive();
    Raise(KV_EV_ACTIVE_CELL, {row, col, 0, 0});
    return true;
}

void CGridInstance::KeepActiveInside() {
    if (m_table.Rows() == 0 || m_table.Cols() == 0) {
        if (m_nActiveRow == 0 && m_nActiveCol == 0) return;
        m_nActiveRow = m_nActiveCol = 0;
        Raise(KV_EV_ACTIVE_CELL, {0, 0, 0, 0});
        return;
    }
    if (m_nActiveRow == 0 || m_nActiveCol == 0) {
        MoveActive(1, 1, false);
        return;
    }
    MoveActive(std::min(m_nActiveRow, m_table.Rows()), std::min(m_nActiveCol, m_table.Cols()),
               false);
}

bool CGridInstance::SetRows(int32_t rows) {
    if (!m_table.SetRows(rows)) return false;
    InvalidateAll();
    KeepActiveInside();
    return true;
}

bool CGridInstance::SetCols(int32_t cols) {
    if (!m_table.SetCols(cols)) return false;
    InvalidateAll();
    KeepActiveInside();
    return true;
}

void CGridInstance::InitTable() {
    m_table.Clear();
    m_input.Cancel();
    m_geometry.ScrollTo(1, 1);
    m_block = {1, 1, 1, 1};
    m_bBlockShown = false;
    InvalidateAll();
    if (m_table.Rows() > 0 && m_table.Cols() > 0) {
        MoveActive(1, 1, false);
    } else {
        KeepActiveInside();
    }
}

void CGridInstance::SetBlock(const CCellBlock& block, bool shown) {
    if (block == m_block && shown == m_bBlockShown) return;
    if (shown || m_bBlockShown) InvalidateAll();
    m_block = block;
    m_bBlockShown = shown;
}

KVLRESULT CGridInstance::HandleMessage(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    switch (msg) {
    case KV_WM_SIZE:
        m_geometry.SetClientSize(UnsignedLow(lParam), UnsignedHigh(lParam));
        InvalidateAll();
        return 0;
    case KV_WM_SETFOCUS:
    case KV_WM_KILLFOCUS:
        m_bFocus = msg == KV_WM_SETFOCUS;
        if (!m_bFocus) m_input.Cancel();
        InvalidateActive();
        return 0;
    case KV_WM_LBUTTONDOWN:
    case KV_WM_LBUTTONDBLCLK:
        m_input.OnLeftDown(LowWord(lParam), HighWord(lParam), (wParam & KV_MK_SHIFT) != 0);
        return 0;
    case KV_WM_MOUSEMOVE:
        if ((wParam & KV_MK_LBUTTON) != 0) m_input.OnMouseMove(LowWord(lParam), HighWord(lParam));
        return 0;
    case KV_WM_LBUTTONUP:
        m_input.OnLeftUp();
        return 0;
    case KV_WM_MOUSEWHEEL:
    case KV_WM_MOUSEHWHEEL:
        m_input.OnWheel(HighWord(static_cast<intptr_t>(wParam)), msg == KV_WM_MOUSEHWHEEL);
        return 0;
    case KV_WM_KEYDOWN:
        if (m_input.OnKeyDown(static_cast<uint32_t>(wParam), (lParam & KV_MK_SHIFT) != 0,
                              (lParam & KV_MK_CONTROL) != 0))
            return 0;
        break;
    case KV_GM_HITTEST:
        return HitTest(reinterpret_cast<int32_t*>(wParam), LowWord(lParam), HighWord(lParam));
    case KV_GM_CELLRECT:
        return CellRect(reinterpret_cast<const int32_t*>(wParam),
                        reinterpret_cast<KVRect*>(lParam));
    default:
        break;
    }
    return CallHost(msg, wParam, lParam);
}

KVLRESULT CGridInstance::HitTest(int32_t* cell, int32_t x, int32_t y) const {
    if (cell == nullptr) return KV_HIT_NOWHERE;
    const CHit hit = m_geometry.HitTest(x, y);
    const bool onTable = hit.kind == HitKind::Cell || hit.kind == HitKind::ColHeader ||
                         hit.kind == HitKind::RowHeader;
    cell[0] = onTable ? hit.row : 0;
    cell[1] = onTable ? hit.col : 0;
    switch (hit.kind) {
    case HitKind::Cell:
        return KV_HIT_CELL;
    case HitKind::ColHeader:
        return KV_HIT_COLHEADER;
    case HitKind::RowHeader:
        return KV_HIT_ROWHEADER;
    case HitKind::Corner:
        return KV_HIT_CORNER;
    default:
        return KV_HIT_NOWHERE;
    }
}

KVLRESULT CGridInstance::CellRect(const int32_t* cell, KVRect* rect) const {
    if (cell == nullptr || rect == nullptr) return 0;
    const int32_t row = cell[0];
    const int32_t col = cell[1];
    if (row == 0 && col == 0) return 0;
    // A header shows where its column or row shows in the first row or column on screen.
    const int32_t shownRow = row == 0 ? m_geometry.TopRow() : row;
    const int32_t shownCol = col == 0 ? m_geometry.LeftCol() : col;
    KVRect shown{};
    if (!m_table.Contains(shownRow, shownCol) ||
        !m_geometry.VisibleCellRect(shownRow, shownCol, shown))
        return 0;
    const KVRect data = m_geometry.DataArea();
    rect->left = col == 0 ? 0 : m_geometry.ColLeft(col);
    rect->right = col == 0 ? data.left : m_geometry.ColRight(col);
    rect->top = row == 0 ? 0 : m_geometry.RowTop(row);
    rect->bottom = row == 0 ? data.top : m_geometry.RowBottom(row);
    return 1;
}

} // namespace kvgraphics
