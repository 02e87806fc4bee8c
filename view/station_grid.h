#pragma once
// CStationGrid: the station view's grid. Choosing a cell or block (event 0x417) switches those
// zones of the shown station's buttons, as one undoable step; a change of the active cell (0x401)
// shows that zone's name and that button's LCD text in the view's edit boxes. The Insert and Delete
// keys start the view's Insert and Delete Station commands and never reach the component. It
// belongs to its view, which must outlive it (it is the view's member).

// own
#include "view/grid_wnd.h"

// std
#include <cstdint>

class CStationView;

class CStationGrid : public CGridWnd {
public:
    CStationGrid(CGraphicsDll& dll, CStationView& view);

    // The layout code of the shown station (its type code): 0 for the 4-button paging station.
    int32_t m_nLayout = 0;

    void OnGridEvent417(int32_t, int32_t) override;
    void OnGridEvent401() override;
    bool PassToGrid(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) override;
    virtual void OnGridRButtonDown(uint32_t keyFlags, int32_t x, int32_t y);

    // Switches the zone of column `col` on row `row`'s button of the shown station as one step
    // and makes the cell active; a cell that does not exist in the model is left alone.
    void ToggleZone(int32_t row, int32_t col);
    // Paints the active cell as a zone that is on ("On", red with white text) or off (blank).
    void PaintActiveCell(bool on);

    CStationView& View() const { return m_view; }

    // While the view itself moves the active cell through many cells (rebuilding the grid,
    // switching a block), the edit boxes do not follow each move; the caller shows the final
    // cell's texts once.
    bool m_bFollowActiveCell = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CStationView& m_view;
};
