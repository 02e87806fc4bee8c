// own
#include "view/zone_stations.h"
#include "framework/command_prompts.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_colours.h"
#include "framework/command_ids.h"
#include "model/zone_usage.h"
#include "view/grid_spot.h"
#include "view/station_cells.h"
#include "view/station_view.h"

// Qt
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The station whose grid shows `button`: its own, or for a soft button the view's station when
// it shows them, else the first that does. -1 when none shows it.
int StationShowing(const CKVDoc& doc, int shown, CButtonRef button) {
    if (!button.IsSoft()) return button.station;
    if (RowOfButton(doc, shown, button) > 0) return shown;
    for (std::size_t s = 0; s < doc.m_pStations.size(); ++s)
        if (RowOfButton(doc, static_cast<int>(s), button) > 0) return static_cast<int>(s);
    return -1;
}
} // namespace

CZoneStations::CZoneStations(CStationView& view) : QObject(&view.m_Grid), m_view(view) {
    view.m_Grid.installEventFilter(this);
}

bool CZoneStations::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ContextMenu) return false;
    const auto& menuEvent = static_cast<QContextMenuEvent&>(*event);
    const CKVDoc* doc = m_view.GetDocument();
    if (doc == nullptr || m_view.m_Grid.m_hGrid == nullptr) return false;
    int32_t col = 0;
    if (menuEvent.reason() == QContextMenuEvent::Mouse) {
        const CGridSpot spot = SpotAt(m_view.m_Grid, menuEvent.pos());
        if (spot.kind == KV_HIT_COLHEADER) col = spot.col;
    } else {
        int32_t row = 0;
        m_view.m_Grid.GetDll().SSGetActiveCell(m_view.m_Grid.m_hGrid, &row, &col);
    }
    if (!ZoneColumnExists(*doc, col)) return false;
    QMenu menu(&m_view.m_Grid);
    QAction* list = menu.addAction(QString::fromLatin1(kMenuText));
    list->setStatusTip(QString::fromLatin1(CommandPrompt(ID_ZONE_STATIONS)));
    if (menu.exec(menuEvent.globalPos()) == list) ShowList(col);
    return true;
}

void CZoneStations::ShowList(int col) {
    CZoneStationsDlg dlg(m_view, col);
    dlg.exec();
}

CZoneStationsDlg::CZoneStationsDlg(CStationView& view, int col)
    : QDialog(view.window()), m_view(view), m_nCol(col), m_pList(new QTreeWidget(this)) {
    const CKVDoc& doc = *view.GetDocument();
    setWindowTitle(FromCp1252("Stations Paging " + ZoneCaption(doc, col)));
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({"Station", "Button"});
    m_pList->setRootIsDecorated(false);
    for (const CButtonRef& button : ButtonsPagingZone(doc, col - 1)) {
        const std::string station =
            button.IsSoft() ? "Soft buttons" : StationCaption(*doc.m_pStations[button.station]);
        auto* item = new QTreeWidgetItem(
            {FromCp1252(station),
             FromCp1252(ButtonLabel(button) + "  " + FindButton(doc, button)->GetName())});
        item->setData(0, Qt::UserRole, QVariant::fromValue(QPoint(button.station, button.button)));
        m_pList->addTopLevelItem(item);
    }
    m_pList->resizeColumnToContents(0);
    connect(m_pList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { GoTo(m_pList->indexOfTopLevelItem(item)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(420, 320);
    ApplyDialogColours(*this);
}

void CZoneStationsDlg::GoTo(int row) {
    const CKVDoc* doc = m_view.GetDocument();
    QTreeWidgetItem* item = m_pList->topLevelItem(row);
    if (doc == nullptr || item == nullptr) return;
    const QPoint ref = item->data(0, Qt::UserRole).toPoint();
    const CButtonRef button{ref.x(), ref.y()};
    const int station = StationShowing(*doc, m_view.ShownStation(), button);
    if (station < 0) return;
    accept();
    m_view.ShowCell(station, RowOfButton(*doc, station, button), m_nCol);
}
