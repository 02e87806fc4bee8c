// own
#include "view/grid_accessible.h"
#include "framework/qt/cp1252.h"
#include "view/grid_header_accessible.h"
#include "view/grid_spot.h"
#include "view/station_cells.h"
#include "view/station_view.h"

namespace {
// One cell of the table; made on demand, registered with Qt and dropped with its table.
class CGridCellAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
public:
    CGridCellAccessible(CGridAccessible& table, int row, int column)
        : m_table(table), m_nRow(row), m_nColumn(column) {}

    bool isValid() const override {
        return m_table.isValid() && m_nRow < m_table.rowCount() &&
               m_nColumn < m_table.columnCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) {
            const std::optional<bool> on = m_table.IsOn(m_nRow, m_nColumn);
            return on ? QString::fromLatin1(*on ? "On" : "Off") : QString();
        }
        if (type == QAccessible::Description)
            return m_table.rowDescription(m_nRow) + QStringLiteral(", ") +
                   m_table.columnDescription(m_nColumn);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_table.CellRect(m_nRow, m_nColumn); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.checkable = true;
        state.checked = m_table.IsOn(m_nRow, m_nColumn).value_or(false);
        const bool active = m_table.ActiveCell() == std::pair{m_nRow, m_nColumn};
        state.selected = active;
        state.focused = active && m_table.Grid().hasFocus();
        state.invisible = rect().isEmpty();
        state.offscreen = state.invisible;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {m_table.PartAt(-1, m_nColumn)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {m_table.PartAt(m_nRow, -1)};
    }
    int columnIndex() const override { return m_nColumn; }
    int rowIndex() const override { return m_nRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return &m_table; }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction()) m_table.Toggle(m_nRow, m_nColumn);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

    bool Is(const CGridAccessible& table) const { return &table == &m_table; }

private:
    CGridAccessible& m_table;
    const int m_nRow;
    const int m_nColumn;
};

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
    if (auto* grid = dynamic_cast<CStationGrid*>(object)) return new CGridAccessible(*grid);
    return nullptr;
}

// Where a cell or header of `table` sits, from -1 for the headers; nothing for another object.
std::optional<std::pair<int, int>> PlaceOf(const CGridAccessible& table,
                                           const QAccessibleInterface* part) {
    if (const auto* cell = dynamic_cast<const CGridCellAccessible*>(part); cell && cell->Is(table))
        return std::pair{cell->rowIndex(), cell->columnIndex()};
    if (const auto* header = dynamic_cast<const CGridHeaderAccessible*>(part);
        header && header->Is(table))
        return std::pair{header->RowIndex(), header->ColumnIndex()};
    return std::nullopt;
}

} // namespace

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&GridFactory);
        return true;
    }();
    (void)installed;
}

void NotifyActiveCell(CStationGrid& grid) {
    if (!grid.hasFocus()) return;
    auto* table = dynamic_cast<CGridAccessible*>(QAccessible::queryAccessibleInterface(&grid));
    const auto active = table != nullptr ? table->ActiveCell() : std::nullopt;
    if (!active) return;
    QAccessibleEvent event(table->cellAt(active->first, active->second), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void NotifyCellSwitched(CStationGrid& grid, int32_t row, int32_t col) {
    // Only while a screen reader listens: each cell told of is kept until the grid goes.
    if (!QAccessible::isActive()) return;
    auto* table = dynamic_cast<CGridAccessible*>(QAccessible::queryAccessibleInterface(&grid));
    QAccessibleInterface* cell = table != nullptr ? table->cellAt(row - 1, col - 1) : nullptr;
    if (cell == nullptr) return;
    QAccessible::State switched;
    switched.checked = true;
    QAccessibleStateChangeEvent state(cell, switched);
    QAccessible::updateAccessibility(&state);
    // Its name is "On" or "Off".
    QAccessibleEvent name(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

CGridAccessible::CGridAccessible(CStationGrid& grid)
    : QAccessibleWidget(&grid, QAccessible::Table) {}

CGridAccessible::~CGridAccessible() {
    for (const auto& [cell, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

CStationGrid& CGridAccessible::Grid() const {
    return static_cast<CStationGrid&>(*widget());
}

void* CGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString CGridAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name) return QStringLiteral("Zones");
    return QAccessibleWidget::text(type);
}

// The children as a QTableView gives them: the corner and the column headers first, then each
// row with its header before its cells.
int CGridAccessible::childCount() const {
    return (rowCount() + 1) * (columnCount() + 1);
}

QAccessibleInterface* CGridAccessible::child(int index) const {
    const int stride = columnCount() + 1;
    if (index < 0) return nullptr;
    return PartAt(index / stride - 1, index % stride - 1);
}

int CGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto place = PlaceOf(*this, child);
    if (!place) return -1;
    return (place->first + 1) * (columnCount() + 1) + place->second + 1;
}

QAccessibleInterface* CGridAccessible::childAt(int x, int y) const {
    const CGridSpot spot = SpotAt(Grid(), Grid().mapFromGlobal(QPoint(x, y)));
    if (spot.kind != KV_HIT_CELL) return nullptr;
    return cellAt(spot.row - 1, spot.col - 1);
}

QAccessibleInterface* CGridAccessible::focusChild() const {
    const auto active = ActiveCell();
    if (!active || !Grid().hasFocus()) return nullptr;
    return cellAt(active->first, active->second);
}

QAccessibleInterface* CGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0) return nullptr;
    return PartAt(row, column);
}

QAccessibleInterface* CGridAccessible::PartAt(int row, int column) const {
    if (row < -1 || column < -1 || row >= rowCount() || column >= columnCount()) return nullptr;
    const std::pair key{row, column};
    auto found = m_cells.find(key);
    if (found == m_cells.end()) {
        auto* self = const_cast<CGridAccessible*>(this);
        QAccessibleInterface* part = nullptr;
        if (row >= 0 && column >= 0) {
            part = new CGridCellAccessible(*self, row, column);
        } else {
            part = new CGridHeaderAccessible(*self, row, column);
        }
        found = m_cells.emplace(key, QAccessible::registerAccessibleInterface(part)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int CGridAccessible::selectedCellCount() const {
    return ActiveCell() ? 1 : 0;
}

QList<QAccessibleInterface*> CGridAccessible::selectedCells() const {
    const auto active = ActiveCell();
    if (!active) return {};
    return {cellAt(active->first, active->second)};
}

QString CGridAccessible::columnDescription(int column) const {
    const CKVDoc* doc = Grid().View().GetDocument();
    if (doc == nullptr || column < 0 || column >= columnCount()) return {};
    return FromCp1252(ZoneCaption(*doc, column + 1));
}

QString CGridAccessible::rowDescription(int row) const {
    const CKVDoc* doc = Grid().View().GetDocument();
    const int station = Grid().View().ShownStation();
    if (doc == nullptr || station < 0 || row < 0 || row >= rowCount()) return {};
    return FromCp1252(RowLabel(doc->m_pStations[station]->m_nType, row + 1));
}

int CGridAccessible::rowCount() const {
    int32_t rows = 0;
    if (Grid().m_hGrid != nullptr) Grid().GetDll().SSGetMaxRow(Grid().m_hGrid, &rows);
    return rows;
}

int CGridAccessible::columnCount() const {
    int32_t columns = 0;
    if (Grid().m_hGrid != nullptr) Grid().GetDll().SSGetMaxCol(Grid().m_hGrid, &columns);
    return columns;
}

std::optional<bool> CGridAccessible::IsOn(int row, int column) const {
    CKVDoc* doc = Grid().View().GetDocument();
    if (doc == nullptr) return std::nullopt;
    return CellIsOn(*doc, Grid().View().ShownStation(), row + 1, column + 1);
}

void CGridAccessible::Toggle(int row, int column) {
    CStationGrid& grid = Grid();
    if (grid.m_hGrid == nullptr || !IsOn(row, column)) return;
    CGraphicsDll& dll = grid.GetDll();
    dll.SSSetActiveCell(grid.m_hGrid, row + 1, column + 1);
    dll.SSSetSelection(grid.m_hGrid, row + 1, column + 1, row + 1, column + 1);
    grid.OnGridEvent417(row + 1, column + 1);
}

QRect CGridAccessible::CellRect(int row, int column) const {
    const auto rect = SpotRect(Grid(), row + 1, column + 1);
    if (!rect) return {};
    return QRect(Grid().mapToGlobal(rect->topLeft()), rect->size());
}

std::optional<std::pair<int, int>> CGridAccessible::ActiveCell() const {
    if (Grid().m_hGrid == nullptr) return std::nullopt;
    int32_t row = 0, column = 0;
    Grid().GetDll().SSGetActiveCell(Grid().m_hGrid, &row, &column);
    if (row == 0 || column == 0) return std::nullopt;
    return std::pair{row - 1, column - 1};
}
