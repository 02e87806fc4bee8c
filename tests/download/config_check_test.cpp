// The configuration check: each kind of finding, with its place, and what it leaves alone.

// own
#include "download/config_check.h"
#include "tests/support/add_station.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;

class ConfigCheckTest : public testing::Test {
protected:
    ConfigCheckTest() { doc.OnNewDocument(); }

    CStation& Add(const std::string& name, int type, int port, int address) {
        return AddStation(doc, name, type, port, address);
    }
    // The one station of a new document, named so that it draws no warning.
    CStation& First() {
        doc.m_pStations[0]->SetName("Lobby");
        return *doc.m_pStations[0];
    }
    Lines Check(ControllerVersion version = {}) {
        Lines lines;
        for (const CheckFinding& finding : CheckConfiguration(doc, version))
            lines.push_back(CheckLine(doc, finding));
        return lines;
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
};
} // namespace

TEST_F(ConfigCheckTest, ANewConfigurationIsFitAndAnUnnamedStationAWarning) {
    EXPECT_EQ(Check(), Lines{});
    doc.m_pStations[0]->SetName("");
    EXPECT_EQ(Check(), Lines{"warning: [1-1]: the station has no name"});
}

TEST_F(ConfigCheckTest, SharedPortAddressIsAnErrorAndSharedNameAWarningOnTheLaterStation) {
    First().SetPort(3);
    First().SetAddress(7);
    Add("Dock", 4, 3, 7);
    Add("Lobby", 4, 5, 1);
    EXPECT_EQ(Check(), (Lines{"error: Dock [3-7]: port and address also used by Lobby [3-7]",
                              "warning: Lobby [5-1]: the name is also used by [3-7]"}));
    const auto findings = CheckConfiguration(doc);
    EXPECT_EQ(findings[0].station, 1);
    EXPECT_EQ(findings[0].button, -1);
}

TEST_F(ConfigCheckTest, ZonesAtOrBeyondTheNumberInUseOnHardAndSoftButtons) {
    doc.m_nMaxZones = 10;
    CStation& lobby = First();
    lobby.m_Buttons[2].ToggleZone(9);  // zone 10: the last in use
    lobby.m_Buttons[2].ToggleZone(11); // zone 12
    lobby.m_Buttons[5].ToggleZone(50); // a button the 4-button station does not use
    doc.m_SoftButtons[0].ToggleZone(10);
    EXPECT_EQ(Check(), (Lines{"error: Lobby [1-1] HB-03 zone 12: zone 12 is beyond the 10 zones "
                              "in use",
                              "error: SB-11 zone 11: zone 11 is beyond the 10 zones in use"}));
    const auto findings = CheckConfiguration(doc);
    EXPECT_EQ(findings[1].station, -1);
    EXPECT_EQ(findings[1].button, 0);
    EXPECT_EQ(findings[1].zone, 10);
}

TEST_F(ConfigCheckTest, LcdTextsTooLongOrUnshowableWhereAnLcdShowsThem) {
    First();
    CStation& panel = Add("Panel", 9, 2, 1);
    panel.m_Buttons[0].m_strName = std::string(17, 'A'); // as a file may hold it
    panel.m_Buttons[1].SetName("Caf\xE9");
    panel.m_Buttons[2].SetName(std::string(16, 'B')); // exactly full: no finding
    panel.m_strLcdText = "Line\tTwo";
    CStation& paging = Add("Paging", 48, 2, 2);
    paging.m_Buttons[0].SetName("Caf\xE9"); // a 48-button station has no LCD texts
    doc.m_SoftButtons[88].SetName("\x80uro");
    EXPECT_EQ(Check(),
              (Lines{"error: Panel [2-1] HB-01: LCD text is 17 characters, longer than its 16",
                     "error: Panel [2-1] HB-02: LCD text has a character an LCD cannot show: "
                     "\"\xC3\xA9\" at 4",
                     "error: Panel [2-1]: break-out LCD text has a character an LCD cannot "
                     "show: 0x09 at 5",
                     "error: SB-99: LCD text has a character an LCD cannot show: \"\xE2\x82\xAC\" "
                     "at 1"}));
}

TEST_F(ConfigCheckTest, ControllerVersionDecidesOnBreakOutPanels) {
    First();
    Add("Small", 3, 2, 1);
    Add("Ten", 9, 2, 2);
    Add("Large", 47, 2, 3);
    const Lines oneZero = {"error: Small [2-1]: a 4 button break-out, which a 1.0 controller "
                           "does not support",
                           "error: Ten [2-2]: a 10 button break-out, which a 1.0 controller does "
                           "not support"};
    EXPECT_EQ(Check({1, 0}), oneZero);
    EXPECT_EQ(Check({1, 1}), Lines{});
    EXPECT_EQ(Check({0, 9}), Lines{});
    EXPECT_EQ(Check({1, 2}),
              Lines{"error: a 1.2 PA Controller is newer than this software can handle"});
}

TEST_F(ConfigCheckTest, TheLargestConfigurationIsOneOversizedImage) {
    // 240 stations of 48 buttons, every button paging all 99 zones.
    doc.m_pStations.clear();
    for (int port = 1; port <= 16; ++port) {
        for (int address = 1; address <= 15; ++address) {
            CStation& station = Add("S" + std::to_string(port * 100 + address), 48, port, address);
            for (CBtn& button : station.m_Buttons)
                for (int zone = 0; zone < 99; ++zone)
                    button.ToggleZone(zone);
        }
    }
    // 16 + 8 * 240 + 13 * (240 * 48 + 89) + 1,424 = 154,277 bytes.
    EXPECT_EQ(Check(), Lines{"error: the controller image is 154277 bytes, 121510 more than the "
                             "controller's 32,767"});
    Add("One more", 4, 1, 1);
    const Lines lines = Check();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "error: 241 stations, more than the controller's 240");
    EXPECT_EQ(lines[2], "error: One more [1-1]: port and address also used by S101 [1-1]");
}

TEST_F(ConfigCheckTest, ImageAtTheControllersLimitPasses) {
    First();
    // 48-button stations with 99 zones cost 632 bytes each; the image of a new configuration
    // with one 4-button station is 2,657 bytes.
    for (int n = 0; n < 47; ++n)
        Add("P" + std::to_string(n), 48, 2 + n / 15, 1 + n % 15);
    EXPECT_EQ(Check(), Lines{});
    Add("Last", 48, 10, 1);
    EXPECT_EQ(Check(), Lines{"error: the controller image is 32993 bytes, 226 more than the "
                             "controller's 32,767"});
}
