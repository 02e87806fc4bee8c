// The report's model, its CSV read back over random configurations, and its HTML.

// own
#include "report/report_forms.h"
#include "platform/cp1252.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// std
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Row = std::vector<std::string>;

// RFC 4180 as the writer promises it: quoted fields may hold commas, quotes and line breaks.
std::vector<Row> ParseCsv(const std::string& text) {
    std::vector<Row> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "the last line ends in CRLF";
    rows.pop_back();
    return rows;
}

std::string ZoneNumbers(const CBtn& button) {
    std::string numbers;
    for (const CZone& zone : button.m_pZones)
        numbers += (numbers.empty() ? "" : " ") + std::to_string(zone.m_nZone + 1);
    return numbers;
}

// What a spreadsheet shows of a field: one it would take for a formula keeps an apostrophe.
std::string Cell(const std::string& text) {
    const bool formula = !text.empty() && std::strchr("=+-@\t\r", text[0]) != nullptr;
    return formula ? "'" + text : text;
}

class ReportFormsTest : public ::testing::Test {
protected:
    CScriptedUi ui;
    CKVDoc doc{ui};
};

TEST_F(ReportFormsTest, CsvReadsBackToEveryButtonOfRandomConfigurations) {
    std::mt19937 random(14);
    for (int round = 0; round < 30; ++round) {
        FillRandomConfig(doc, random);
        // Names with the characters CSV must quote.
        doc.m_pStations[0]->SetName("A, \"quoted\"\nname");
        const ZoneReport report = BuildZoneReport(doc, "site.kvx", "2026-12-07");
        const std::vector<Row> rows = ParseCsv(ZoneReportCsv(report));
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0],
                  (Row{"Station", "Port-Address", "Button", "Button Name", "Zones", "Zone Names"}));
        std::size_t r = 1;
        const auto expectButton = [&](const std::string& station, const std::string& portAddress,
                                      const CBtn& button) {
            ASSERT_LT(r, rows.size());
            const Row& row = rows[r++];
            ASSERT_EQ(row.size(), 6u);
            EXPECT_EQ(row[0], Cell(station));
            EXPECT_EQ(row[1], portAddress);
            EXPECT_EQ(row[3], Cell(Cp1252ToUtf8(button.m_strName)));
            EXPECT_EQ(row[4], ZoneNumbers(button));
            std::string names;
            for (const CZone& zone : button.m_pZones)
                names += (names.empty() ? "" : "; ") + report.ZoneName(zone.m_nZone + 1);
            EXPECT_EQ(row[5], Cell(names));
        };
        for (const auto& station : doc.m_pStations)
            for (int n = 0; n < station->m_nType; ++n)
                expectButton(Cp1252ToUtf8(station->m_strName),
                             std::to_string(station->m_nPort) + "-" +
                                 std::to_string(station->m_nAddress),
                             station->m_Buttons[static_cast<std::size_t>(n)]);
        for (const CBtn& button : doc.m_SoftButtons)
            expectButton("", "", button);
        EXPECT_EQ(r, rows.size());
        EXPECT_EQ(rows[1][2], "HB-01");
        EXPECT_EQ(rows.back()[2], "SB-99");
    }
}

TEST_F(ReportFormsTest, CsvKeepsNamesThatLookLikeFormulasAsText) {
    doc.OnNewDocument();
    ASSERT_TRUE(doc.m_pStations[0]->SetName("=HYPERLINK(\"http://x\")"));
    doc.m_pStations[0]->m_Buttons[0].SetName("@SUM(A1)");
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(0);
    doc.m_pStations[0]->m_Buttons[1].SetName("Lobby - East");
    doc.m_strZoneNames[0] = "-5 dB";
    const std::vector<Row> rows =
        ParseCsv(ZoneReportCsv(BuildZoneReport(doc, "site.kvx", "2026-12-07")));
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[1][0], "'=HYPERLINK(\"http://x\")");
    EXPECT_EQ(rows[1][3], "'@SUM(A1)");
    EXPECT_EQ(rows[1][5], "'-5 dB");
    EXPECT_EQ(rows[2][3], "Lobby - East");
}

TEST_F(ReportFormsTest, TitleBlockAndMatrixColumnsAreTheZonesInUse) {
    doc.OnNewDocument();
    doc.m_nMaxZones = 30;
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(4);
    doc.m_pStations[0]->m_Buttons[3].ToggleZone(29);
    doc.m_pStations[0]->m_Buttons[3].ToggleZone(4);
    doc.m_pStations[0]->m_Buttons[2].ToggleZone(30); // beyond the zones in use: not reported
    doc.m_SoftButtons[0].ToggleZone(7);
    doc.m_strZoneNames[7] = "";
    const ZoneReport report = BuildZoneReport(doc, "site.kvx", "2026-12-07");
    EXPECT_EQ(report.zoneCount, 30);
    EXPECT_EQ(report.imageBytes, 16u + 8 + 4 * (4 + 89) + 1424);
    EXPECT_EQ(report.stations[0].buttons.zonesInUse, (std::vector<int>{5, 30}));
    EXPECT_EQ(report.stations[0].portAddress, "1-1");
    EXPECT_EQ(report.stations[0].type, "4 Button Paging Station");
    EXPECT_FALSE(report.stations[0].lcdText);
    EXPECT_EQ(report.softButtons.zonesInUse, std::vector<int>{8});
    EXPECT_EQ(report.ZoneName(8), "Zone 8");
    EXPECT_EQ(report.ZoneName(5), "Zone5");
    EXPECT_EQ(GroupedNumber(32767), "32,767");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
}

TEST_F(ReportFormsTest, HtmlIsSelfContainedAndEscapesEveryText) {
    doc.OnNewDocument();
    doc.m_pStations[0]->SetName("<script>&");
    doc.m_pStations[0]->SetType(9);
    doc.m_pStations[0]->SetLcdText("\"Hi\"");
    doc.m_strZoneNames[0] = "Caf\xE9";
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(0);
    const std::string html = ZoneReportHtml(BuildZoneReport(doc, "a<b>.kvx", "2026-12-07"));
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;&amp;"), std::string::npos);
    EXPECT_NE(html.find("&quot;Hi&quot;"), std::string::npos);
    EXPECT_NE(html.find("Caf\u00e9"), std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* outside : {"src=", "href=", "url(", "@import"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    EXPECT_NE(html.find("<td class=\"on\">On</td>"), std::string::npos);
}

TEST_F(ReportFormsTest, WideMatricesContinueInTablesOfTwelveZones) {
    doc.OnNewDocument();
    for (int z = 0; z < 99; ++z)
        doc.m_pStations[0]->m_Buttons[0].ToggleZone(z);
    const std::string html = ZoneReportHtml(BuildZoneReport(doc, "site.kvx", "2026-12-07"));
    std::size_t headers = 0;
    for (auto at = html.find(">Button</th>"); at != std::string::npos;
         at = html.find(">Button</th>", at + 1))
        ++headers;
    // Nine tables for the station's 99 zones, one for the soft buttons without zones.
    EXPECT_EQ(headers, 9u + 1u);
}

} // namespace
