// own
#include "model/kv_doc.h"
#include "model/max_zones_check.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
struct MaxZonesDoc {
    MaxZonesDoc() { doc.OnNewDocument(); } // Station1, a 4-button paging station
    CScriptedUi ui;
    CKVDoc doc{ui};
};

std::string MessageOf(const std::variant<int, std::string>& entry) {
    return std::holds_alternative<std::string>(entry) ? std::get<std::string>(entry) : "";
}
} // namespace

TEST(MaxZonesEntry, RefusesLettersEmptyAndTrailingTextAsNotAnInteger) {
    for (const char* text : {"", "abc", "12a", "1 2", "+", " - ", "1.5"})
        EXPECT_EQ(MessageOf(ReadIntegerEntry(text, 1, 99)), "Please enter an integer.") << text;
}

TEST(MaxZonesEntry, RefusesZero100AndHugeNumbersWithTheRange) {
    for (const char* text : {"0", "100", "-5", "4294967297", "99999999999999999999"})
        EXPECT_EQ(MessageOf(ReadIntegerEntry(text, 1, 99)),
                  "Please enter an integer between 1 and 99.")
            << text;
}

TEST(MaxZonesEntry, TakesASignedNumberWithBlanksAround) {
    EXPECT_EQ(std::get<int>(ReadIntegerEntry(" 40 ", 1, 99)), 40);
    EXPECT_EQ(std::get<int>(ReadIntegerEntry("+1", 1, 99)), 1);
    EXPECT_EQ(std::get<int>(ReadIntegerEntry("099", 1, 99)), 99);
}

TEST(MaxZonesScan, NamesTheStationHardButtonAndZoneAboveTheNewCount) {
    MaxZonesDoc d;
    d.doc.m_pStations[0]->m_Buttons[1].ToggleZone(11); // HB-02, zone 12
    EXPECT_EQ(FindZoneAbove(d.doc, 10),
              "Station \"Station1\" Button HB-02 Zone 12 is enabled.\n\nYou must disable it "
              "before reducing the number of maximum zones below it.");
    EXPECT_EQ(FindZoneAbove(d.doc, 12), std::nullopt) << "zone 12 itself stays in use";
}

TEST(MaxZonesScan, NamesASoftButtonAsTheGridLabelsIt) {
    MaxZonesDoc d;
    d.doc.m_SoftButtons[0].ToggleZone(49); // the first soft button, zone 50
    EXPECT_EQ(FindZoneAbove(d.doc, 40),
              "Global Button SB-11 Zone 50 is enabled.\n\nYou must disable it before reducing "
              "the number of maximum zones below it.");
    d.doc.m_SoftButtons[0].ToggleZone(49);
    d.doc.m_SoftButtons[88].ToggleZone(98);
    EXPECT_EQ(FindZoneAbove(d.doc, 98).value_or("").substr(0, 32),
              "Global Button SB-99 Zone 99 is e");
}

TEST(MaxZonesScan, ReportsOnlyTheFirstInStationButtonZoneThenSoftButtonOrder) {
    MaxZonesDoc d;
    auto second = std::make_unique<CStation>();
    second->SetName("Lobby");
    second->m_Buttons[0].ToggleZone(30);
    d.doc.m_pStations.push_back(std::move(second));
    d.doc.m_pStations[0]->m_Buttons[3].ToggleZone(60);
    d.doc.m_pStations[0]->m_Buttons[3].ToggleZone(20);
    d.doc.m_SoftButtons[0].ToggleZone(80);
    EXPECT_EQ(FindZoneAbove(d.doc, 10).value_or("").substr(0, 41),
              "Station \"Station1\" Button HB-04 Zone 21 i");
    EXPECT_EQ(FindZoneAbove(d.doc, 25).value_or("").substr(0, 41),
              "Station \"Station1\" Button HB-04 Zone 61 i");
    d.doc.m_pStations[0]->m_Buttons[3].m_pZones.clear();
    EXPECT_EQ(FindZoneAbove(d.doc, 25).value_or("").substr(0, 38),
              "Station \"Lobby\" Button HB-01 Zone 31 i");
    d.doc.m_pStations[1]->m_Buttons[0].m_pZones.clear();
    EXPECT_EQ(FindZoneAbove(d.doc, 25).value_or("").substr(0, 27), "Global Button SB-11 Zone 81");
}

TEST(MaxZonesScan, AZoneOnAButtonBeyondTheTypeDoesNotBlock) {
    MaxZonesDoc d;
    CStation& station = *d.doc.m_pStations[0];
    station.SetType(48);
    station.m_Buttons[40].ToggleZone(90);
    EXPECT_TRUE(FindZoneAbove(d.doc, 50));
    station.SetType(4);
    EXPECT_EQ(FindZoneAbove(d.doc, 50), std::nullopt);
    EXPECT_EQ(FindZoneAbove(d.doc, 1), std::nullopt);
}
