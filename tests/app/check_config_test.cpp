// Tools > Check Configuration... in the editor: the findings in a dialog, and a double-click that
// shows the finding's station and cell in the active view.

#include "app/frame_menus.h"
#include "download/ui/check_config_dlg.h"
#include "tests/app/app_fixture.h"
#include "tests/support/add_station.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"
#include "app/config_document.h"
#include "platform/settings_key.h"
#include "view/station_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

namespace {
class CheckConfigTest : public AppTest {
protected:
    // A configuration of 10 zones whose second station, a 10-button "Dock" on [2-1], pages zone
    // 12 on HB-03 and has a tab in the LCD text of HB-05, and whose soft button SB-12 pages
    // zone 11.
    std::string FileWithFindings() {
        CScriptedUi ui;
        CKVDoc doc(ui);
        doc.OnNewDocument();
        doc.m_nMaxZones = 10;
        CStation& dock = AddStation(doc, "Dock", 10, 2, 1);
        dock.m_Buttons[2].ToggleZone(11);
        dock.m_Buttons[4].SetName("Tab\t");
        doc.m_SoftButtons[1].ToggleZone(10);
        const std::string path = (folder / "site.kvx").string();
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    CTempDir folder;
};

struct ShownCell {
    int station = -1;
    int32_t row = 0;
    int32_t col = 0;
};

// Double-clicks line `row` of the dialog and reads where the view went.
ShownCell DoubleClick(CCheckConfigDlg& dlg, int row, CStationView& view) {
    QListWidget& list = dlg.Findings();
    const QPoint centre = list.visualItemRect(list.item(row)).center();
    // The press of a double-click comes first, as from a real mouse.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
    ShownCell shown;
    shown.station = view.SelectedStation();
    view.m_Grid.GetDll().SSGetActiveCell(view.m_Grid.m_hGrid, &shown.row, &shown.col);
    return shown;
}
} // namespace

TEST_F(CheckConfigTest, DoubleClickShowsTheFindingsStationAndCellInTheActiveView) {
    Start({FileWithFindings()});
    auto* view = dynamic_cast<CStationView*>(Documents().ActiveView());
    ASSERT_NE(view, nullptr);
    QAction* item = Frame().CurrentMenu().Action(ID_TOOLS_CHECK_CONFIG);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Check &Configuration...");
    EXPECT_EQ(Frame().CurrentMenu().MenuOf(ID_TOOLS_CHECK_CONFIG)->title(), "&Tools");

    std::vector<std::string> lines;
    QString summary;
    ShownCell hard, text, soft;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& modal) {
        auto& dlg = dynamic_cast<CCheckConfigDlg&>(modal);
        summary = dlg.Summary().text();
        for (int i = 0; i < dlg.Findings().count(); ++i)
            lines.push_back(dlg.Findings().item(i)->text().toStdString());
        hard = DoubleClick(dlg, 0, *view);
        text = DoubleClick(dlg, 1, *view);
        // A soft button is shown on the station the view shows: Dock's rows after HB-10.
        soft = DoubleClick(dlg, 2, *view);
        dlg.accept();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_TOOLS_CHECK_CONFIG));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "error: Dock [2-1] HB-03 zone 12: zone 12 is beyond the 10 zones in use",
                         "error: Dock [2-1] HB-05: LCD text has a character an LCD cannot show: "
                         "0x09 at 4",
                         "error: SB-12 zone 11: zone 11 is beyond the 10 zones in use"}));
    EXPECT_EQ(summary, "3 error(s), 0 warning(s). Double-click a line to show its place.");
    EXPECT_EQ(hard.station, 1);
    EXPECT_EQ(hard.row, 3);
    // Zone 12 has no column among the 10 in use: the row's last column stands for it.
    EXPECT_EQ(hard.col, 10);
    EXPECT_EQ(text.station, 1);
    EXPECT_EQ(text.row, 5);
    EXPECT_EQ(text.col, 1);
    EXPECT_EQ(soft.station, 1);
    EXPECT_EQ(soft.row, 12);
    EXPECT_EQ(soft.col, 10);
}

TEST_F(CheckConfigTest, ChecksForTheControllerReadAtTheLastDownloadAndKeepsClearOfTheGrid) {
    // Six break-out panels, which a 1.0 controller does not support; the last download read 1.0.
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    for (int n = 0; n < 6; ++n)
        AddStation(doc, "Warehouse loading dock " + std::to_string(n), n % 2 ? 9 : 3, 2, n + 1);
    const std::string path = (folder / "panels.kvx").string();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    ASSERT_EQ(CSettingsKey().WriteString(CConfigDocument::kValueControllerVersion, "1.0"), 0);
    Start({path});
    auto* view = dynamic_cast<CStationView*>(Documents().ActiveView());
    ASSERT_NE(view, nullptr);

    QString version, source, summary, summaryNewest;
    int errors = -1;
    bool wrapped = false;
    QRect dialogBefore, dialogAfter, grid;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& modal) {
        auto& dlg = dynamic_cast<CCheckConfigDlg&>(modal);
        version = dlg.Version().currentText();
        source = dlg.VersionSource().text();
        summary = dlg.Summary().text();
        errors = dlg.Findings().count();
        // Long findings wrap within a narrow dialog rather than run off its edge.
        dlg.resize(300, 400);
        QApplication::processEvents();
        QListWidget& list = dlg.Findings();
        const QRect line = list.visualItemRect(list.item(0));
        wrapped = line.height() > 2 * list.fontMetrics().height() - 2 &&
                  line.right() <= list.viewport()->width();
        // The dialog is put over the grid, and a double-click moves it off.
        dlg.move(Frame().geometry().topLeft());
        dialogBefore = dlg.frameGeometry();
        ShownCell shown = DoubleClick(dlg, 0, *view);
        EXPECT_EQ(shown.station, 1);
        dialogAfter = dlg.frameGeometry();
        grid = QRect(view->m_Grid.mapToGlobal(QPoint(0, 0)), view->m_Grid.size());
        // The newest controller has the panels.
        dlg.Version().setCurrentText("1.1");
        summaryNewest = dlg.Summary().text();
        EXPECT_EQ(dlg.VersionSource().text(), "chosen");
        dlg.accept();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_TOOLS_CHECK_CONFIG));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(version, "1.0");
    EXPECT_EQ(source, "as read at the last download");
    EXPECT_EQ(summary, "6 error(s), 0 warning(s). Double-click a line to show its place.");
    EXPECT_EQ(errors, 6);
    EXPECT_TRUE(wrapped);
    // The small test screen has no room beside the grid: the dialog covers as little as it can.
    const auto covered = [&](const QRect& dialog) {
        const QRect both = dialog.intersected(grid);
        return both.isEmpty() ? 0 : both.width() * both.height();
    };
    EXPECT_LT(covered(dialogAfter), covered(dialogBefore));
    EXPECT_EQ(summaryNewest, "Nothing would stop or spoil a download.");
}

TEST(PlaceAsideTest, StaysClearOfTheAvoidedRectOnTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    const QRect grid(100, 100, 500, 400);
    struct Case {
        QRect frame;
        QPoint expected;
    } cases[] = {
        {{700, 50, 200, 200}, {700, 50}},  // clear already: stays
        {{150, 150, 300, 200}, {600, 150}}, // room on the right
        {{150, 150, 450, 200}, {150, 500}}, // too wide for either side: below
        {{0, 0, 1000, 800}, {0, 0}},        // as large as the screen: stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceAside(c.frame, grid, screen), c.expected) << c.frame.x();
}
