#pragma once
// What each grid of one loader shows, kept beside the component: every call that writes a cell's
// text, clears the table or sizes it is seen on its way to the component, so a test can compare
// every cell of every view with the model without painting. One mirror at a time; the loader's
// pointers come back when it is destroyed.

// own
#include "kvgraphics/graphics_dll.h"

// std
#include <map>
#include <string>
#include <vector>

class CGridMirror {
public:
    struct Grid {
        int32_t rows = 0;
        int32_t cols = 0;
        // Texts by row and column, both 1-based, up to kSide - 1.
        std::vector<std::string> texts = std::vector<std::string>(kSide * kSide);
        const std::string& Text(int32_t row, int32_t col) const { return texts[row * kSide + col]; }
    };
    static constexpr int32_t kSide = 100;

    explicit CGridMirror(CGraphicsDll& dll);
    ~CGridMirror();
    CGridMirror(const CGridMirror&) = delete;
    CGridMirror& operator=(const CGridMirror&) = delete;

    // The grid of handle `h`; an empty one when nothing was written to it.
    const Grid& Of(HSS h);

private:
    friend struct CMirrorCalls;
    CGraphicsDll& m_dll;
    PFN_SSInitTable m_realInitTable;
    PFN_SSSetText m_realSetText;
    PFN_SSSetMaxRow m_realSetMaxRow;
    PFN_SSSetMaxCol m_realSetMaxCol;
    std::map<HSS, Grid> m_grids;
};
