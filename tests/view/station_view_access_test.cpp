// The station view for the keyboard, the pointer and screen readers: zone names where the user
// looks, the station list's divider, F6 round the panes, Ctrl+Home and Ctrl+End, and the grid as
// an accessible table.

// own
#include "framework/command_ids.h"
#include "platform/settings_key.h"
#include "tests/support/station_view_harness.h"
#include "tests/view/station_view_fixture.h"
#include "view/station_cells.h"
#include "view/station_list_width.h"
#include "view/zone_stations.h"

// Qt
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

// std
#include <cstdlib>

namespace {
void SendToolTip(QWidget& widget, const QPoint& pos) {
    QHelpEvent tip(QEvent::ToolTip, pos, widget.mapToGlobal(pos));
    QApplication::sendEvent(&widget, &tip);
}

QWidget* ToolTipWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
    return nullptr;
}

// The main window with the tooltip drawn where it shows, for a look at both together.
void SaveWithToolTip(QWidget& window, const QString& name) {
    const char* folder = std::getenv("CORV_SCREENSHOT_DIR");
    QWidget* tip = ToolTipWindow();
    if (folder == nullptr || tip == nullptr) return;
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    painter.drawPixmap(window.mapFromGlobal(tip->pos()), tip->grab());
    painter.end();
    image.save(QString::fromLocal8Bit(folder) + "/" + name);
}

// Drags the divider right of the station list until the list is `width` wide, as the mouse
// does.
void DragDivider(CStationView& view, int width) {
    auto* splitter = view.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    QWidget* handle = splitter->handle(1);
    const QPoint from(1, 100);
    const QPoint to = handle->mapFromGlobal(splitter->mapToGlobal(QPoint(width + from.x(), 100)));
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(handle, &press);
    QApplication::sendEvent(handle, &move);
    QApplication::sendEvent(handle, &release);
}

std::pair<int32_t, int32_t> ActiveCell(CStationView& view) {
    int32_t row = 0, col = 0;
    view.m_Grid.GetDll().SSGetActiveCell(view.m_Grid.m_hGrid, &row, &col);
    return {row, col};
}

QString AccessibleName(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}
} // namespace

using StationViewPointer = StationViewTest;

TEST_F(StationViewPointer, ColumnHeaderTipIsTheZoneNameAndCellsHaveNone) {
    CKVDoc& doc = NewDocumentWith(10);
    SetZoneName(doc, 5, "Lobby");
    CStationView& view = CStationViewHarness::ViewOf(doc);
    SendToolTip(view.m_Grid, CStationViewHarness::CellCentre(2, 5));
    EXPECT_FALSE(QToolTip::isVisible());

    SendToolTip(view.m_Grid, CStationViewHarness::ColumnHeaderCentre(5));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Lobby\nPaged by no button");
    SaveWithToolTip(harness.window, "header_tooltip.png");
    // The header keeps its number.
    SendToolTip(view.m_Grid, CStationViewHarness::ColumnHeaderCentre(6));
    EXPECT_EQ(QToolTip::text(), "Zone6\nPaged by no button");
    QToolTip::hideText();
}

TEST_F(StationViewPointer, StatusBarNamesTheCellUnderThePointerAndFollowsAClick) {
    CKVDoc& doc = NewDocumentWith(10);
    SetZoneName(doc, 5, "Lobby");
    doc.m_pStations[0]->m_Buttons[2].ToggleZone(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.ShowStation(0);
    const QStatusBar& status = *harness.window.statusBar();

    QTest::mouseMove(&view.m_Grid, CStationViewHarness::CellCentre(3, 5));
    EXPECT_EQ(status.currentMessage(), QString::fromUtf8("HB-03 \u00b7 Zone 5: Lobby \u00b7 On"));
    ClickCell(view, 3, 5);
    EXPECT_EQ(status.currentMessage(), QString::fromUtf8("HB-03 \u00b7 Zone 5: Lobby \u00b7 Off"));
    QTest::mouseMove(&view.m_Grid, CStationViewHarness::CellCentre(11, 1));
    EXPECT_EQ(status.currentMessage(), QString::fromUtf8("SB-11 \u00b7 Zone 1: Zone1 \u00b7 Off"));
    // A zone's header says which buttons page it; off the grid, nothing is said.
    QTest::mouseMove(&view.m_Grid, CStationViewHarness::ColumnHeaderCentre(5));
    EXPECT_EQ(status.currentMessage(),
              QString::fromUtf8("Zone 5: Lobby \u00b7 paged by no button"));
    ClickCell(view, 3, 5);
    QTest::mouseMove(&view.m_Grid, CStationViewHarness::ColumnHeaderCentre(4));
    QTest::mouseMove(&view.m_Grid, CStationViewHarness::ColumnHeaderCentre(5));
    EXPECT_EQ(status.currentMessage(),
              QString::fromUtf8("Zone 5: Lobby \u00b7 paged by 1 button on Station1"));
}

TEST_F(StationViewPointer, ZoneHeaderListsTheButtonsPagingItAndGoesToOne) {
    CKVDoc& doc = NewDocumentWith(10);
    AddStation(doc, 4, "Dock").m_Buttons[2].ToggleZone(4);
    doc.m_SoftButtons[1].ToggleZone(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.FillStationList();
    view.ShowStation(0);
    EXPECT_EQ(ZonePagingText(doc, 5), "2 buttons on Dock, the soft buttons");

    // The list names each button; choosing the Dock's shows its cell.
    CZoneStationsDlg list(view, 5);
    QStringList rows;
    for (int i = 0; i < list.List().topLevelItemCount(); ++i)
        rows << list.List().topLevelItem(i)->text(0) + " " + list.List().topLevelItem(i)->text(1);
    EXPECT_EQ(rows, QStringList({"Dock HB-03  HardButton3", "Soft buttons SB-12  SoftButton12"}));
    list.GoTo(0);
    EXPECT_EQ(view.SelectedStation(), 1);
    EXPECT_EQ(ActiveCell(view), (std::pair<int32_t, int32_t>{3, 5}));
}

using StationViewDivider = StationViewTest;

TEST_F(StationViewDivider, DraggedWidthIsKeptOnResizeStoredAndTakenByTheNextView) {
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    DragDivider(view, 200);
    EXPECT_EQ(InView(view, view.m_StationList), QRect(0, 0, 200, 500));
    EXPECT_EQ(InView(view, view.m_Grid), QRect(202, 48, 598, 452));
    EXPECT_EQ(InView(view, view.m_ZoneNameEdit), QRect(302, 0, 498, 22));
    EXPECT_EQ(ReadStationListWidth(), 200);

    // The grid takes all of a wider window; the list keeps its width, also on another station.
    CStationViewHarness::ResizeView(view, {900, 500});
    EXPECT_EQ(view.m_StationList.width(), 200);
    view.ShowStation(0);
    EXPECT_EQ(InView(view, view.m_Grid), QRect(202, 48, 698, 452));

    CKVDoc& other = harness.NewDocument();
    EXPECT_EQ(CStationViewHarness::ViewOf(other).m_StationList.width(), 200);
}

TEST_F(StationViewDivider, StoredWidthOutOfRangeGivesTheDefault) {
    for (const char* stored : {"5", "-140", "99999", "wide"}) {
        CSettingsKey().WriteString(kValueStationListWidth, stored);
        CKVDoc& doc = harness.NewDocument();
        CStationView& view = CStationViewHarness::ViewOf(doc);
        EXPECT_EQ(view.m_StationList.width(), 140) << stored;
    }
    StoreStationListWidth(1);
    EXPECT_EQ(ReadStationListWidth(), kMinStationListWidth);
}

class StationViewKeys : public StationViewTest {
protected:
    CStationView& ActiveView(int type) {
        CKVDoc& doc = NewDocumentWith(type);
        harness.window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&harness.window));
        CStationView& view = CStationViewHarness::ViewOf(doc);
        view.m_Grid.setFocus();
        return view;
    }
    static void Run(CStationView& view, CommandId id) { view.FindCommand(id).run(); }
};

TEST_F(StationViewKeys, F6GoesListZoneNameLcdTextGridAndShiftF6Back) {
    CStationView& view = ActiveView(10);
    const std::vector<QWidget*> forward = {&view.m_StationList, &view.m_ZoneNameEdit,
                                           &view.m_LcdTextEdit, &view.m_Grid};
    for (QWidget* expected : forward) {
        Run(view, ID_NEXT_PANE);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    for (auto expected = forward.rbegin() + 1; expected != forward.rend(); ++expected) {
        Run(view, ID_PREV_PANE);
        EXPECT_EQ(QApplication::focusWidget(), *expected);
    }
    Run(view, ID_PREV_PANE);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_Grid);
}

TEST_F(StationViewKeys, F6PassesOverTheLcdBoxTheFourButtonStationHasNot) {
    CStationView& view = ActiveView(4);
    Run(view, ID_PREV_PANE);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_ZoneNameEdit);
    Run(view, ID_NEXT_PANE);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_Grid);
}

TEST_F(StationViewKeys, CtrlEndAndCtrlHomeGoToTheLastAndFirstCell) {
    CStationView& view = ActiveView(9);
    QTest::keyClick(&view.m_Grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(ActiveCell(view), std::make_pair(98, 99));
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone99");
    QTest::keyClick(&view.m_Grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(ActiveCell(view), std::make_pair(1, 1));
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone1");
    // Tab still moves within the grid.
    QTest::keyClick(&view.m_Grid, Qt::Key_Tab);
    EXPECT_EQ(ActiveCell(view), std::make_pair(1, 2));
    EXPECT_EQ(QApplication::focusWidget(), &view.m_Grid);
}

using StationViewScreenReader = StationViewTest;

TEST_F(StationViewScreenReader, GridIsATableOfButtonsByZonesWhoseCellsToggleAsAClickDoes) {
    CKVDoc& doc = NewDocumentWith(9);
    SetZoneName(doc, 5, "Lobby");
    CBtn& third = doc.m_pStations[0]->m_Buttons[2];
    third.ToggleZone(6);
    doc.m_SoftButtons[0].ToggleZone(0);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.ShowStation(0);

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&view.m_Grid);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 98);
    ASSERT_EQ(table->columnCount(), 99);
    EXPECT_EQ(table->rowDescription(0), "HB-01");
    EXPECT_EQ(table->rowDescription(9), "SB-11");
    EXPECT_EQ(table->columnDescription(4), "Zone 5: Lobby");
    EXPECT_EQ(table->cellAt(98, 0), nullptr);

    // Walked cell by cell, the table says "On" exactly where the configuration has a zone on.
    std::vector<std::pair<int, int>> on;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int col = 0; col < table->columnCount(); ++col) {
            const QString text = table->cellAt(row, col)->text(QAccessible::Name);
            ASSERT_TRUE(text == "On" || text == "Off") << row << "," << col;
            if (text == "On") on.emplace_back(row, col);
        }
    }
    EXPECT_EQ(on, (std::vector<std::pair<int, int>>{{2, 6}, {9, 0}}));

    // As a QTableView's: the corner and the column headers come first, then each row's header
    // before its cells, and each cell names its headers.
    EXPECT_EQ(grid->childCount(), 99 * 100);
    EXPECT_EQ(grid->child(0)->role(), QAccessible::Pane);
    EXPECT_EQ(grid->child(5)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(grid->child(5)->text(QAccessible::Name), "Zone 5: Lobby");
    EXPECT_EQ(grid->child(3 * 100)->role(), QAccessible::RowHeader);
    EXPECT_EQ(grid->child(3 * 100)->text(QAccessible::Name), "HB-03");
    EXPECT_EQ(grid->indexOfChild(grid->child(5)), 5);
    EXPECT_FALSE(grid->child(5)->rect().isEmpty());
    QAccessibleInterface* cell = table->cellAt(2, 4);
    EXPECT_EQ(grid->indexOfChild(cell), 3 * 100 + 5);
    EXPECT_EQ(grid->child(3 * 100 + 5), cell);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 4);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells(),
              QList<QAccessibleInterface*>{grid->child(5)});
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells(),
              QList<QAccessibleInterface*>{grid->child(3 * 100)});
    EXPECT_FALSE(cell->rect().isEmpty());
    QAccessibleActionInterface* actions = cell->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));

    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(Zones(third), (std::vector<int>{4, 6}));
    EXPECT_EQ(cell->text(QAccessible::Name), "On");
    EXPECT_TRUE(cell->state().checked);
    EXPECT_TRUE(CellIsOn(view, 3, 5));
    EXPECT_TRUE(doc.IsModified());
    // As after a click, the cell is the active one and the boxes show its zone and button.
    EXPECT_EQ(ActiveCell(view), std::make_pair(3, 5));
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Lobby");
    EXPECT_EQ(view.m_LcdTextEdit.text(), "HardButton3");
    EXPECT_EQ(table->selectedCells(), QList<QAccessibleInterface*>{cell});

    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(Zones(third), (std::vector<int>{6}));
    EXPECT_EQ(cell->text(QAccessible::Name), "Off");
}

// Headless, Qt delivers no accessibility events (no screen reader is active), so what a reader
// asks on the focus event is checked: the table's focused child and its state.
TEST_F(StationViewKeys, F6IntoTheGridGivesScreenReadersTheActiveCellAsTheFocus) {
    CStationView& view = ActiveView(10);
    QTest::keyClick(&view.m_Grid, Qt::Key_Down);
    QTest::keyClick(&view.m_Grid, Qt::Key_Right);
    Run(view, ID_NEXT_PANE);
    ASSERT_EQ(QApplication::focusWidget(), &view.m_StationList);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&view.m_Grid);
    EXPECT_EQ(grid->focusChild(), nullptr);
    Run(view, ID_PREV_PANE);
    ASSERT_EQ(QApplication::focusWidget(), &view.m_Grid);
    QCoreApplication::processEvents(); // the cell's focus event, queued behind the table's
    QAccessibleInterface* cell = grid->focusChild();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell, grid->tableInterface()->cellAt(1, 1));
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Description), "HB-02, Zone 2: Zone2");
    EXPECT_TRUE(cell->state().focused);
}

TEST_F(StationViewScreenReader, ListAndEditBoxesAreNamedTheEditBoxesByTheirLabels) {
    CKVDoc& doc = NewDocumentWith(9);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    EXPECT_EQ(AccessibleName(view.m_StationList), "Stations");
    EXPECT_EQ(AccessibleName(view.m_ZoneNameEdit), "Zone Name:");
    // The break-out's LCD box shows no label, but screen readers still get its name.
    EXPECT_EQ(AccessibleName(view.m_LcdTextEdit), "LCD Text:");
    EXPECT_EQ(AccessibleName(view.m_Grid), "Zones");
}
