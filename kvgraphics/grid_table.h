#pragma once
// The contents of one grid: its size, the cells' texts and patterns, the header captions, the
// widths, the default font, and the alignment and border formats laid on blocks. Pure data with
// its limits; cells outside the table are refused (false) and never stored.

// own
#include "kvgraphics/cell_block.h"

// std
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kvgraphics {

struct CCell {
    std::string text;
    bool filled = false;
    uint32_t fill = 0;       // 0x00BBGGRR, used when filled
    uint32_t textColour = 0; // 0x00BBGGRR, used when filled
};

enum class HAlign : uint8_t { Left, Right, Centre };
enum class VAlign : uint8_t { Top, Centre, Bottom };

struct CAlignment {
    HAlign h = HAlign::Centre;
    VAlign v = VAlign::Centre;
};

// Which headers a block's alignment also reaches.
struct CHeaderReach {
    bool rowHeaders = false;
    bool colHeaders = false;
    bool corner = false;
};

struct CAlignFormat {
    CCellBlock block;
    CHeaderReach reach;
    CAlignment alignment;
};

enum class LineStyle : uint8_t { None, Dotted, Solid, Thick };

struct CBorderFormat {
    CCellBlock block;
    LineStyle left = LineStyle::None;
    LineStyle top = LineStyle::None;
    LineStyle right = LineStyle::None;
    LineStyle bottom = LineStyle::None;
    LineStyle insideH = LineStyle::None; // between the block's rows
    LineStyle insideV = LineStyle::None; // between the block's columns
    uint32_t colour = 0;                 // 0x00BBGGRR
};

class CGridTable {
public:
    static constexpr int32_t kMaxRows = 16384;
    static constexpr int32_t kMaxCols = 256;
    static constexpr int32_t kMaxWidth = 65535;
    static constexpr int32_t kMaxPoints = 72;
    static constexpr int32_t kDefaultColWidth = 2048;

    CGridTable();

    // Grows with every change of size, width or font, so a cached layout knows it is stale.
    uint32_t LayoutVersion() const { return m_nLayoutVersion; }

    int32_t Rows() const { return m_nRows; }
    int32_t Cols() const { return m_nCols; }
    // Shrinking drops the cells, captions and widths that fall outside.
    bool SetRows(int32_t rows);
    bool SetCols(int32_t cols);
    bool Contains(int32_t row, int32_t col) const {
        return row >= 1 && row <= m_nRows && col >= 1 && col <= m_nCols;
    }

    // Null for an empty cell.
    const CCell* Cell(int32_t row, int32_t col) const;
    bool SetText(int32_t row, int32_t col, const char* text);
    bool SetPattern(int32_t row, int32_t col, bool filled, uint32_t fill, uint32_t textColour);

    // The caption, or the number when none was set.
    std::string RowCaption(int32_t row) const;
    std::string ColCaption(int32_t col) const;
    bool SetRowCaption(int32_t row, const char* text);
    bool SetColCaption(int32_t col, const char* text);

    int32_t ColWidth(int32_t col) const { return m_colWidths[static_cast<size_t>(col)]; }
    bool SetColWidths(int32_t col1, int32_t col2, int32_t width);
    int32_t HeaderWidth() const { return m_nHeaderWidth; }
    bool SetHeaderWidth(int32_t width);

    const std::string& FontFace() const { return m_strFontFace; }
    int32_t FontPoints() const { return m_nFontPoints; }
    bool SetFont(const char* face, int32_t points);

    void AddAlignment(const CAlignFormat& format);
    // Row 0 is the column-header row and column 0 the row-header column; (0, 0) is the corner.
    CAlignment AlignmentAt(int32_t row, int32_t col) const;
    void AddBorder(const CBorderFormat& format);
    const std::vector<CBorderFormat>& Borders() const { return m_borders; }

    // Empties cells, captions and formats; keeps size, widths and font.
    void Clear();

private:
    static uint32_t Key(int32_t row, int32_t col) {
        return static_cast<uint32_t>(row) * (kMaxCols + 1) + static_cast<uint32_t>(col);
    }
    CCell* EditCell(int32_t row, int32_t col);
    void DropIfEmpty(int32_t row, int32_t col, const CCell& cell);
    void DropOutside();

    int32_t m_nRows = 0;
    int32_t m_nCols = 0;
    std::unordered_map<uint32_t, CCell> m_cells;
    std::unordered_map<int32_t, std::string> m_rowCaptions;
    std::unordered_map<int32_t, std::string> m_colCaptions;
    std::vector<int32_t> m_colWidths;
    int32_t m_nHeaderWidth = 1536;
    std::string m_strFontFace = "Arial";
    int32_t m_nFontPoints = 8;
    std::vector<CAlignFormat> m_alignments;
    std::vector<CBorderFormat> m_borders;
    uint32_t m_nLayoutVersion = 0;
};

} // namespace kvgraphics
