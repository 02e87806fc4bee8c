// The main frame for the keyboard and screen readers: F6 round a document window's panes, the
// cell under the pointer in the message pane, the bars and toolbar buttons by name, menu items
// with their key bindings, and the dialogs' focus order and control names.

#include "app/adv_comm_dlg.h"
#include "app/comm_dlg.h"
#include "app/frame_menus.h"
#include "app/frame_status_bar.h"
#include "app/frame_toolbar.h"
#include "download/ui/check_config_dlg.h"
#include "model/ui/station_properties_dlg.h"
#include "model/ui/stations_dlg.h"
#include "model/ui/zone_names_dlg.h"
#include "tests/app/app_fixture.h"
#include "tests/support/modal_watcher.h"
#include "view/station_view.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTest>

namespace {
class FrameAccessTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    CStationView& NewDocumentView() {
        Frame().Commands().Execute(ID_FILE_NEW);
        auto* view = dynamic_cast<CStationView*>(Documents().Documents().back()->GetFirstView());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};
} // namespace

TEST_F(FrameAccessTest, F6AndShiftF6MoveTheFocusRoundTheActiveDocumentsPanes) {
    CStationView& view = NewDocumentView();
    view.m_Grid.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &view.m_Grid);
    // A new document's station has no LCD text box.
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_StationList);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_ZoneNameEdit);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_Grid);
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_ZoneNameEdit);
}

TEST_F(FrameAccessTest, MessagePaneShowsTheCellUnderThePointerThenIdlesAgain) {
    CStationView& view = NewDocumentView();
    CFrameStatusBar& status = *Frame().m_wndStatusBar;
    QTest::mouseMove(&view.m_Grid, QPoint(64 + 23 + 11, 19 + 19 + 9));
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 Off"));
    QTest::mouseMove(&view.m_Grid, QPoint(5, 5));
    EXPECT_EQ(status.MessageText(), " Welcome to Corvantine");
}

TEST_F(FrameAccessTest, MessagePaneFollowsAChangeUnderARestingPointer) {
    CStationView& view = NewDocumentView();
    CFrameStatusBar& status = *Frame().m_wndStatusBar;
    const QPoint cell(64 + 23 + 11, 19 + 19 + 9);
    QTest::mouseMove(&view.m_Grid, cell);
    QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {}, cell);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 On"));
    Frame().Commands().Execute(ID_EDIT_UNDO);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 Off"));
    Frame().Commands().Execute(ID_EDIT_REDO);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 On"));
}

TEST_F(FrameAccessTest, ToolbarButtonsHaveNames) {
    QStringList names;
    for (QAction* action : Frame().m_wndToolBar->actions())
        if (!action->isSeparator())
            names << QAccessible::queryAccessibleInterface(
                         Frame().m_wndToolBar->widgetForAction(action))
                         ->text(QAccessible::Name);
    EXPECT_EQ(names,
              (QStringList{"New", "Open", "Save", "Cut", "Copy", "Paste", "Print", "About"}));
}

TEST_F(FrameAccessTest, BarsAreNamedAndMenuShortcutsAreTheItemsKeyBindings) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Frame().m_wndToolBar)->text(QAccessible::Name),
              "Toolbar");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Frame().m_wndStatusBar)->text(QAccessible::Name),
        "Status Bar");
    NewDocumentView();
    QMenu* file = Frame().CurrentMenu().MenuOf(ID_FILE_NEW);
    ASSERT_NE(file, nullptr);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(file);
    QAccessibleInterface* item = menu->child(0);
    EXPECT_EQ(item->text(QAccessible::Name), "New");
    EXPECT_EQ(item->text(QAccessible::Accelerator), "Ctrl+N");
    EXPECT_EQ(Frame().CurrentMenu().Action(ID_EDIT_INSERT_STATION)->shortcut(),
              QKeySequence(Qt::Key_Insert));
    QAction& properties = *Frame().CurrentMenu().Action(ID_EDIT_STATION_PROPERTIES);
    EXPECT_EQ(properties.text(), "Station Pr&operties...");
    EXPECT_TRUE(properties.isEnabled());
    // A letter picks one item of its menu at once, as screen readers announce it.
    for (const QMenu* popup : Frame().findChildren<QMenu*>()) {
        QList<QKeySequence> letters;
        for (const QAction* action : popup->actions()) {
            const QKeySequence letter = QKeySequence::mnemonic(action->text());
            EXPECT_TRUE(letter.isEmpty() || !letters.contains(letter))
                << action->text().toStdString();
            letters << letter;
        }
    }
}

namespace {
using Walk = std::vector<std::pair<QString, QString>>;

// The dialog run as the editor runs it; the controls the focus visits from the one it opens on,
// with Tab, until it comes round again, each by object name and by its name for screen readers.
Walk TabWalk(QDialog& dialog) {
    Walk walk;
    CModalScript script;
    script.Then<QDialog>([&walk](QDialog& shown) {
        QWidget* first = shown.focusWidget();
        for (QWidget* at = first; at != nullptr && walk.size() < 20;) {
            walk.emplace_back(at->objectName(),
                              QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name));
            QTest::keyClick(at, Qt::Key_Tab);
            at = shown.focusWidget();
            if (at == first) break;
        }
        shown.reject();
    });
    dialog.exec();
    return walk;
}
} // namespace

TEST_F(FrameAccessTest, DialogsOpenOnTheirFirstFieldTabInLayoutOrderAndNameEveryControl) {
    CCommDlg comm(app->m_settings, &Frame());
    // OFFLINE is chosen, which has no time-out to set.
    EXPECT_EQ(TabWalk(comm),
              (Walk{{"list1016", "COM Port"}, {"button2", "Cancel"}, {"button1", "OK"}}));
    CAdvCommDlg advanced(app->m_settings, &Frame());
    EXPECT_EQ(
        TabWalk(advanced),
        (Walk{{"combo261", "Serial Port Timeout"}, {"button2", "Cancel"}, {"button1", "OK"}}));
    QAccessibleInterface* combo =
        QAccessible::queryAccessibleInterface(advanced.findChild<QComboBox*>("combo261"));
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    EXPECT_EQ(combo->text(QAccessible::Value), "3 Seconds *");

    CKVDoc doc(app->m_ui);
    doc.OnNewDocument();
    CStationPropertiesDlg station(doc, false, &Frame());
    EXPECT_EQ(TabWalk(station), (Walk{{"edit1003", "Station Name"},
                                      {"edit1004", "Station Input"},
                                      {"edit1005", "PAC Port Address"},
                                      {"radio1001", "4 Button Paging Station"},
                                      {"button1", "OK"},
                                      {"button2", "Cancel"}}));
    CZoneNamesDlg zoneNames(doc, &Frame());
    EXPECT_EQ(TabWalk(zoneNames), (Walk{{"table", "Zone Names"}}));
    CStationsDlg stations(doc, &Frame());
    EXPECT_EQ(TabWalk(stations), (Walk{{"table", "Stations"}}));
    // Named by its label, not by the version it shows.
    CCheckConfigDlg check(doc, std::nullopt, &Frame());
    EXPECT_EQ(TabWalk(check), (Walk{{"comboVersion", "Controller version:"},
                                    {"listFindings", "Findings"},
                                    {"buttonClose", "Close"}}));
}
