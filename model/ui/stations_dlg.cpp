// own
#include "model/ui/stations_dlg.h"
#include "model/kv_doc.h"

// Qt
#include <QHeaderView>
#include <QTableWidget>

namespace {
// The row of the table model a view row shows, kept on its first cell.
constexpr int kTableRowRole = Qt::UserRole;

// Numbers sort as numbers, texts as texts.
class CSortItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        bool mine = false, theirs = false;
        const int a = text().toInt(&mine);
        const int b = other.text().toInt(&theirs);
        if (mine && theirs) return a < b;
        return text().localeAwareCompare(other.text()) < 0;
    }
};
} // namespace

CStationsDlg::CStationsDlg(CKVDoc& doc, QWidget* parent)
    : CTableDlg(doc.Ui(), kCaption, parent), m_doc(doc), m_table(doc) {
    QTableWidget& table = Table();
    table.setColumnCount(CStationTable::kColumns);
    QStringList titles;
    for (int c = 0; c < CStationTable::kColumns; ++c)
        titles << QString::fromLatin1(CStationTable::ColumnTitle(c));
    table.setHorizontalHeaderLabels(titles);
    table.horizontalHeader()->setSectionResizeMode(CStationTable::Name, QHeaderView::Stretch);
    Fill();
    table.resizeColumnsToContents();
    // Sorted only once a header is clicked: the list's own order first.
    table.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table.setSortingEnabled(true);
    connect(&table, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { OnCellChanged(*item); });
}

void CStationsDlg::ShowCells(int tableRow, int viewRow) {
    QTableWidget& table = Table();
    for (int c = 0; c < CStationTable::kColumns; ++c) {
        // An item is written over, never replaced: the one being edited may be it.
        QTableWidgetItem* item = table.item(viewRow, c);
        if (item == nullptr) {
            item = new CSortItem;
            table.setItem(viewRow, c, item);
        }
        item->setText(QString::fromStdString(m_table.Cell(tableRow, c)));
        const Qt::ItemFlags editable =
            m_table.IsEditable(tableRow, c) ? Qt::ItemIsEditable : Qt::NoItemFlags;
        item->setFlags((item->flags() & ~Qt::ItemIsEditable) | editable);
        item->setData(kTableRowRole, tableRow);
    }
}

void CStationsDlg::Fill() {
    QTableWidget& table = Table();
    m_bFilling = true;
    const bool sorting = table.isSortingEnabled();
    // Rows go in unsorted, so each lands where it is put; the sort is made again after.
    table.setSortingEnabled(false);
    table.setRowCount(m_table.RowCount());
    for (int r = 0; r < m_table.RowCount(); ++r)
        ShowCells(r, r);
    table.setSortingEnabled(sorting);
    m_bFilling = false;
}

void CStationsDlg::OnCellChanged(QTableWidgetItem& item) {
    if (m_bFilling) return;
    const int tableRow = item.data(kTableRowRole).toInt();
    const auto refusal = m_table.SetCell(tableRow, item.column(), item.text().toStdString());
    if (refusal) Message(refusal->text, refusal->caption);
    // The row again as the table holds it: the value taken, or the old one after a refusal; a
    // new type shows or hides the group and LCD text.
    m_bFilling = true;
    const bool sorting = Table().isSortingEnabled();
    Table().setSortingEnabled(false);
    ShowCells(tableRow, item.row());
    Table().setSortingEnabled(sorting);
    m_bFilling = false;
}

void CStationsDlg::Merge(const std::string& text) {
    const std::vector<std::string> refusals = m_table.Merge(text);
    if (!refusals.empty()) return ShowRefusals(refusals, kCaption);
    Fill();
}

void CStationsDlg::OnPaste(const std::string& text, int) {
    Merge(text);
}

void CStationsDlg::OnImport(const std::string& text) {
    Merge(text);
}

std::string CStationsDlg::ExportText() const {
    return m_table.Csv();
}

void CStationsDlg::OnOK() {
    if (auto edit = m_table.MakeEdit(m_doc)) m_doc.Perform(std::move(edit));
    accept();
}

bool RunStationsDlg(CKVDoc& doc) {
    CStationsDlg dlg(doc);
    return dlg.exec() == QDialog::Accepted;
}
