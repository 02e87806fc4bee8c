#pragma once
// A header of the station grid as screen readers see it, as a QTableView's headers are: the
// column header of a zone ("Zone 5: Lobby"), the row header of a button ("HB-03"), and the
// corner above the row headers. Made on demand by its table and dropped with it.

// Qt
#include <QAccessibleInterface>

class CGridAccessible;

class CGridHeaderAccessible : public QAccessibleInterface {
public:
    // A column header has row -1, a row header column -1, the corner both.
    CGridHeaderAccessible(CGridAccessible& table, int row, int column)
        : m_table(table), m_nRow(row), m_nColumn(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    int RowIndex() const { return m_nRow; }
    int ColumnIndex() const { return m_nColumn; }
    bool Is(const CGridAccessible& table) const { return &table == &m_table; }

private:
    CGridAccessible& m_table;
    const int m_nRow;
    const int m_nColumn;
};
