// own
#include "model/kv_doc.h"
#include "model/station_fields.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
struct FieldsDoc {
    FieldsDoc() { doc.OnNewDocument(); } // Station1 on port 1, address 1
    CStation& Add(int port, int address) {
        auto station = std::make_unique<CStation>();
        station->SetPort(port);
        station->SetAddress(address);
        return *doc.m_pStations.emplace_back(std::move(station));
    }
    CScriptedUi ui;
    CKVDoc doc{ui};
};

std::vector<int> ZonesOf(const CBtn& button) {
    std::vector<int> zones;
    for (const CZone& z : button.m_pZones)
        zones.push_back(z.m_nZone);
    return zones;
}
} // namespace

TEST(StationFields, TypeRadiosMapBothWaysInTheirOwnOrder) {
    const int types[] = {4, 10, 3, 9, 48, 47};
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(TypeOfIndex(index), types[index]);
        EXPECT_EQ(IndexOfType(types[index]), index);
    }
    EXPECT_EQ(TypeOfIndex(-1), -1);
    EXPECT_EQ(TypeOfIndex(6), -1);
    EXPECT_EQ(IndexOfType(5), -1);
}

TEST(StationFields, NewStationIsProposedTheFirstFreePairAddressMajor) {
    FieldsDoc d;
    d.Add(1, 2);
    CStation fresh;
    fresh.SetName("Station3");
    const CStationFields fields = FieldsForNew(d.doc, fresh);
    EXPECT_EQ(fields.m_strName, "Station3");
    EXPECT_EQ(fields.m_nTypeIndex, 0);
    EXPECT_EQ(fields.m_strGroup, "1");
    EXPECT_EQ(fields.m_strPort, "2");
    EXPECT_EQ(fields.m_strAddress, "1");
    EXPECT_TRUE(fields.m_bCheckMemory);
    EXPECT_TRUE(fields.m_bNewStation);
    EXPECT_EQ(fields.m_pStation, &fresh);
}

TEST(StationFields, EditPresetsTheStationAndCapsAGroup0PresetAt16) {
    CStation station;
    station.SetName("Lobby");
    station.SetType(9);
    station.SetPort(3);
    station.SetAddress(7);
    station.SetGroup(5);
    station.SetLcdText("Welcome");
    CStationFields fields = FieldsForEdit(station, 2);
    EXPECT_EQ(fields.m_strName, "Lobby");
    EXPECT_EQ(fields.m_nTypeIndex, 3);
    EXPECT_EQ(fields.m_strPort, "3");
    EXPECT_EQ(fields.m_strAddress, "7");
    EXPECT_EQ(fields.m_strGroup, "5");
    EXPECT_EQ(fields.m_strLcdText, "Welcome");
    EXPECT_FALSE(fields.m_bCheckMemory);
    EXPECT_FALSE(fields.m_bNewStation);
    EXPECT_EQ(fields.m_pStation, &station);

    station.SetGroup(0);
    EXPECT_EQ(FieldsForEdit(station, 2).m_strGroup, "3");
    EXPECT_EQ(FieldsForEdit(station, 15).m_strGroup, "16");
    EXPECT_EQ(FieldsForEdit(station, 19).m_strGroup, "16") << "the station at position 20";
}

TEST(StationFields, ApplyCopiesEveryFieldThroughTheSetters) {
    CStation station;
    CStationFields fields;
    fields.m_strName = "Lobby";
    fields.m_nTypeIndex = 3;
    fields.m_strLcdText = "Welcome";
    fields.m_strPort = "3";
    fields.m_strAddress = "7";
    fields.m_strGroup = "12";
    EXPECT_TRUE(ApplyFields(fields, station, 99));
    EXPECT_EQ(station.GetName(), "Lobby");
    EXPECT_EQ(station.m_nType, 9);
    EXPECT_EQ(station.GetLcdText(), "Welcome");
    EXPECT_EQ(station.m_nPort, 3);
    EXPECT_EQ(station.m_nAddress, 7);
    EXPECT_EQ(station.m_nGroup, 12);
    EXPECT_FALSE(ApplyFields(fields, station, 99)) << "nothing changed the second time";
}

TEST(StationFields, ApplyKeepsWhatASetterRefuses) {
    CStation station;
    station.SetName("Lobby");
    CStationFields fields = FieldsForEdit(station, 0);
    fields.m_strName = std::string(26, 'x');
    fields.m_strPort = "17";
    fields.m_nTypeIndex = 6;
    EXPECT_FALSE(ApplyFields(fields, station, 99));
    EXPECT_EQ(station.GetName(), "Lobby");
    EXPECT_EQ(station.m_nPort, 1);
    EXPECT_EQ(station.m_nType, 4);
}

TEST(StationFields, RaisingTheTypeDropsZonesAtOrAboveTheZoneCountFromReturningButtons) {
    CStation station;
    station.SetType(48);
    for (int zone : {3, 39, 40, 60})
        for (int n : {0, 4, 20})
            station.m_Buttons[n].ToggleZone(zone);
    station.SetType(4); // buttons 5 to 48 kept in memory
    CStationFields fields = FieldsForEdit(station, 0);
    fields.m_nTypeIndex = IndexOfType(10);
    EXPECT_TRUE(ApplyFields(fields, station, 40));
    EXPECT_EQ(ZonesOf(station.m_Buttons[0]), (std::vector<int>{3, 39, 40, 60}))
        << "a button in use all along keeps its zones";
    EXPECT_EQ(ZonesOf(station.m_Buttons[4]), (std::vector<int>{3, 39}));
    EXPECT_EQ(ZonesOf(station.m_Buttons[20]), (std::vector<int>{3, 39, 40, 60}))
        << "still beyond the type";

    // Lowering drops nothing.
    fields.m_nTypeIndex = IndexOfType(3);
    ApplyFields(fields, station, 1);
    EXPECT_EQ(ZonesOf(station.m_Buttons[4]), (std::vector<int>{3, 39}));
}
