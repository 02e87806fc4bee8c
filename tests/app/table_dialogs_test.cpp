// The Zone Names and Stations tables from the Edit menu, as an installer uses them with a
// consultant's spreadsheet: pasted and imported, refused rows named, OK one step of the history.

#include "app/frame_menus.h"
#include "framework/command_ids.h"
#include "model/kv_doc.h"
#include "model/ui/stations_dlg.h"
#include "model/ui/zone_names_dlg.h"
#include "tests/app/app_fixture.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>
#include <fstream>

namespace {
class TableDialogs : public AppTest {
protected:
    void SetUp() override {
        Start();
        doc = dynamic_cast<CKVDoc*>(Documents().NewDocument());
    }
    // The clipboard outlives the test: later ones find it empty, as a fresh editor does.
    void TearDown() override { QApplication::clipboard()->clear(); }
    QString UndoText() {
        Frame().Commands().Update();
        return Frame().CurrentMenu().Action(ID_EDIT_UNDO)->text();
    }
    // Runs the command; `act` works the dialog it opens.
    void Run(CommandId id, std::function<void(CTableDlg&)> act) {
        CModalScript script;
        script.Then<QDialog>([&](QDialog& modal) { act(dynamic_cast<CTableDlg&>(modal)); });
        EXPECT_TRUE(Frame().Commands().Execute(id));
        EXPECT_TRUE(script.Done());
    }
    static void Click(CTableDlg& dlg, const char* button) {
        dlg.findChild<QPushButton*>(button)->click();
    }
    // The dialog as a picture, into CORV_SCREENSHOT_DIR when set.
    static void Picture(QWidget& dlg, const char* name) {
        if (const char* folder = std::getenv("CORV_SCREENSHOT_DIR"))
            dlg.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
    }
    std::string Names() const {
        std::string names;
        for (int z = 0; z < doc->m_nMaxZones; ++z)
            names += doc->m_strZoneNames[z] + "|";
        return names;
    }

    CKVDoc* doc = nullptr;
};

// `count` rows of the stations CSV: "Room n" on port n % 16 + 1, address n / 16 + 1.
std::string StationRows(int first, int count) {
    std::string rows;
    for (int n = first; n < first + count; ++n)
        rows += "Room " + std::to_string(n) + ";10 Button Paging Station;" +
                std::to_string(n % 16 + 1) + ";" + std::to_string(n / 16 + 1) + ";;\r\n";
    return rows;
}
} // namespace

TEST_F(TableDialogs, NinetyNineNamesPastedInOneStepUndoneAndRedone) {
    const std::string before = Names();
    QString column;
    for (int z = 1; z <= 99; ++z)
        column += QString("Area %1 \u00e9tage\tnotes\r\n").arg(z);
    QApplication::clipboard()->setText(column);
    Run(ID_EDIT_ZONE_NAMES, [&](CTableDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Zone Names");
        dlg.Table().setCurrentCell(0, 1);
        QTest::keyClick(&dlg.Table(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(dlg.Table().item(98, 1)->text(), QString("Area 99 \u00e9tage"));
        Picture(dlg, "zone-names-pasted.png");
        Click(dlg, "button1");
    });
    EXPECT_EQ(doc->m_strZoneNames[0], "Area 1 \xE9tage");
    EXPECT_EQ(doc->m_strZoneNames[98], "Area 99 \xE9tage");
    const std::string pasted = Names();
    EXPECT_EQ(UndoText(), "&Undo Zone Names");
    EXPECT_TRUE(Frame().Commands().Execute(ID_EDIT_UNDO));
    EXPECT_EQ(Names(), before);
    EXPECT_TRUE(Frame().Commands().Execute(ID_EDIT_REDO));
    EXPECT_EQ(Names(), pasted);

    // A name the zone name box would not take is shown, named on OK, and nothing changes.
    QApplication::clipboard()->setText(QString("Roof \u2713\nYard\n"));
    CScriptedMessageBoxes boxes;
    Run(ID_EDIT_ZONE_NAMES, [&](CTableDlg& dlg) {
        dlg.Table().setCurrentCell(4, 1);
        dlg.Paste(QApplication::clipboard()->text());
        EXPECT_EQ(dlg.Table().item(5, 1)->text(), "Yard");
        Click(dlg, "button1");
        EXPECT_TRUE(dlg.isVisible());
        Click(dlg, "button2");
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Zone 5: \"Roof ?\" has a character with "
                                                      "no single-byte form"});
    EXPECT_EQ(Names(), pasted);
}

TEST_F(TableDialogs, SixtyStationsImportedAfterTwoBadRowsAreRefusedByRow) {
    const std::string file = (xdg.Path() / "stations.csv").string();
    // Station1 on 1-1 is updated by the first row; two rows are bad.
    std::ofstream(file, std::ios::binary)
        << "\xEF\xBB\xBFName;Type;Port;Address;Group;LCD Text\r\n"
        << "Reception;4 Button Paging Station;1;1;;\r\n"
        << StationRows(1, 30) << "Stair;4 Button Break-Out;17;1;2;\r\n"
        << StationRows(31, 29) << "Gate;Intercom;9;9;;\r\n";
    CScriptedMessageBoxes boxes;
    Run(ID_EDIT_STATIONS, [&](CTableDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Stations");
        dlg.ImportFile(file);
        EXPECT_EQ(dlg.Table().rowCount(), 1);
        Click(dlg, "button1");
    });
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{
                  "Row 33: The selected Port number is out of Range.  Please select another "
                  "Port ( 1 - 16 ).\nRow 63: \"Intercom\" is not a station type"});
    EXPECT_EQ(doc->m_pStations.size(), 1u);

    // Mended, the file adds 59 stations and renames Station1; an entry typed in place is checked
    // as Station Properties checks it.
    std::ofstream(file, std::ios::binary) << "Name;Type;Port;Address;Group;LCD Text\r\n"
                                          << "Reception;4 Button Paging Station;1;1;;\r\n"
                                          << StationRows(1, 59);
    boxes.messages.clear();
    Run(ID_EDIT_STATIONS, [&](CTableDlg& dlg) {
        dlg.ImportFile(file);
        EXPECT_EQ(dlg.Table().rowCount(), 60);
        dlg.Table().sortByColumn(CStationTable::Port, Qt::DescendingOrder);
        EXPECT_EQ(dlg.Table().item(0, CStationTable::Port)->text(), "16");
        QTableWidgetItem& port = *dlg.Table().item(0, CStationTable::Port);
        port.setText("0");
        EXPECT_EQ(port.text(), "16");
        Picture(dlg, "stations-imported.png");
        Click(dlg, "button1");
    });
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Invalid Port");
    ASSERT_EQ(doc->m_pStations.size(), 60u);
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Reception");
    EXPECT_EQ(doc->m_pStations[59]->GetName(), "Room 59");
    EXPECT_EQ(doc->m_pStations[59]->m_nType, 10);
    EXPECT_EQ(UndoText(), "&Undo Stations");
    EXPECT_TRUE(Frame().Commands().Execute(ID_EDIT_UNDO));
    ASSERT_EQ(doc->m_pStations.size(), 1u);
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Station1");
    EXPECT_TRUE(Frame().Commands().Execute(ID_EDIT_REDO));
    EXPECT_EQ(doc->m_pStations.size(), 60u);
}
