// The station grid's rows and columns on the configuration, without widgets.

// own
#include "tests/support/scripted_ui.h"
#include "view/station_cells.h"

// gtest
#include <gtest/gtest.h>

namespace {
std::vector<int> Zones(const CBtn& button) {
    std::vector<int> zones;
    for (const CZone& zone : button.m_pZones)
        zones.push_back(zone.m_nZone);
    return zones;
}

class StationCells : public ::testing::Test {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        auto breakOut = std::make_unique<CStation>();
        breakOut->SetType(9);
        doc.m_pStations.push_back(std::move(breakOut));
    }
    CScriptedUi ui;
    CKVDoc doc{ui};
};
} // namespace

TEST(StationRows, TenButtonTypesShowTheSoftButtonsAfterTheirOwn) {
    EXPECT_EQ(GridRowCount(4), 4);
    EXPECT_EQ(GridRowCount(3), 3);
    EXPECT_EQ(GridRowCount(48), 48);
    EXPECT_EQ(GridRowCount(47), 47);
    EXPECT_EQ(GridRowCount(10), 99);
    EXPECT_EQ(GridRowCount(9), 98);
}

TEST(StationRows, LabelsRunHb01ToTheTypeThenSb11ToSb99) {
    EXPECT_EQ(RowLabel(9, 1), "HB-01");
    EXPECT_EQ(RowLabel(9, 9), "HB-09");
    EXPECT_EQ(RowLabel(9, 10), "SB-11");
    EXPECT_EQ(RowLabel(9, 98), "SB-99");
    EXPECT_EQ(RowLabel(10, 11), "SB-11");
    EXPECT_EQ(RowLabel(48, 48), "HB-48");
    EXPECT_EQ(ColumnLabel(1), "01");
    EXPECT_EQ(ColumnLabel(99), "99");
}

TEST_F(StationCells, RowsMapToTheStationsButtonsThenTheSharedSoftButtons) {
    EXPECT_EQ(ButtonOfRow(doc, 1, 1), &doc.m_pStations[1]->m_Buttons[0]);
    EXPECT_EQ(ButtonOfRow(doc, 1, 9), &doc.m_pStations[1]->m_Buttons[8]);
    EXPECT_EQ(ButtonOfRow(doc, 1, 10), &doc.m_SoftButtons[0]);
    EXPECT_EQ(ButtonOfRow(doc, 1, 98), &doc.m_SoftButtons[88]);
}

TEST_F(StationCells, RowsStationsAndColumnsThatDoNotExistFindNothing) {
    EXPECT_EQ(ButtonOfRow(doc, 1, 0), nullptr);
    EXPECT_EQ(ButtonOfRow(doc, 1, 99), nullptr);
    EXPECT_EQ(ButtonOfRow(doc, 0, 5), nullptr); // a 4-button station has no fifth button
    EXPECT_EQ(ButtonOfRow(doc, 2, 1), nullptr);
    EXPECT_EQ(ButtonOfRow(doc, -1, 1), nullptr);
    doc.m_nMaxZones = 40;
    EXPECT_TRUE(ZoneColumnExists(doc, 40));
    EXPECT_FALSE(ZoneColumnExists(doc, 41));
    EXPECT_FALSE(ZoneColumnExists(doc, 0));
    EXPECT_FALSE(ToggleCell(doc, 0, 1, 41).has_value());
    EXPECT_FALSE(ToggleCell(doc, 0, 5, 1).has_value());
    EXPECT_FALSE(ToggleCell(doc, 7, 1, 1).has_value());
    EXPECT_TRUE(doc.m_pStations[0]->m_Buttons[4].m_pZones.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(StationCells, ToggleKeepsTheListAscendingAndMarksTheDocumentModified) {
    EXPECT_EQ(ToggleCell(doc, 0, 2, 7), true);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ToggleCell(doc, 0, 2, 3), true);
    EXPECT_EQ(ToggleCell(doc, 0, 2, 99), true);
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[1]), (std::vector<int>{2, 6, 98}));
    doc.SetModifiedFlag(false);
    EXPECT_EQ(ToggleCell(doc, 0, 2, 7), false);
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[1]), (std::vector<int>{2, 98}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(StationCells, SoftButtonRowOfOneStationChangesItForEveryTenButtonStation) {
    auto paging = std::make_unique<CStation>();
    paging->SetType(10);
    doc.m_pStations.push_back(std::move(paging));
    ToggleCell(doc, 1, 10, 5); // SB-11 of the break-out
    EXPECT_EQ(ButtonOfRow(doc, 2, 11), &doc.m_SoftButtons[0]);
    EXPECT_EQ(Zones(*ButtonOfRow(doc, 2, 11)), std::vector<int>{4});
}

TEST_F(StationCells, ZoneNamesAndButtonTextsChangeOnlyWhereTheyExist) {
    EXPECT_TRUE(SetZoneName(doc, 12, "Lobby"));
    EXPECT_EQ(doc.m_strZoneNames[11], "Lobby");
    EXPECT_TRUE(doc.IsModified());
    doc.m_nMaxZones = 12;
    EXPECT_FALSE(SetZoneName(doc, 13, "Roof"));
    EXPECT_EQ(doc.m_strZoneNames[12], "Zone13");
    EXPECT_TRUE(SetButtonName(doc, 1, 10, "Fire"));
    EXPECT_EQ(doc.m_SoftButtons[0].GetName(), "Fire");
    EXPECT_FALSE(SetButtonName(doc, 1, 99, "None"));
    EXPECT_FALSE(SetButtonName(doc, 5, 1, "None"));
}

TEST_F(StationCells, SeventeenByteTextIsRefusedAndKeepsTheOldNameAndFlag) {
    EXPECT_FALSE(SetButtonName(doc, 0, 1, "ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[0].GetName(), "HardButton1");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(SetButtonName(doc, 0, 1, "HardButton1")); // unchanged: not a modification
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(StationCells, StatusTextNamesButtonZoneAndStateOnlyForCellsThatExist) {
    SetZoneName(doc, 5, "Lobby");
    doc.m_pStations[1]->m_Buttons[2].ToggleZone(4);
    EXPECT_EQ(CellStatusText(doc, 1, 3, 5), "HB-03 \xB7 Zone 5: Lobby \xB7 On");
    EXPECT_EQ(CellStatusText(doc, 1, 10, 5), "SB-11 \xB7 Zone 5: Lobby \xB7 Off");
    SetZoneName(doc, 6, "");
    EXPECT_EQ(CellStatusText(doc, 1, 3, 6), "HB-03 \xB7 Zone 6 \xB7 Off");
    doc.m_nMaxZones = 5;
    EXPECT_EQ(CellStatusText(doc, 1, 3, 6), std::nullopt);
    EXPECT_EQ(CellStatusText(doc, 1, 99, 1), std::nullopt);
    EXPECT_EQ(CellStatusText(doc, 2, 1, 1), std::nullopt);
    EXPECT_EQ(CellIsOn(doc, 1, 3, 0), std::nullopt);
}

TEST(StationListEntry, AddressesShowAsPortDashAddressBeforeTheName) {
    CStation lobby;
    lobby.SetName("Lobby");
    lobby.SetPort(3);
    lobby.SetAddress(7);
    EXPECT_EQ(StationListEntry(lobby, true), "3-7: Lobby");
    EXPECT_EQ(StationListEntry(lobby, false), "Lobby");
}
