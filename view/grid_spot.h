#pragma once
// Where things are on a grid window, asked of its component: what lies under a point, and where
// a cell or header shows. Both answer "nowhere" for a window without an instance.

// own
#include "kvgraphics/kv_graphics.h"

// Qt
#include <QPoint>
#include <QRect>

// std
#include <cstdint>
#include <optional>

class CGridWnd;

struct CGridSpot {
    KVLRESULT kind = KV_HIT_NOWHERE;
    int32_t row = 0; // 0 on a column header
    int32_t col = 0; // 0 on a row header
};

CGridSpot SpotAt(const CGridWnd& grid, const QPoint& pos);
// In the window's coordinates; row 0 for a column header, column 0 for a row header. Nothing
// when it does not show.
std::optional<QRect> SpotRect(const CGridWnd& grid, int32_t row, int32_t col);
