#pragma once
// Paints a grid into its host's painter: the cells that show (fill, text), the grid lines, the
// block borders, the user's block, the active cell's frame, the headers and the scroll bars. Only
// what lies in the given area is drawn; the painter is left as it was found.

// own
#include "kvgraphics/kv_graphics.h"

// Qt
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringDecoder>

// std
#include <string>
#include <vector>

class QPainter;

namespace kvgraphics {

class CGridInstance;
class CGridGeometry;
struct CBorderFormat;
struct CScrollBar;

class CGridPainter {
public:
    // `area` null paints the whole window.
    CGridPainter(const CGridInstance& grid, QPainter& painter, const KVRect* area);
    void Paint();

private:
    struct CSpan {
        int32_t index;
        int32_t from; // left or top pixel
        int32_t to;   // right or bottom pixel, exclusive
    };
    void CollectSpans();
    void PaintCells();
    void PaintGridLines();
    void PaintBorders();
    void PaintBorder(const CBorderFormat& border);
    void PaintBlock();
    void PaintActiveFrame();
    void PaintHeaders();
    void PaintScrollBars();
    void PaintScrollBar(const CScrollBar& bar, bool vertical);
    QString Decode(const std::string& text);
    // The on-screen span of rows or columns first..last that show, empty (to <= from) if none.
    CSpan RowsSpan(int32_t first, int32_t last) const;
    CSpan ColsSpan(int32_t first, int32_t last) const;

    const CGridInstance& m_grid;
    const CGridGeometry& m_geometry;
    QPainter& m_painter;
    QRect m_area;
    QRect m_data;
    QFont m_font;
    QStringDecoder m_decoder{"windows-1252"};
    std::vector<CSpan> m_rows; // rows that show within the area
    std::vector<CSpan> m_cols; // columns that show within the area
};

} // namespace kvgraphics
