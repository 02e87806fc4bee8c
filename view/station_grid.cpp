// own
#include "view/station_grid.h"
#include "platform/ui_services.h"
#include "view/grid_accessible.h"
#include "view/station_cells.h"
#include "view/station_view.h"

// Qt
#include <QKeyEvent>

// std
#include <algorithm>

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
    if (doc == nullptr || m_hGrid == nullptr || m_view.ShownStation() < 0) return;
    CGraphicsDll& dll = GetDll();
    int32_t firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;
    if (dll.SSGetSelection(m_hGrid, 0, &firstRow, &firstCol, &lastRow, &lastCol) != 0) return;
    // A whole column or row comes as 16384 rows or 256 columns; no block reaches past the table.
    int32_t maxRow = 0, maxCol = 0;
    dll.SSGetMaxRow(m_hGrid, &maxRow);
    dll.SSGetMaxCol(m_hGrid, &maxCol);
    lastRow = std::min(lastRow, maxRow);
    lastCol = std::min(lastCol, maxCol);
    {
        CWaitCursor wait(doc->Ui());
        m_bFollowActiveCell = false;
        for (int32_t row = std::max(firstRow, 1); row <= lastRow; ++row)
            for (int32_t col = std::max(firstCol, 1); col <= lastCol; ++col)
                ToggleZone(row, col);
        m_bFollowActiveCell = true;
    }
    m_view.ShowActiveCellTexts();
}

void CStationGrid::ToggleZone(int32_t row, int32_t col) {
    CKVDoc* doc = m_view.GetDocument();
    if (doc == nullptr || m_hGrid == nullptr) return;
    const int station = doc->m_nCurStation;
    if (ButtonOfRow(*doc, station, row) == nullptr || !ZoneColumnExists(*doc, col)) return;
    CGraphicsDll& dll = GetDll();
    dll.SSSetActiveCell(m_hGrid, row, col);
    dll.SSSetSelection(m_hGrid, row, col, row, col);
    PaintActiveCell(ToggleCell(*doc, station, row, col).value_or(false));
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
    NotifyActiveCell(*this);
}

bool CStationGrid::PassToGrid(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
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
