// own
#include "tests/monkey/grid_mirror.h"

namespace {
CGridMirror* g_mirror = nullptr;
} // namespace

struct CMirrorCalls {
    static int32_t InitTable(HSS h) {
        CGridMirror::Grid& grid = g_mirror->m_grids[h];
        std::fill(grid.texts.begin(), grid.texts.end(), std::string());
        return g_mirror->m_realInitTable(h);
    }
    static int32_t SetText(HSS h, const char* text) {
        int32_t row = 0, col = 0;
        g_mirror->m_dll.SSGetActiveCell(h, &row, &col);
        if (row > 0 && col > 0 && row < CGridMirror::kSide && col < CGridMirror::kSide)
            g_mirror->m_grids[h].texts[row * CGridMirror::kSide + col] = text ? text : "";
        return g_mirror->m_realSetText(h, text);
    }
    static int32_t SetMaxRow(HSS h, int32_t rows) {
        g_mirror->m_grids[h].rows = rows;
        return g_mirror->m_realSetMaxRow(h, rows);
    }
    static int32_t SetMaxCol(HSS h, int32_t cols) {
        g_mirror->m_grids[h].cols = cols;
        return g_mirror->m_realSetMaxCol(h, cols);
    }
};

CGridMirror::CGridMirror(CGraphicsDll& dll)
    : m_dll(dll), m_realInitTable(dll.SSInitTable), m_realSetText(dll.SSSetText),
      m_realSetMaxRow(dll.SSSetMaxRow), m_realSetMaxCol(dll.SSSetMaxCol) {
    g_mirror = this;
    dll.SSInitTable = &CMirrorCalls::InitTable;
    dll.SSSetText = &CMirrorCalls::SetText;
    dll.SSSetMaxRow = &CMirrorCalls::SetMaxRow;
    dll.SSSetMaxCol = &CMirrorCalls::SetMaxCol;
}

CGridMirror::~CGridMirror() {
    m_dll.SSInitTable = m_realInitTable;
    m_dll.SSSetText = m_realSetText;
    m_dll.SSSetMaxRow = m_realSetMaxRow;
    m_dll.SSSetMaxCol = m_realSetMaxCol;
    g_mirror = nullptr;
}

const CGridMirror::Grid& CGridMirror::Of(HSS h) {
    return m_grids[h];
}
