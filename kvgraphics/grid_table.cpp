// own
#include "kvgraphics/grid_table.h"

// std
#include <algorithm>
#include <iterator>

namespace kvgraphics {

namespace {
// Whether `format` makes `earlier` invisible everywhere it applies.
bool Covers(const CAlignFormat& format, const CAlignFormat& earlier) {
    const CCellBlock& a = format.block;
    const CCellBlock& b = earlier.block;
    const bool cells = a.row1 <= b.row1 && a.col1 <= b.col1 && a.row2 >= b.row2 && a.col2 >= b.col2;
    return cells && (format.reach.rowHeaders || !earlier.reach.rowHeaders) &&
           (format.reach.colHeaders || !earlier.reach.colHeaders) &&
           (format.reach.corner || !earlier.reach.corner);
}
} // namespace

CGridTable::CGridTable() : m_colWidths(kMaxCols + 1, kDefaultColWidth) {}

bool CGridTable::SetRows(int32_t rows) {
    if (rows < 0 || rows > kMaxRows) return false;
    ++m_nLayoutVersion;
    m_nRows = rows;
    DropOutside();
    return true;
}

bool CGridTable::SetCols(int32_t cols) {
    if (cols < 0 || cols > kMaxCols) return false;
    ++m_nLayoutVersion;
    m_nCols = cols;
    std::fill(m_colWidths.begin() + 1 + cols, m_colWidths.end(), kDefaultColWidth);
    DropOutside();
    return true;
}

void CGridTable::DropOutside() {
    std::erase_if(m_cells, [this](const auto& entry) {
        const auto row = static_cast<int32_t>(entry.first / (kMaxCols + 1));
        const auto col = static_cast<int32_t>(entry.first % (kMaxCols + 1));
        return !Contains(row, col);
    });
    std::erase_if(m_rowCaptions, [this](const auto& entry) { return entry.first > m_nRows; });
    std::erase_if(m_colCaptions, [this](const auto& entry) { return entry.first > m_nCols; });
}

const CCell* CGridTable::Cell(int32_t row, int32_t col) const {
    if (!Contains(row, col)) return nullptr;
    const auto found = m_cells.find(Key(row, col));
    return found == m_cells.end() ? nullptr : &found->second;
}

CCell* CGridTable::EditCell(int32_t row, int32_t col) {
    return Contains(row, col) ? &m_cells[Key(row, col)] : nullptr;
}

void CGridTable::DropIfEmpty(int32_t row, int32_t col, const CCell& cell) {
    if (cell.text.empty() && !cell.filled) m_cells.erase(Key(row, col));
}

bool CGridTable::SetText(int32_t row, int32_t col, const char* text) {
    if (text == nullptr) return false;
    CCell* cell = EditCell(row, col);
    if (cell == nullptr) return false;
    cell->text = text;
    DropIfEmpty(row, col, *cell);
    return true;
}

bool CGridTable::SetPattern(int32_t row, int32_t col, bool filled, uint32_t fill,
                            uint32_t textColour) {
    CCell* cell = EditCell(row, col);
    if (cell == nullptr) return false;
    cell->filled = filled;
    cell->fill = filled ? fill : 0;
    cell->textColour = filled ? textColour : 0;
    DropIfEmpty(row, col, *cell);
    return true;
}

std::string CGridTable::RowCaption(int32_t row) const {
    const auto found = m_rowCaptions.find(row);
    return found == m_rowCaptions.end() ? std::to_string(row) : found->second;
}

std::string CGridTable::ColCaption(int32_t col) const {
    const auto found = m_colCaptions.find(col);
    return found == m_colCaptions.end() ? std::to_string(col) : found->second;
}

bool CGridTable::SetRowCaption(int32_t row, const char* text) {
    if (text == nullptr || row < 1 || row > m_nRows) return false;
    m_rowCaptions[row] = text;
    return true;
}

bool CGridTable::SetColCaption(int32_t col, const char* text) {
    if (text == nullptr || col < 1 || col > m_nCols) return false;
    m_colCaptions[col] = text;
    return true;
}

bool CGridTable::SetColWidths(int32_t col1, int32_t col2, int32_t width) {
    if (width < 1 || width > kMaxWidth) return false;
    const CCellBlock cols = CCellBlock::Ordered(1, col1, 1, col2).ClippedTo(1, m_nCols);
    if (cols.IsEmpty()) return false;
    ++m_nLayoutVersion;
    std::fill(m_colWidths.begin() + cols.col1, m_colWidths.begin() + cols.col2 + 1, width);
    return true;
}

bool CGridTable::SetHeaderWidth(int32_t width) {
    if (width < 1 || width > kMaxWidth) return false;
    ++m_nLayoutVersion;
    m_nHeaderWidth = width;
    return true;
}

bool CGridTable::SetFont(const char* face, int32_t points) {
    if (face == nullptr || *face == '\0' || points < 1 || points > kMaxPoints) return false;
    m_strFontFace = face;
    ++m_nLayoutVersion;
    m_nFontPoints = points;
    return true;
}

void CGridTable::AddAlignment(const CAlignFormat& format) {
    // Drop what the new format hides, so repeated calls on a block do not pile up.
    std::erase_if(m_alignments,
                  [&format](const CAlignFormat& earlier) { return Covers(format, earlier); });
    m_alignments.push_back(format);
}

CAlignment CGridTable::AlignmentAt(int32_t row, int32_t col) const {
    for (auto it = m_alignments.rbegin(); it != m_alignments.rend(); ++it) {
        const CCellBlock& b = it->block;
        const bool reaches = row == 0 && col == 0 ? it->reach.corner
                             : row == 0           ? it->reach.colHeaders && b.HasCol(col)
                             : col == 0           ? it->reach.rowHeaders && b.HasRow(row)
                                                  : b.Has(row, col);
        if (reaches) return it->alignment;
    }
    return {};
}

void CGridTable::AddBorder(const CBorderFormat& format) {
    std::erase_if(m_borders, [&format](const CBorderFormat& earlier) {
        return earlier.block == format.block;
    });
    m_borders.push_back(format);
}

void CGridTable::Clear() {
    m_cells.clear();
    m_rowCaptions.clear();
    m_colCaptions.clear();
    m_alignments.clear();
    m_borders.clear();
}

} // namespace kvgraphics
