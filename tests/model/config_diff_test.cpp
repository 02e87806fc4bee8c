// Differences between two configurations: the lines a user reads, stations matched by port and
// address, and only what both sides carry compared.

// own
#include "model/config_diff.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {

class ConfigDiffTest : public ::testing::Test {
protected:
    ConfigDiffTest() {
        a.OnNewDocument();
        a.m_pStations[0]->SetName("Lobby");
        a.m_pStations[0]->SetPort(3);
        a.m_pStations[0]->SetAddress(7);
        b.OnNewDocument();
        b.m_pStations[0]->SetName("Lobby");
        b.m_pStations[0]->SetPort(3);
        b.m_pStations[0]->SetAddress(7);
    }

    std::vector<std::string> Lines(const ConfigContents& from, const ConfigContents& to) {
        std::vector<std::string> lines;
        for (const ConfigDifference& d : CompareContents(from, to))
            lines.push_back(DifferenceLine(d));
        return lines;
    }
    std::vector<std::string> Lines() { return Lines(ContentsOf(a), ContentsOf(b)); }

    static CStation& Add(CKVDoc& doc, const std::string& name, int port, int address) {
        auto station = std::make_unique<CStation>();
        station->SetName(name);
        station->SetPort(port);
        station->SetAddress(address);
        doc.m_pStations.push_back(std::move(station));
        return *doc.m_pStations.back();
    }

    using Lines_ = std::vector<std::string>;
    CScriptedUi ui;
    CKVDoc a{ui};
    CKVDoc b{ui};
};

TEST_F(ConfigDiffTest, SameConfigurationsHaveNoDifference) {
    EXPECT_EQ(Lines(), Lines_{});
}

TEST_F(ConfigDiffTest, EachKindOfChangeIsOneLineInTheUsersTerms) {
    b.m_pStations[0]->m_Buttons[2].ToggleZone(11);
    a.m_strZoneNames[4] = "Lobby";
    b.m_strZoneNames[4] = "Foyer";
    b.m_pStations[0]->SetGroup(5);
    b.m_pStations[0]->m_Buttons[0].SetName("Caf\xE9");
    b.m_nMaxZones = 50;
    b.m_SoftButtons[0].ToggleZone(0);
    Add(b, "Dock Door", 4, 1);
    EXPECT_EQ(Lines(), (Lines_{"number of zones: 99 -> 50",
                                "zone 5 name: Lobby -> Foyer",
                                "[3-7] Lobby: group: 1 -> 5",
                                "[3-7] Lobby: HB-01 name: HardButton1 -> Caf\u00e9",
                                "[3-7] Lobby: HB-03 zone 12 off -> on",
                                "+ station [4-1] Dock Door",
                                "SB-11 zone 1 off -> on"}));
    EXPECT_EQ(Lines(ContentsOf(b), ContentsOf(a))[5], "- station [4-1] Dock Door");
}

TEST_F(ConfigDiffTest, StationsAreMatchedByPortAndAddressNotByPlace) {
    Add(a, "Dock Door", 4, 1);
    Add(b, "Dock Door", 4, 1);
    std::swap(b.m_pStations[0], b.m_pStations[1]);
    b.m_pStations[0]->m_Buttons[0].ToggleZone(0);
    EXPECT_EQ(Lines(), Lines_{"[4-1] Dock Door: HB-01 zone 1 off -> on"});
    // A station moved to another pair is another station.
    b.m_pStations[0]->SetAddress(2);
    EXPECT_EQ(Lines(), (Lines_{"- station [4-1] Dock Door", "+ station [4-2] Dock Door"}));
}

TEST_F(ConfigDiffTest, APairHeldTwiceMatchesInOrder) {
    Add(a, "First", 4, 1);
    Add(a, "Second", 4, 1);
    Add(b, "First", 4, 1);
    Add(b, "Second", 4, 1).m_Buttons[3].ToggleZone(98);
    EXPECT_EQ(Lines(), Lines_{"[4-1] Second: HB-04 zone 99 off -> on"});
}

TEST_F(ConfigDiffTest, WhatOnlyOneSideCarriesIsNotCompared) {
    ConfigContents image = ContentsOf(b);
    image.version.reset();
    image.zoneNames.reset();
    image.stations[0].name.reset();
    for (ContentsButton& button : image.stations[0].buttons)
        button.name.reset();
    a.m_strZoneNames[0] = "Renamed";
    a.m_pStations[0]->m_Buttons[0].SetName("Renamed");
    EXPECT_EQ(Lines(ContentsOf(a), image), Lines_{});
    // The station keeps the name the other side gives it.
    image.stations[0].type = 10;
    EXPECT_EQ(Lines(ContentsOf(a), image), Lines_{"[3-7] Lobby: type: 4 -> 10"});
}

TEST_F(ConfigDiffTest, TextsAreComparedAsAnLcdShowsThem) {
    a.m_pStations[0]->SetType(9);
    b.m_pStations[0]->SetType(9);
    a.m_pStations[0]->SetLcdText("WELCOME");
    b.m_pStations[0]->SetLcdText("WELCOME   ");
    b.m_pStations[0]->m_Buttons[0].SetName("HardButton1  ");
    EXPECT_EQ(Lines(), Lines_{});
    b.m_pStations[0]->SetLcdText("");
    EXPECT_EQ(Lines(), Lines_{"[3-7] Lobby: LCD text: WELCOME -> \"\""});
}

} // namespace
