#pragma once
// A block of cells, first and last inclusive. A last row of KV_ALL_ROWS or a last column of
// KV_ALL_COLS means the block runs to the end of the table whatever its size.

// std
#include <algorithm>
#include <cstdint>

namespace kvgraphics {

struct CCellBlock {
    int32_t row1 = 0;
    int32_t col1 = 0;
    int32_t row2 = 0;
    int32_t col2 = 0;

    // First and last put in order.
    static CCellBlock Ordered(int32_t rowA, int32_t colA, int32_t rowB, int32_t colB) {
        return {std::min(rowA, rowB), std::min(colA, colB), std::max(rowA, rowB),
                std::max(colA, colB)};
    }
    bool HasRow(int32_t row) const { return row >= row1 && row <= row2; }
    bool HasCol(int32_t col) const { return col >= col1 && col <= col2; }
    bool Has(int32_t row, int32_t col) const { return HasRow(row) && HasCol(col); }
    bool IsSingleCell() const { return row1 == row2 && col1 == col2; }
    bool operator==(const CCellBlock&) const = default;

    // The part inside a table of `rows` x `cols`; empty (row1 > row2 or col1 > col2) when none.
    CCellBlock ClippedTo(int32_t rows, int32_t cols) const {
        return {std::max(row1, 1), std::max(col1, 1), std::min(row2, rows), std::min(col2, cols)};
    }
    bool IsEmpty() const { return row1 > row2 || col1 > col2; }
};

} // namespace kvgraphics
