// own
#include "view/station_grid.h"
#include "model/config_edits.h"
#include "framework/ui_services.h"
#include "view/grid_accessible.h"
#include "view/station_cells.h"
#include "view/station_view.h"

// Qt
#include <QAccessible>
#include <QKeyEvent>

// std
#include <algorithm>
#include <memory>

namespace {
// An "On" cell: solid red with white text, colours as 0x00BBGGRR.
constexpr int32_t kOnStyle = 1;
constexpr int32_t kOnFill = 255;
constexpr int32_t kOnText = 16777215;

bool IsStationKey(int key) {
    return key == Qt::Key_Insert || key == Qt::Key_Delete;
}
} // namespace

CStationGrid::CStationGrid(CGraphicsDll& dll, CStationView& view)
    : CGridWnd(dll, &view), m_view(view) {}

void CStationGrid::OnGridEvent417(int32_t, int32_t) {
    CKVDoc* doc = m_view.GetDocument();
    const int station = m_view.ShownStation();
    if (doc == nullptr || m_hGrid == nullptr || station < 0) return;
    CGraphicsDll& dll = GetDll();
    int32_t firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;
    if (dll.SSGetSelection(m_hGrid, 0, &firstRow, &firstCol, &lastRow, &lastCol) != 0) return;
    // A whole column or row comes as 16384 rows or 256 columns; no block reaches past the table.
    int32_t maxRow = 0, maxCol = 0;
    dll.SSGetMaxRow(m_hGrid, &maxRow);
    dll.SSGetMaxCol(m_hGrid, &maxCol);
    lastRow = std::min(lastRow, maxRow);
    lastCol = std::min(lastCol, maxCol);
    auto switches = SwitchesOfBlock(*doc, station, firstRow, firstCol, lastRow, lastCol);
    if (switches.empty()) return;
    const int32_t row = RowOfButton(*doc, station, switches.back().button);
    const int32_t col = switches.back().zone + 1;
    {
        CWaitCursor wait(doc->Ui());
        // The whole gesture is one step; the views paint its cells as the document announces it.
        doc->Perform(std::make_unique<CSwitchZonesEdit>(*doc, std::move(switches)));
        // The last cell switched stays active and selected, as when each was switched in turn.
        m_bFollowActiveCell = false;
        dll.SSSetActiveCell(m_hGrid, row, col);
        dll.SSSetSelection(m_hGrid, row, col, row, col);
        m_bFollowActiveCell = true;
    }
    m_view.ShowActiveCellTexts();
}

void CStationGrid::ToggleZone(int32_t row, int32_t col) {
    CKVDoc* doc = m_view.GetDocument();
    const int station = m_view.ShownStation();
    if (doc == nullptr || m_hGrid == nullptr || station < 0) return;
    if (!ToggleCell(*doc, station, row, col)) return;
    CGraphicsDll& dll = GetDll();
    dll.SSSetActiveCell(m_hGrid, row, col);
    dll.SSSetSelection(m_hGrid, row, col, row, col);
}

void CStationGrid::PaintActiveCell(bool on) {
    CGraphicsDll& dll = GetDll();
    if (on) {
        dll.SSSetPattern(m_hGrid, kOnStyle, kOnFill, kOnText);
        dll.SSSetText(m_hGrid, "On");
    } else {
        dll.SSSetPattern(m_hGrid, 0, 0, 0);
        dll.SSSetText(m_hGrid, "");
    }
}

void CStationGrid::OnGridEvent401() {
    if (!m_bFollowActiveCell) return;
    m_view.ShowActiveCellTexts();
    // Only while a screen reader listens: each cell told of is kept until the grid goes.
    if (QAccessible::isActive()) NotifyActiveCell(*this);
}

bool CStationGrid::PassToGrid(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    if (msg == KV_WM_SETFOCUS) {
        // Qt tells screen readers of the table's focus after this; the cell is told after that,
        // so that the reader lands on the cell.
        QMetaObject::invokeMethod(
            this, [this] { NotifyActiveCell(*this); }, Qt::QueuedConnection);
    }
    if (msg == KV_WM_KEYDOWN && (wParam == KV_VK_INSERT || wParam == KV_VK_DELETE)) {
        // With Shift or Ctrl these are the clipboard keys, which have no command here.
        if ((lParam & (KV_MK_SHIFT | KV_MK_CONTROL)) == 0) {
            if (wParam == KV_VK_INSERT) {
                m_view.OnInsertStation();
            } else {
                m_view.OnDeleteStation();
            }
        }
        return false;
    }
    if (msg == KV_WM_RBUTTONDOWN) {
        OnGridRButtonDown(static_cast<uint32_t>(wParam), static_cast<int16_t>(lParam & 0xFFFF),
                          static_cast<int16_t>((lParam >> 16) & 0xFFFF));
    }
    return true;
}

void CStationGrid::OnGridRButtonDown(uint32_t, int32_t, int32_t) {}

void CStationGrid::keyPressEvent(QKeyEvent* event) {
    // Taken by the station commands above; they go no further.
    if (IsStationKey(event->key())) {
        event->accept();
        return;
    }
    CGridWnd::keyPressEvent(event);
}
