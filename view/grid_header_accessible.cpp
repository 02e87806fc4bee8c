// own
#include "view/grid_header_accessible.h"
#include "view/grid_accessible.h"

bool CGridHeaderAccessible::isValid() const {
    return m_table.isValid() && m_nRow < m_table.rowCount() && m_nColumn < m_table.columnCount();
}

QAccessibleInterface* CGridHeaderAccessible::parent() const {
    return &m_table;
}

QString CGridHeaderAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name) return {};
    if (m_nColumn >= 0) return m_table.columnDescription(m_nColumn);
    if (m_nRow >= 0) return m_table.rowDescription(m_nRow);
    return {};
}

QRect CGridHeaderAccessible::rect() const {
    return m_table.CellRect(m_nRow, m_nColumn);
}

QAccessible::Role CGridHeaderAccessible::role() const {
    if (m_nColumn >= 0) return QAccessible::ColumnHeader;
    if (m_nRow >= 0) return QAccessible::RowHeader;
    return QAccessible::Pane;
}

QAccessible::State CGridHeaderAccessible::state() const {
    QAccessible::State state;
    state.invisible = rect().isEmpty();
    state.offscreen = state.invisible;
    return state;
}
