// own
#include "model/ui/zone_names_dlg.h"
#include "framework/qt/cp1252.h"
#include "model/kv_doc.h"
#include "model/zone_names.h"
#include "model/zone_usage.h"
#include "platform/cp1252.h"

// Qt
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {
enum Column { kNumber, kName, kButtons };

// The name cell's editor takes what the zone name box takes by typing.
class CZoneNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setMaxLength(static_cast<int>(kMaxZoneName));
        edit->setValidator(new CCp1252Validator(edit));
        return edit;
    }
};

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

CZoneNamesDlg::CZoneNamesDlg(CKVDoc& doc, QWidget* parent)
    : CTableDlg(doc.Ui(), kCaption, parent), m_doc(doc), m_counts(PagingCounts(doc)) {
    QTableWidget& table = Table();
    table.setColumnCount(3);
    table.setHorizontalHeaderLabels({"Zone", "Name", "Buttons"});
    table.verticalHeader()->hide();
    table.setItemDelegateForColumn(kName, new CZoneNameDelegate(&table));
    table.setRowCount(doc.m_nMaxZones);
    for (int z = 0; z < doc.m_nMaxZones; ++z) {
        table.setItem(z, kNumber, FixedItem(QString::number(z + 1)));
        table.setItem(z, kName, new QTableWidgetItem(FromCp1252(doc.m_strZoneNames[z])));
        table.setItem(z, kButtons, FixedItem(QString::number(m_counts[z])));
    }
    table.horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    table.resizeColumnToContents(kNumber);
    table.setCurrentCell(0, kName);
}

void CZoneNamesDlg::SetName(int row, const QString& name) {
    Table().item(row, kName)->setText(name);
    // A name the box would not take stands out until it is mended.
    const bool bad = ZoneNameProblem(name.toStdString()).has_value();
    Table().item(row, kName)->setBackground(bad ? QBrush(Qt::yellow) : QBrush());
}

std::vector<std::string> CZoneNamesDlg::Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < Table().rowCount(); ++row)
        names.push_back(Table().item(row, kName)->text().toStdString());
    return names;
}

void CZoneNamesDlg::OnPaste(const std::string& text, int row) {
    const std::vector<std::string> cells = PastedColumn(text);
    const int room = Table().rowCount() - row;
    if (static_cast<int>(cells.size()) > room) {
        Message("The " + std::to_string(cells.size()) + " names pasted do not fit below zone " +
                    std::to_string(row + 1) + ": only " + std::to_string(room) + " zones are left.",
                kCaption);
        return;
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
        SetName(row + static_cast<int>(i), QString::fromStdString(cells[i]));
}

void CZoneNamesDlg::OnImport(const std::string& text) {
    const ZoneNamesRead read = ReadZoneNames(m_doc, text);
    if (!read.refusals.empty()) return ShowRefusals(read.refusals, kCaption);
    for (const ZoneNameChange& change : read.names)
        SetName(change.zone, FromCp1252(change.name));
}

std::string CZoneNamesDlg::ExportText() const {
    return ZoneNamesCsv(Names(), m_counts);
}

void CZoneNamesDlg::OnOK() {
    std::vector<std::string> refusals;
    std::vector<ZoneNameChange> changes;
    const std::vector<std::string> names = Names();
    for (std::size_t z = 0; z < names.size(); ++z) {
        if (const auto problem = ZoneNameProblem(names[z])) {
            refusals.push_back("Zone " + std::to_string(z + 1) + ": " + *problem);
        } else {
            changes.push_back({static_cast<int>(z), *Utf8ToCp1252(names[z])});
        }
    }
    if (!refusals.empty()) return ShowRefusals(refusals, kCaption);
    if (auto edit = MakeZoneNamesEdit(m_doc, changes)) m_doc.Perform(std::move(edit));
    accept();
}

bool RunZoneNamesDlg(CKVDoc& doc) {
    CZoneNamesDlg dlg(doc);
    return dlg.exec() == QDialog::Accepted;
}
