// corvantine-cli's zones and stations, run as a program: tables out, edited as a spreadsheet
// would, back in; the file must be the one the same edits in the editor save.

// own
#include "model/config_edits.h"
#include "model/kv_doc.h"
#include "model/station_fields.h"
#include "tests/cli/cli_site_test.h"
#include "tests/support/scripted_ui.h"

// std
#include <fstream>

namespace fs = std::filesystem;

namespace {
using TableCommandsTest = CliSiteTest;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}
} // namespace

TEST_F(TableCommandsTest, TablesOutEditedAndInSaveWhatTheEditorSaves) {
    const CProgramRun zones = Cli("zones site.kvx");
    ASSERT_EQ(zones.exit, 0) << zones.err;
    EXPECT_TRUE(zones.out.starts_with("Zone,Name,Buttons\r\n1,Lobby,1\r\n2,Caf\xC3\xA9,1\r\n"))
        << zones.out;
    // As a spreadsheet saves it: a byte order mark, semicolons, LF, a formula-like name quoted.
    std::string names = "\xEF\xBB\xBFZone;Name\n2;Caf\xC3\xA9 Nord\n5;\"'=Fire; exit\"\n";
    Write("names.csv", names);
    const CProgramRun setZones = Cli("zones site.kvx --set names.csv -o a.kvx");
    ASSERT_EQ(setZones.exit, 0) << setZones.err;

    const CProgramRun stations = Cli("stations a.kvx");
    ASSERT_EQ(stations.exit, 0) << stations.err;
    EXPECT_EQ(stations.out, "Name,Type,Port,Address,Group,LCD Text\r\n"
                            "Front desk,10 Button Break-Out,3,7,0,WELCOME\r\n"
                            "Dock Door,4 Button Paging Station,4,1,,\r\n");
    std::string table = Replaced(stations.out, "Dock Door,4 Button", "Dock Door East,48 Button");
    table += "Gate,4,5,2,,\r\n";
    Write("stations.csv", table);
    const CProgramRun setStations = Cli("stations a.kvx --set stations.csv -o b.kvx");
    ASSERT_EQ(setStations.exit, 0) << setStations.err;

    // The same edits as the editor makes them: the zone name box, Station Properties, Add.
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.OnOpenDocument((dir / "site.kvx").string()));
    doc.Perform(std::make_unique<CZoneNameEdit>(doc, 1, "Caf\xE9 Nord", 1));
    doc.Perform(std::make_unique<CZoneNameEdit>(doc, 4, "=Fire; exit", 2));
    CStation dock = *doc.m_pStations[1];
    CStationFields fields = FieldsForEdit(dock, 1);
    fields.m_strName = "Dock Door East";
    fields.m_nTypeIndex = IndexOfType(48);
    ASSERT_TRUE(ApplyFields(fields, dock, doc.m_nMaxZones));
    doc.Perform(std::make_unique<CStationEdit>(doc, 1, dock));
    auto gate = std::make_unique<CStation>();
    gate->SetName("Gate");
    gate->SetPort(5);
    gate->SetAddress(2);
    doc.Perform(CStationListEdit::Insert(doc, 2, std::move(gate), "Add Station"));
    ASSERT_TRUE(doc.OnSaveDocument((dir / "editor.kvx").string()));
    EXPECT_EQ(Read("b.kvx"), Read("editor.kvx"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableCommandsTest, RefusedRowsAreNamedAndNothingIsWritten) {
    const std::string before = Read("site.kvx");
    Write("names.csv", "Zone,Name\n3,Hall\n13,Roof\n3,Hall again\n4,\"Tab\there\"\n");
    const CProgramRun zones = Cli("zones site.kvx --set names.csv");
    EXPECT_EQ(zones.exit, 1);
    EXPECT_EQ(zones.err,
              "corvantine-cli: names.csv: Row 3: zone 13 is not one of the 12 zones in use\n"
              "corvantine-cli: names.csv: Row 4: zone 3 is named on row 2 already\n"
              "corvantine-cli: names.csv: Row 5: the name holds a tab, a line break or another "
              "control character\n");
    Write("stations.csv", "Name,Port,Address,Group,Type\n"
                          "Lobby,17,1,,\n"
                          "Office \xE2\x82\xAC,4,1,,\n"
                          "Stair,4,2,0,4 Button Break-Out\n"
                          "Hall \xE2\x9C\x93,6,1,,\n");
    const CProgramRun stations = Cli("stations site.kvx --set stations.csv");
    EXPECT_EQ(stations.exit, 1);
    EXPECT_EQ(stations.err,
              "corvantine-cli: stations.csv: Row 2: The selected Port number is out of Range.  "
              "Please select another Port ( 1 - 16 ).\n"
              "corvantine-cli: stations.csv: Row 4: The Group number must be between 1 and 16 "
              "inclusive.\n"
              "corvantine-cli: stations.csv: Row 5: \"Hall \xE2\x9C\x93\" has a character with no "
              "single-byte form\n");
    EXPECT_EQ(Read("site.kvx"), before);
    Write("bad.csv", "Zone,Name\n1,\"Lobby\n");
    EXPECT_EQ(Cli("zones site.kvx --set bad.csv").err,
              "corvantine-cli: bad.csv: line 2: a quoted field is not closed\n");
    EXPECT_EQ(Cli("zones site.kvx --set missing.csv").exit, 2);
    EXPECT_EQ(Read("site.kvx"), before);
}

TEST_F(TableCommandsTest, ChecklistWalksStationsInPortAddressOrderThenZones) {
    Write("gate.csv", "Name,Type,Port,Address\nGate,4,1,2\n");
    ASSERT_EQ(Cli("stations site.kvx --set gate.csv").exit, 0);
    ASSERT_EQ(Cli("report site.kvx --checklist -o list.csv").exit, 0);
    const std::string csv = Read("list.csv");
    EXPECT_EQ(csv.rfind("Station,Port-Address,Button,Button Name,Zones,Checked\r\n"
                        "Gate,1-2,HB-01,HardButton1,,\r\n",
                        0),
              0u)
        << csv;
    EXPECT_NE(csv.find("\r\nFront desk,3-7,HB-01,All call,1 Lobby; 2 Caf\xC3\xA9; 12 Zone12,\r\n"),
              std::string::npos);
    ASSERT_EQ(Cli("report site.kvx --checklist -o list.html").exit, 0);
    const std::string html = Read("list.html");
    EXPECT_NE(html.find("<tr><td>2 Caf\xC3\xA9</td><td>3-7 Front desk HB-01</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"tick\">&#9744;</td>"), std::string::npos);
    ASSERT_EQ(Cli("report site.kvx --checklist -o list.pdf").exit, 0);
    EXPECT_EQ(Read("list.pdf").rfind("%PDF-", 0), 0u);
}
