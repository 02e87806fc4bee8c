#pragma once
// The user's gestures on a grid: clicks and drags on cells, headers, the corner and the scroll
// bars, the wheel, and the keys that move the active cell or choose it. Belongs to its instance
// and acts on it; choosing raises 0x417 with the block, a press raises 0x40b.

// own
#include "kvgraphics/kv_graphics.h"

// std
#include <cstdint>

namespace kvgraphics {

class CGridInstance;

class CGridInput {
public:
    explicit CGridInput(CGridInstance& grid) : m_grid(grid) {}

    // With Shift, a press on a cell extends the block from its anchor instead of starting one.
    void OnLeftDown(int32_t x, int32_t y, bool shift);
    void OnMouseMove(int32_t x, int32_t y);
    void OnLeftUp();
    // `delta` in 1/120 of a wheel notch; positive scrolls up, or right when horizontal.
    void OnWheel(int32_t delta, bool horizontal);
    // False for keys the grid does not use (they go to the host). Shift with a moving key
    // extends the block; Space chooses the extended block, or else the active cell.
    bool OnKeyDown(uint32_t key, bool shift, bool ctrl);
    // Ends a drag without choosing anything (the focus went away).
    void Cancel() { m_mode = Mode::None; }

private:
    enum class Mode : uint8_t { None, Cells, Cols, Rows, All, VThumb, HThumb };

    void PressScrollBar(bool vertical, int32_t along);
    void DragThumb(int32_t along);
    void ExtendBlock(int32_t x, int32_t y);
    bool MoveByKey(uint32_t key, bool shift, bool ctrl);
    // A block of several cells that the user is extending from the anchor.
    bool HasExtendedBlock() const;
    // The block from the anchor (the active cell for a new block) to this cell, which becomes
    // active.
    void ExtendTo(int32_t row, int32_t col);
    void ScrollBy(int32_t rows, int32_t cols);

    CGridInstance& m_grid;
    Mode m_mode = Mode::None;
    // Where a drag or an extended block started.
    int32_t m_nAnchorRow = 0;
    int32_t m_nAnchorCol = 0;
    int32_t m_nGrab = 0; // pointer offset into the thumb being dragged
    int32_t m_nWheelRest = 0;
    int32_t m_nHWheelRest = 0;
};

} // namespace kvgraphics
