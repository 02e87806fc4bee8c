#pragma once
// One grid instance behind a handle: its table and layout, the active cell, the block, the focus,
// and the link to its host (window value and procedure). It raises events and asks the host for
// repaints through that procedure. Events are raised after the state they report has changed, so
// a host may call back into the instance from its handler; deleting the instance there is
// refused (see CanDelete).

// own
#include "kvgraphics/cell_block.h"
#include "kvgraphics/grid_geometry.h"
#include "kvgraphics/grid_input.h"
#include "kvgraphics/grid_table.h"
#include "kvgraphics/kv_graphics.h"

// std
#include <array>
#include <bitset>
#include <cstdint>

namespace kvgraphics {

class CGridInstance {
public:
    explicit CGridInstance(KVHWND host);
    CGridInstance(const CGridInstance&) = delete;
    CGridInstance& operator=(const CGridInstance&) = delete;

    const CGridTable& Table() const { return m_table; }
    // Changes that do not move the active cell; the caller repaints (InvalidateCell/All).
    CGridTable& EditTable() { return m_table; }
    const CGridGeometry& Geometry() const { return m_geometry; }
    CGridGeometry& Geometry() { return m_geometry; }

    // Resizing keeps the active cell inside the table, raising 0x401 when it moves.
    bool SetRows(int32_t rows);
    bool SetCols(int32_t cols);
    // Clears contents and formats, puts the active cell and block home, scrolls home.
    void InitTable();

    int32_t ActiveRow() const { return m_nActiveRow; }
    int32_t ActiveCol() const { return m_nActiveCol; }
    // False outside the table. Scrolls the cell into view when asked; raises 0x401 on a change.
    bool MoveActive(int32_t row, int32_t col, bool scrollIntoView);

    const CCellBlock& Block() const { return m_block; }
    // Whether the block is highlighted: only blocks the user made are.
    bool BlockShown() const { return m_bBlockShown; }
    void SetBlock(const CCellBlock& block, bool shown);

    // Which headers SSSetAlignment reaches besides the block.
    const CHeaderReach& HeaderReach() const { return m_headerReach; }
    void SetHeaderReach(const CHeaderReach& reach) { m_headerReach = reach; }

    bool AllowArrows() const { return m_bAllowArrows; }
    bool AllowTabs() const { return m_bAllowTabs; }
    void SetAllowArrows(bool on) { m_bAllowArrows = on; }
    void SetAllowTabs(bool on) { m_bAllowTabs = on; }
    bool HasFocus() const { return m_bFocus; }

    void SetProc(KVWNDPROC proc) { m_proc = proc; }
    bool SetFireEvent(int32_t code, bool on);
    // Sends the event with its record when it is turned on.
    void Raise(int32_t code, const std::array<int32_t, 4>& record);
    bool CanDelete() const { return m_nCallbackDepth == 0; }

    // Everything but painting: size, focus, mouse, wheel and keys; the rest goes to the host's
    // procedure.
    KVLRESULT HandleMessage(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);
    // Called once the host has painted, so later changes ask for repaints again.
    void Painted();

    void InvalidateAll();
    void InvalidateCell(int32_t row, int32_t col);

private:
    // The answers to KV_GM_HITTEST and KV_GM_CELLRECT; null outputs are refused.
    KVLRESULT HitTest(int32_t* cell, int32_t x, int32_t y) const;
    KVLRESULT CellRect(const int32_t* cell, KVRect* rect) const;

    KVLRESULT CallHost(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);
    void InvalidateRect(const KVRect& rect);
    // The cell and its row and column headers, which mark the active cell.
    void InvalidateActive();
    void KeepActiveInside();

    KVHWND m_host;
    KVWNDPROC m_proc = nullptr;
    std::bitset<KV_EVENT_LAST - KV_EVENT_FIRST + 1> m_fired;
    int m_nCallbackDepth = 0;

    CGridTable m_table;
    CGridGeometry m_geometry{m_table};
    CGridInput m_input{*this};
    int32_t m_nActiveRow = 0;
    int32_t m_nActiveCol = 0;
    CCellBlock m_block;
    bool m_bBlockShown = false;
    CHeaderReach m_headerReach;
    bool m_bAllowArrows = false;
    bool m_bAllowTabs = false;
    bool m_bFocus = false;

    // Past this many rectangles between paints, one whole repaint is cheaper for the host.
    static constexpr int kMaxRectRequests = 32;
    bool m_bAllInvalid = false;
    int m_nRectRequests = 0;
};

} // namespace kvgraphics
