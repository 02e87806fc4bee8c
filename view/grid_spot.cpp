// own
#include "view/grid_spot.h"
#include "view/grid_messages.h"
#include "view/grid_wnd.h"

// std
#include <array>

CGridSpot SpotAt(const CGridWnd& grid, const QPoint& pos) {
    if (grid.m_hGrid == nullptr) return {};
    std::array<int32_t, 2> cell{};
    const KVLRESULT kind = grid.GetDll().SSCallWindowProc(
        grid.m_hGrid, KV_GM_HITTEST, reinterpret_cast<KVWPARAM>(cell.data()), PointParam(pos));
    return {kind, cell[0], cell[1]};
}

std::optional<QRect> SpotRect(const CGridWnd& grid, int32_t row, int32_t col) {
    if (grid.m_hGrid == nullptr) return std::nullopt;
    const std::array<int32_t, 2> cell{row, col};
    KVRect rect{};
    if (grid.GetDll().SSCallWindowProc(grid.m_hGrid, KV_GM_CELLRECT,
                                       reinterpret_cast<KVWPARAM>(cell.data()),
                                       reinterpret_cast<KVLPARAM>(&rect)) != 1)
        return std::nullopt;
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}
