// The C entry points of KV_Graphics.so: argument checks, then the instance behind the handle.
// No exception leaves the library; a call that fails on one is refused.

// own
#include "kvgraphics/kv_graphics.h"
#include "kvgraphics/grid_instance.h"
#include "kvgraphics/grid_painter.h"

// Qt
#include <QPainter>

// std
#include <new>

using kvgraphics::CAlignment;
using kvgraphics::CCellBlock;
using kvgraphics::HAlign;
using kvgraphics::LineStyle;
using kvgraphics::VAlign;

struct SSGrid : kvgraphics::CGridInstance {
    using CGridInstance::CGridInstance;
};

namespace {
constexpr int32_t kOk = 0;
constexpr int32_t kRefused = -1;

bool IsFlag(int32_t value) {
    return value == 0 || value == 1;
}
bool IsCode(int32_t value) {
    return value >= 0 && value <= 3;
}

// Runs `action` on the instance, refusing a null handle and anything that throws.
template <class Action> int32_t OnGrid(HSS h, Action&& action) {
    if (h == nullptr) return kRefused;
    try {
        return action(static_cast<kvgraphics::CGridInstance&>(*h)) ? kOk : kRefused;
    } catch (...) {
        return kRefused;
    }
}

int32_t AcceptFlag(HSS h, int32_t on) {
    return OnGrid(h, [on](kvgraphics::CGridInstance&) { return IsFlag(on); });
}
} // namespace

extern "C" {

KVLRESULT SSCallWindowProc(HSS h, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    if (h == nullptr) return 0;
    try {
        if (msg != KV_WM_PAINT) return h->HandleMessage(msg, wParam, lParam);
        // An inactive painter would make Qt complain on standard error.
        if (auto* painter = reinterpret_cast<QPainter*>(lParam);
            painter != nullptr && painter->isActive()) {
            kvgraphics::CGridPainter(*h, *painter, reinterpret_cast<const KVRect*>(wParam)).Paint();
        }
        h->Painted();
    } catch (...) {
    }
    return 0;
}

int32_t SSDelete(HSS h, int32_t) {
    if (h == nullptr || !h->CanDelete()) return kRefused;
    delete h;
    return kOk;
}

int32_t SSGetActiveCell(HSS h, int32_t* row, int32_t* col) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (row == nullptr || col == nullptr) return false;
        *row = grid.ActiveRow();
        *col = grid.ActiveCol();
        return true;
    });
}

int32_t SSGetMaxCol(HSS h, int32_t* count) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return count != nullptr && (*count = grid.Table().Cols(), true);
    });
}

int32_t SSGetMaxRow(HSS h, int32_t* count) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return count != nullptr && (*count = grid.Table().Rows(), true);
    });
}

int32_t SSGetSelection(HSS h, int32_t index, int32_t* row1, int32_t* col1, int32_t* row2,
                       int32_t* col2) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (index != 0 || !row1 || !col1 || !row2 || !col2) return false;
        const CCellBlock& block = grid.Block();
        *row1 = block.row1, *col1 = block.col1, *row2 = block.row2, *col2 = block.col2;
        return true;
    });
}

int32_t SSInitTable(HSS h) {
    return OnGrid(h, [](kvgraphics::CGridInstance& grid) {
        grid.InitTable();
        return true;
    });
}

int32_t SSNew(KVHWND hWnd, HSS* h) {
    if (h == nullptr) return kRefused;
    *h = new (std::nothrow) SSGrid(hWnd);
    return *h != nullptr ? kOk : kRefused;
}

int32_t SSSetActiveCell(HSS h, int32_t row, int32_t col) {
    return OnGrid(
        h, [=](kvgraphics::CGridInstance& grid) { return grid.MoveActive(row, col, false); });
}

int32_t SSSetSelection(HSS h, int32_t row1, int32_t col1, int32_t row2, int32_t col2) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        const CCellBlock block = CCellBlock::Ordered(row1, col1, row2, col2);
        if (block.row1 < 1 || block.col1 < 1 || block.row2 > KV_ALL_ROWS ||
            block.col2 > KV_ALL_COLS) {
            return false;
        }
        grid.SetBlock(block, false);
        return true;
    });
}

int32_t SSSetAlignment(HSS h, int32_t horizontal, int32_t, int32_t vertical, int32_t) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (!IsCode(horizontal) || !IsCode(vertical)) return false;
        static constexpr HAlign kHorizontal[] = {HAlign::Centre, HAlign::Left, HAlign::Right,
                                                 HAlign::Centre};
        static constexpr VAlign kVertical[] = {VAlign::Centre, VAlign::Top, VAlign::Centre,
                                               VAlign::Bottom};
        const CAlignment alignment{kHorizontal[horizontal], kVertical[vertical]};
        grid.EditTable().AddAlignment({grid.Block(), grid.HeaderReach(), alignment});
        grid.InvalidateAll();
        return true;
    });
}

int32_t SSSetAllowArrows(HSS h, int32_t on) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return IsFlag(on) && (grid.SetAllowArrows(on == 1), true);
    });
}

int32_t SSSetAllowTabs(HSS h, int32_t on) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return IsFlag(on) && (grid.SetAllowTabs(on == 1), true);
    });
}

// The component has no cell editing, formulas, moving or resizing for these to switch.
#define KV_GRAPHICS_ACCEPTED_FLAG(name)                                                            \
    int32_t name(HSS h, int32_t on) {                                                              \
        return AcceptFlag(h, on);                                                                  \
    }
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowDelete)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowEditHeaders)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowFormulas)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowInCellEditing)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowMoveRange)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetAllowResize)
KV_GRAPHICS_ACCEPTED_FLAG(SSSetShowFormulas)
#undef KV_GRAPHICS_ACCEPTED_FLAG

int32_t SSSetBorder(HSS h, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    int32_t insideH, int32_t insideV, int32_t colour, int32_t, int32_t, int32_t,
                    int32_t) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        for (const int32_t code : {left, top, right, bottom, insideH, insideV}) {
            if (!IsCode(code)) return false;
        }
        const auto style = [](int32_t code) { return static_cast<LineStyle>(code); };
        grid.EditTable().AddBorder({grid.Block(), style(left), style(top), style(right),
                                    style(bottom), style(insideH), style(insideV),
                                    static_cast<uint32_t>(colour) & 0xFFFFFFU});
        grid.InvalidateAll();
        return true;
    });
}

int32_t SSSetColText(HSS h, int32_t col, const char* text) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return grid.EditTable().SetColCaption(col, text) && (grid.InvalidateAll(), true);
    });
}

int32_t SSSetRowText(HSS h, int32_t row, const char* text) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return grid.EditTable().SetRowCaption(row, text) && (grid.InvalidateAll(), true);
    });
}

int32_t SSSetColWidth(HSS h, int32_t col1, int32_t col2, int32_t width, int32_t) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return grid.EditTable().SetColWidths(col1, col2, width) && (grid.InvalidateAll(), true);
    });
}

int32_t SSSetHdrWidth(HSS h, int32_t width) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return grid.EditTable().SetHeaderWidth(width) && (grid.InvalidateAll(), true);
    });
}

int32_t SSSetDefaultFont(HSS h, const char* face, int32_t points) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return grid.EditTable().SetFont(face, points) && (grid.InvalidateAll(), true);
    });
}

int32_t SSSetDefWindowProc(HSS h, KVWNDPROC proc) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        grid.SetProc(proc);
        return true;
    });
}

int32_t SSSetFireEvent(HSS h, int32_t code, int32_t on) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        return IsFlag(on) && grid.SetFireEvent(code, on == 1);
    });
}

int32_t SSSetHdrSelection(HSS h, int32_t rowHdr, int32_t colHdr, int32_t corner) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (!IsFlag(rowHdr) || !IsFlag(colHdr) || !IsFlag(corner)) return false;
        grid.SetHeaderReach({rowHdr == 1, colHdr == 1, corner == 1});
        return true;
    });
}

int32_t SSSetMaxCol(HSS h, int32_t count) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) { return grid.SetCols(count); });
}

int32_t SSSetMaxRow(HSS h, int32_t count) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) { return grid.SetRows(count); });
}

int32_t SSSetPattern(HSS h, int32_t style, int32_t fill, int32_t textColour) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (!IsFlag(style)) return false;
        const int32_t row = grid.ActiveRow();
        const int32_t col = grid.ActiveCol();
        if (!grid.EditTable().SetPattern(row, col, style == 1, static_cast<uint32_t>(fill),
                                         static_cast<uint32_t>(textColour))) {
            return false;
        }
        grid.InvalidateCell(row, col);
        return true;
    });
}

int32_t SSSetText(HSS h, const char* text) {
    return OnGrid(h, [=](kvgraphics::CGridInstance& grid) {
        if (!grid.EditTable().SetText(grid.ActiveRow(), grid.ActiveCol(), text)) return false;
        grid.InvalidateCell(grid.ActiveRow(), grid.ActiveCol());
        return true;
    });
}

} // extern "C"
