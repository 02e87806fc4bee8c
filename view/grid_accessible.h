#pragma once
// The station grid as screen readers see it: a table whose rows are the buttons (HB-01, ...,
// SB-99), whose columns are the zones by number and name ("Zone 5: Lobby"), and whose cells read
// "On" or "Off" and can be toggled, which switches the cell exactly as a click on it does. Qt's
// accessibility asks the factory installed by InstallGridAccessibility for the interfaces.

// own
#include "view/station_grid.h"

// Qt
#include <QAccessibleWidget>

// std
#include <map>
#include <optional>
#include <utility>

// Installs the factory once per process; later calls do nothing.
void InstallGridAccessibility();
// Tells screen readers which cell has the focus, while the grid has it.
void NotifyActiveCell(CStationGrid& grid);
// Tells screen readers that the cell at `row` and `col` (from 1, as the grid counts) was switched
// on or off, so that a reader on it says so after Space, a click, Undo or Redo.
void NotifyCellSwitched(CStationGrid& grid, int32_t row, int32_t col);

class CGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CGridAccessible(CStationGrid& grid);
    // Also drops the cells handed out, which Qt keeps registered until then.
    ~CGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Rows and columns count from 0 here, as Qt's tables do.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    // A cell, or with row or column -1 the header of that column or row (both: the corner).
    QAccessibleInterface* PartAt(int row, int column) const;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int rowCount() const override;
    int columnCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    CStationGrid& Grid() const;
    // The cell's zone on or off; nothing when the view no longer shows such a cell.
    std::optional<bool> IsOn(int row, int column) const;
    // Switches the cell as a click would: it becomes the active cell and is chosen.
    void Toggle(int row, int column);
    // In screen coordinates, with -1 for a header; empty while it is scrolled out of sight.
    QRect CellRect(int row, int column) const;
    // The grid's active cell, from 0; nothing when there is none.
    std::optional<std::pair<int, int>> ActiveCell() const;

private:
    // The cells and headers handed out, by place.
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};
