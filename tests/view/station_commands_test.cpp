// own
#include "model/ui/station_properties_dlg.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/station_view_harness.h"
#include "view/station_commands.h"

// Qt
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// gtest
#include <gtest/gtest.h>

namespace {
// The Station Properties dialog as the commands open it, looked at and answered in a step.
using DialogStep = std::function<void(CStationPropertiesDlg&)>;

QLineEdit& Edit(QDialog& dlg, int id) {
    return *dlg.findChild<QLineEdit*>(QString("edit%1").arg(id));
}

int32_t MaxCol(CStationView& view) {
    int32_t columns = 0;
    view.m_Grid.GetDll().SSGetMaxCol(view.m_Grid.m_hGrid, &columns);
    return columns;
}

void PressOk(QDialog& dlg) {
    dlg.findChild<QPushButton*>("button1")->click();
}

void PressCancel(QDialog& dlg) {
    dlg.findChild<QPushButton*>("button2")->click();
}

class StationCommandsTest : public ::testing::Test {
protected:
    StationCommandsTest() : doc(harness.NewDocument()), view(CStationViewHarness::ViewOf(doc)) {}

    // Appends stations named Station2, Station3, ... up to `count` stations, each on a pair of
    // its own (port 1 address 2, port 1 address 3, ...), and shows the list again.
    void HaveStations(int count) {
        for (int n = static_cast<int>(doc.m_pStations.size()); n < count; ++n) {
            auto& station = *doc.m_pStations.emplace_back(std::make_unique<CStation>());
            station.SetName("Station" + std::to_string(n + 1));
            station.SetPort(n / 15 + 1);
            station.SetAddress(n % 15 + 1);
        }
        view.FillStationList();
    }
    void Select(int index) {
        view.m_StationList.setCurrentRow(index);
        ASSERT_EQ(doc.m_nCurStation, index);
    }
    // Runs `command` with `step` acting on the dialog it opens.
    void WithDialog(void (CStationCommands::*command)(CStationView&), DialogStep step) {
        CModalScript script;
        script.Then<QDialog>([step](QDialog& dlg) {
            auto* properties = dynamic_cast<CStationPropertiesDlg*>(&dlg);
            ASSERT_NE(properties, nullptr);
            step(*properties);
            if (dlg.isVisible()) PressCancel(dlg); // refused: give up
        });
        (commands.*command)(view);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& station : doc.m_pStations)
            names.push_back(station->GetName());
        return names;
    }
    std::string ListEntry(int row) const {
        return view.m_StationList.item(row)->text().toStdString();
    }
    bool GridHasFocus() const { return view.window()->focusWidget() == &view.m_Grid; }

    // The views keep the commands' address; the commands are made just after them.
    CStationViewHarness harness{&commands};
    CProgramSettings& settings = harness.settings;
    CStationCommands commands{settings};
    CScriptedMessageBoxes boxes;
    CKVDoc& doc;
    CStationView& view;
};
} // namespace

TEST_F(StationCommandsTest, InsertWithTheFirstSelectedPutsStation1FirstAndShowsIt) {
    std::string caption;
    WithDialog(&CStationCommands::OnInsertStation, [&](CStationPropertiesDlg& dlg) {
        caption = dlg.windowTitle().toStdString();
        EXPECT_EQ(Edit(dlg, 1003).text(), "Station1");
        EXPECT_EQ(Edit(dlg, 1026).text(), "1");
        EXPECT_TRUE(dlg.m_bCheckMemory);
        EXPECT_TRUE(dlg.findChild<QRadioButton*>("radio1001")->isChecked());
        Edit(dlg, 1003).setText("Lobby");
        PressOk(dlg);
    });
    EXPECT_EQ(caption, "New Station Properties");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lobby", "Station1"}));
    EXPECT_EQ(doc.m_nCurStation, 0);
    EXPECT_EQ(view.m_StationList.count(), 2);
    EXPECT_EQ(view.m_StationList.currentRow(), 0);
    EXPECT_EQ(ListEntry(0), "Lobby");
    EXPECT_EQ(doc.m_pStations[0]->m_nPort, 2) << "the free pair proposed";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(GridHasFocus());
}

TEST_F(StationCommandsTest, InsertBeforeTheSelectedNamesItByThatPosition) {
    HaveStations(3);
    Select(2);
    WithDialog(&CStationCommands::OnInsertStation, PressOk);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Station1", "Station2", "Station3", "Station3"}));
    EXPECT_EQ(doc.m_pStations[2]->m_nPort, 2);
    EXPECT_EQ(doc.m_nCurStation, 2);
    EXPECT_EQ(view.m_StationList.currentRow(), 2);
}

TEST_F(StationCommandsTest, AddWithFiveStationsAppendsStation6AndShowsIt) {
    HaveStations(5);
    Select(1);
    WithDialog(&CStationCommands::OnAddStation, [](CStationPropertiesDlg& dlg) {
        dlg.findChild<QRadioButton*>("radio1010")->click();
        Edit(dlg, 1013).setText("Welcome");
        Edit(dlg, 1026).setText("4");
        PressOk(dlg);
    });
    ASSERT_EQ(doc.m_pStations.size(), 6u);
    const CStation& added = *doc.m_pStations[5];
    EXPECT_EQ(added.GetName(), "Station6");
    EXPECT_EQ(added.m_nType, 9);
    EXPECT_EQ(added.GetLcdText(), "Welcome");
    EXPECT_EQ(added.m_nGroup, 4);
    EXPECT_EQ(doc.m_nCurStation, 5);
    EXPECT_EQ(view.m_StationList.currentRow(), 5);
    EXPECT_EQ(view.m_Grid.m_nLayout, 4) << "the new station is shown";
}

TEST_F(StationCommandsTest, NewStationIsProposedPort2Address1AfterPort1Addresses1And2) {
    HaveStations(2); // port 1, addresses 1 and 2
    WithDialog(&CStationCommands::OnAddStation, [](CStationPropertiesDlg& dlg) {
        EXPECT_EQ(Edit(dlg, 1004).text(), "2");
        EXPECT_EQ(Edit(dlg, 1005).text(), "1");
        PressCancel(dlg);
    });
}

TEST_F(StationCommandsTest, EveryPairTakenProposes1And1AndOkRefusesThem) {
    doc.m_pStations.clear();
    for (int address = 1; address <= 15; ++address)
        for (int port = 1; port <= 16; ++port) {
            auto& station = *doc.m_pStations.emplace_back(std::make_unique<CStation>());
            station.SetPort(port);
            station.SetAddress(address);
            station.SetType(3); // small enough for the memory check
        }
    doc.m_nMaxZones = 8;
    view.FillStationList();
    WithDialog(&CStationCommands::OnAddStation, [](CStationPropertiesDlg& dlg) {
        EXPECT_EQ(Edit(dlg, 1004).text(), "1");
        EXPECT_EQ(Edit(dlg, 1005).text(), "1");
        PressOk(dlg);
    });
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Invalid Port/Address");
    EXPECT_EQ(doc.m_pStations.size(), 240u);
}

TEST_F(StationCommandsTest, CancelLeavesTheConfigurationAndTheFlagAndFocusesTheGrid) {
    HaveStations(2);
    Select(1);
    for (auto command : {&CStationCommands::OnInsertStation, &CStationCommands::OnAddStation,
                         &CStationCommands::OnEditStation})
        WithDialog(command, [](CStationPropertiesDlg& dlg) {
            Edit(dlg, 1003).setText("Changed");
            PressCancel(dlg);
        });
    EXPECT_EQ(Names(), (std::vector<std::string>{"Station1", "Station2"}));
    EXPECT_EQ(doc.m_nCurStation, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(GridHasFocus());
}

TEST_F(StationCommandsTest, EditAppliesTheEntriesRefreshesTheListAndMarksOnlyAChange) {
    HaveStations(2);
    Select(1);
    WithDialog(&CStationCommands::OnEditStation, PressOk);
    EXPECT_FALSE(doc.IsModified()) << "OK without a change";
    WithDialog(&CStationCommands::OnEditStation, [](CStationPropertiesDlg& dlg) {
        EXPECT_EQ(Edit(dlg, 1003).text(), "Station2");
        EXPECT_EQ(Edit(dlg, 1005).text(), "2");
        Edit(dlg, 1003).setText("Lobby");
        dlg.findChild<QRadioButton*>("radio1002")->click();
        PressOk(dlg);
    });
    EXPECT_EQ(doc.m_pStations[1]->GetName(), "Lobby");
    EXPECT_EQ(doc.m_pStations[1]->m_nType, 10);
    EXPECT_EQ(ListEntry(1), "Lobby");
    EXPECT_EQ(view.m_Grid.m_nLayout, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(GridHasFocus());
}

TEST_F(StationCommandsTest, EditOfAGroup0PagingStationAtPosition20PresetsGroup16AndAccepts) {
    HaveStations(20);
    doc.m_pStations[19]->SetGroup(0);
    Select(19);
    WithDialog(&CStationCommands::OnEditStation, [](CStationPropertiesDlg& dlg) {
        EXPECT_EQ(Edit(dlg, 1026).text(), "16");
        EXPECT_FALSE(Edit(dlg, 1026).isVisible());
        PressOk(dlg);
    });
    EXPECT_TRUE(boxes.messages.empty()) << "no hidden Invalid Group";
    EXPECT_EQ(doc.m_pStations[19]->m_nGroup, 16);
}

TEST_F(StationCommandsTest, EditRaisingTheTypeDropsReturningZonesAboveTheZoneCount) {
    CStation& station = *doc.m_pStations[0];
    station.SetType(10);
    station.m_Buttons[6].ToggleZone(60); // zone 61 on HB-07
    station.m_Buttons[6].ToggleZone(2);
    station.SetType(4);
    doc.m_nMaxZones = 40; // allowed: HB-07 is not in use
    WithDialog(&CStationCommands::OnEditStation, [](CStationPropertiesDlg& dlg) {
        dlg.findChild<QRadioButton*>("radio1002")->click();
        PressOk(dlg);
    });
    ASSERT_EQ(station.m_Buttons[6].m_pZones.size(), 1u);
    EXPECT_EQ(station.m_Buttons[6].m_pZones[0].m_nZone, 2);
}

TEST_F(StationCommandsTest, DeletingTheOnlyStationIsRefused) {
    commands.OnDeleteStation(view);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "At least one station is required");
    EXPECT_EQ(boxes.messages[0].caption, "Delete Station");
    EXPECT_EQ(boxes.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(doc.m_pStations.size(), 1u);
}

TEST_F(StationCommandsTest, DeleteAsksByNameAndCancelKeepsTheStation) {
    HaveStations(3);
    Select(1);
    boxes.answers = {MsgAnswer::Cancel};
    commands.OnDeleteStation(view);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Are you sure you want to delete Station \"Station2\" ?");
    EXPECT_EQ(boxes.messages[0].caption, "Delete Station");
    EXPECT_EQ(boxes.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(doc.m_pStations.size(), 3u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(StationCommandsTest, DeletingTheFirstShowsTheFormerSecondAndTheLastTheNewLast) {
    HaveStations(3);
    Select(0);
    commands.OnDeleteStation(view);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Station2", "Station3"}));
    EXPECT_EQ(doc.m_nCurStation, 0);
    EXPECT_EQ(view.m_StationList.currentRow(), 0);
    EXPECT_TRUE(doc.IsModified());

    HaveStations(3); // Station2, Station3, Station3
    Select(2);
    commands.OnDeleteStation(view);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Station2", "Station3"}));
    EXPECT_EQ(doc.m_nCurStation, 1);
    EXPECT_EQ(view.m_StationList.currentRow(), 1);
    EXPECT_EQ(view.m_StationList.count(), 2);
}

TEST_F(StationCommandsTest, GridKeysAndListDoubleClickReachTheCommands) {
    HaveStations(2);
    Select(1);
    view.m_Grid.setFocus();
    boxes.answers = {MsgAnswer::Cancel};
    QTest::keyClick(&view.m_Grid, Qt::Key_Delete);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Are you sure you want to delete Station \"Station2\" ?"});
    CModalScript script;
    script.Then<QDialog>([](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "New Station Properties");
        PressCancel(dlg);
    });
    script.Then<QDialog>([](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Station Properties");
        PressCancel(dlg);
    });
    QTest::keyClick(&view.m_Grid, Qt::Key_Insert);
    const QRect item = view.m_StationList.visualItemRect(view.m_StationList.item(1));
    // A double-click's press and release come first.
    QTest::mouseClick(view.m_StationList.viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(view.m_StationList.viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_TRUE(script.Done());
}

TEST_F(StationCommandsTest, MaxZonesRebuildsEveryViewWithTheNewColumns) {
    CStationView& second = harness.NewWindow(doc);
    CModalScript script;
    script.Then<QDialog>([](QDialog& dlg) {
        dlg.findChild<QLineEdit*>("edit1006")->setText("30");
        PressOk(dlg);
    });
    OnMaxZones(doc);
    EXPECT_EQ(doc.m_nMaxZones, 30);
    EXPECT_EQ(MaxCol(view), 30);
    EXPECT_EQ(MaxCol(second), 30);
}
