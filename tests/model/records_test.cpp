// own
#include "model/btn.h"
#include "model/station.h"
#include "model/zone.h"

// std
#include <gtest/gtest.h>

namespace {
std::vector<int> Indices(const CBtn& button) {
    std::vector<int> out;
    for (const CZone& z : button.m_pZones)
        out.push_back(z.m_nZone);
    return out;
}
} // namespace

TEST(Zone, SetZoneAcceptsZeroTo99Only) {
    CZone zone(5);
    EXPECT_FALSE(zone.SetZone(100));
    EXPECT_FALSE(zone.SetZone(-1));
    EXPECT_EQ(zone.m_nZone, 5);
    EXPECT_TRUE(zone.SetZone(99));
    EXPECT_TRUE(zone.SetZone(0));
    EXPECT_EQ(zone.m_nZone, 0);
}

TEST(Station, NewStationIsA4ButtonPagingStationOnPort1Address1Group1) {
    const CStation station;
    EXPECT_EQ(station.m_nType, 4);
    EXPECT_EQ(station.m_nPort, 1);
    EXPECT_EQ(station.m_nAddress, 1);
    EXPECT_EQ(station.m_nGroup, 1);
    EXPECT_EQ(station.GetName(), "");
    EXPECT_EQ(station.GetLcdText(), "");
    EXPECT_EQ(station.m_Buttons[0].GetName(), "HardButton1");
    EXPECT_EQ(station.m_Buttons[47].GetName(), "HardButton48");
    for (const CBtn& b : station.m_Buttons)
        EXPECT_TRUE(b.m_pZones.empty());
}

TEST(Station, RefusedSettersKeepTheOldValue) {
    CStation s;
    EXPECT_FALSE(s.SetType(5));
    EXPECT_EQ(s.m_nType, 4);
    for (int type : {3, 4, 9, 10, 47, 48})
        EXPECT_TRUE(s.SetType(type)) << type;
    for (int type : {0, 1, 2, 5, 8, 11, 46, 49, 255})
        EXPECT_FALSE(s.SetType(type)) << type;
    EXPECT_EQ(s.m_nType, 48);

    EXPECT_FALSE(s.SetPort(0));
    EXPECT_FALSE(s.SetPort(17));
    EXPECT_TRUE(s.SetPort(16));
    EXPECT_FALSE(s.SetAddress(16));
    EXPECT_FALSE(s.SetAddress(0));
    EXPECT_TRUE(s.SetAddress(15));
    EXPECT_TRUE(s.SetGroup(0));
    EXPECT_FALSE(s.SetGroup(17));
    EXPECT_FALSE(s.SetGroup(-1));
    EXPECT_EQ(s.m_nPort, 16);
    EXPECT_EQ(s.m_nAddress, 15);
    EXPECT_EQ(s.m_nGroup, 0);
}

TEST(Station, TextLimitsCountBytes) {
    CStation s;
    EXPECT_TRUE(s.SetName(std::string(25, 'x')));
    EXPECT_FALSE(s.SetName(std::string(26, 'y')));
    EXPECT_EQ(s.GetName(), std::string(25, 'x'));
    EXPECT_TRUE(s.SetLcdText(std::string(16, '\xE9'))); // é in Windows-1252: one byte
    EXPECT_FALSE(s.SetLcdText(std::string(17, 'a')));
    EXPECT_EQ(s.GetLcdText(), std::string(16, '\xE9'));

    CBtn b;
    EXPECT_TRUE(b.SetName(std::string(16, 'b')));
    EXPECT_FALSE(b.SetName(std::string(17, 'c')));
    EXPECT_EQ(b.GetName(), std::string(16, 'b'));
}

TEST(Station, TypeCodesFollowTheTypeTable) {
    EXPECT_EQ(CStation::TypeCode(4), 0);
    EXPECT_EQ(CStation::TypeCode(10), 1);
    EXPECT_EQ(CStation::TypeCode(48), 2);
    EXPECT_EQ(CStation::TypeCode(3), 3);
    EXPECT_EQ(CStation::TypeCode(9), 4);
    EXPECT_EQ(CStation::TypeCode(47), 5);
    EXPECT_EQ(CStation::TypeCode(5), -1);
}

TEST(Station, LoweringTheTypeKeepsTheHiddenButtonsZones) {
    CStation s;
    s.SetType(48);
    s.m_Buttons[30].ToggleZone(7);
    s.SetType(4);
    s.SetType(48);
    EXPECT_EQ(Indices(s.m_Buttons[30]), std::vector<int>{7});
}

TEST(Btn, ToggleKeepsTheZoneListAscendingWithoutDuplicates) {
    CBtn b;
    EXPECT_TRUE(b.ToggleZone(4)); // zone 5
    EXPECT_TRUE(b.ToggleZone(1)); // zone 2
    EXPECT_TRUE(b.ToggleZone(8)); // zone 9
    EXPECT_EQ(Indices(b), (std::vector<int>{1, 4, 8}));
    EXPECT_FALSE(b.ToggleZone(1));
    EXPECT_EQ(Indices(b), (std::vector<int>{4, 8}));
    EXPECT_TRUE(b.ToggleZone(98));
    EXPECT_TRUE(b.ToggleZone(0));
    EXPECT_EQ(Indices(b), (std::vector<int>{0, 4, 8, 98}));
}

TEST(Btn, SwitchingOffAZoneHeldTwiceRemovesEveryRecordOfIt) {
    CBtn b; // as a file may hold it
    b.m_pZones = {CZone(2), CZone(5), CZone(5), CZone(7)};
    EXPECT_FALSE(b.ToggleZone(5));
    EXPECT_EQ(Indices(b), (std::vector<int>{2, 7}));
    EXPECT_TRUE(b.ToggleZone(5));
    EXPECT_EQ(Indices(b), (std::vector<int>{2, 5, 7}));
}

TEST(Btn, ToggleOfAnIndexSetZoneRefusesChangesNothing) {
    CBtn b;
    b.ToggleZone(3);
    EXPECT_FALSE(b.ToggleZone(100));
    EXPECT_FALSE(b.ToggleZone(-1));
    EXPECT_EQ(Indices(b), std::vector<int>{3});
}
