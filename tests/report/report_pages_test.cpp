// The report on pages: the PDF's text as pdftotext reads it, the page counts on A4 and Letter,
// and every word inside the page's margins.

// own
#include "report/qt/report_pages.h"
#include "platform/cp1252.h"
#include "tests/support/add_station.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// Qt
#include <QPageSize>

// std
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <regex>

namespace {

QPageLayout Page(QPageSize::PageSizeId size) {
    QPageLayout layout = DefaultReportPage();
    layout.setPageSize(QPageSize(size));
    return layout;
}

class ReportPagesTest : public ::testing::Test {
protected:
    ReportPagesTest() { QtTestApp(); }

    // pdftotext's reading of the report; `options` such as "-bbox".
    std::string PdfText(const ZoneReport& report, const QPageLayout& layout,
                        const std::string& options = "") {
        const QByteArray pdf = ZoneReportPdf(report, layout);
        std::ofstream(dir / "report.pdf", std::ios::binary).write(pdf.data(), pdf.size());
        return LastPdfText(options);
    }
    // pdftotext's reading of the report made last.
    std::string LastPdfText(const std::string& options = "") {
        const CProgramRun run =
            RunProgram(CORV_PDFTOTEXT, options + " -enc UTF-8 report.pdf report.txt", dir.Path());
        EXPECT_EQ(run.exit, 0) << run.err;
        return ReadWholeFile(dir / "report.txt");
    }

    // Words as pdftotext places them: nothing beyond the right margin of a page `width` wide.
    void ExpectWithinMargins(const std::string& boxes, double width) {
        const double right = width - 15 / 25.4 * 72 + 1;
        const std::regex xMax("xMax=\"([0-9.]+)\"");
        std::size_t words = 0;
        for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), xMax);
             it != std::sregex_iterator(); ++it, ++words)
            ASSERT_LE(std::stod((*it)[1]), right) << words;
        EXPECT_GT(words, 100u);
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
    CTempDir dir;
};

TEST_F(ReportPagesTest, PdfTextHoldsEveryStationNameAndUsedZoneName) {
    doc.OnNewDocument();
    doc.m_nMaxZones = 24;
    doc.m_pStations[0]->SetName("Lobby Desk");
    const char* const stations[] = {"Dock Door", "Warehouse Office"};
    for (const char* name : stations) {
        auto station = std::make_unique<CStation>();
        station->SetName(name);
        station->SetType(10);
        int port = 1, address = 1;
        doc.FindFreePortAddress(port, address);
        station->SetPort(port);
        station->SetAddress(address);
        doc.m_pStations.push_back(std::move(station));
    }
    const std::pair<int, const char*> zones[] = {{0, "Reception"}, {6, "Loading Bay"},
                                                 {23, "Canteen \u20ac"}};
    for (const auto& [zone, name] : zones) {
        doc.m_strZoneNames[static_cast<std::size_t>(zone)] = *Utf8ToCp1252(name);
        doc.m_pStations[static_cast<std::size_t>(zone % 3)]->m_Buttons[1].ToggleZone(zone);
    }
    const ZoneReport report = BuildZoneReport(doc, "site.kvx", "2026-12-07");
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        const std::string text = PdfText(report, Page(size));
        for (const char* name : {"Lobby Desk", "Dock Door", "Warehouse Office"})
            EXPECT_NE(text.find(name), std::string::npos) << name;
        for (const auto& [zone, name] : zones)
            EXPECT_NE(text.find(name), std::string::npos) << name;
        for (const char* item : {"Zone Report: site.kvx", "Page 1 of ", "2026-12-07",
                                 "10 Button Paging Station", "of 32,767 bytes", "SB-99"})
            EXPECT_NE(text.find(item), std::string::npos) << item;
    }
}

TEST_F(ReportPagesTest, ALongFileNameIsShortenedWhereItWouldMeetThePageNumber) {
    doc.OnNewDocument();
    const std::string name = "site-" + std::string(140, 'x') + ".kvx";
    const std::string text = PdfText(BuildZoneReport(doc, name, "2026-12-07"), Page(QPageSize::A4));
    // pdftotext sets the page number apart once the two no longer meet.
    const std::string header = text.substr(0, text.find('\n'));
    EXPECT_EQ(header.rfind("Zone Report: site-xxx", 0), 0u) << header;
    EXPECT_NE(header.find("xxx\u2026xxx"), std::string::npos) << header;
    EXPECT_EQ(header.substr(header.size() - 7), "xxx.kvx") << header;
    EXPECT_EQ(text.find("Page 1 of "), header.size() + 2) << text.substr(0, 300);
}

TEST_F(ReportPagesTest, HeadingsShareTheirPageWithTheFirstRowUnderThem) {
    std::mt19937 random(15);
    for (int round = 0; round < 12; ++round) {
        FillRandomConfig(doc, random);
        std::vector<std::pair<std::string, std::string>> headings{{"Zones", "Zone"},
                                                                  {"Soft Buttons", "SB-11"}};
        for (std::size_t i = 0; i < doc.m_pStations.size(); ++i) {
            const std::string name = "Post " + std::to_string(100 + i);
            doc.m_pStations[i]->SetName(name);
            headings.emplace_back(name, "HB-01");
        }
        // In the order painted: pdftotext's reading order moves turned zone names about.
        const std::string text =
            PdfText(BuildZoneReport(doc, "site.kvx", "2026-12-07"), Page(QPageSize::A4), "-raw");
        for (const auto& [heading, first] : headings) {
            const std::size_t at = text.find(heading + "\n");
            ASSERT_NE(at, std::string::npos) << heading;
            const std::size_t pageEnd = text.find('\f', at);
            EXPECT_LT(text.find(first, at), pageEnd) << round << ": " << heading;
        }
    }
}

TEST_F(ReportPagesTest, WidestStationRepeatsItsHeadersAndFitsA4AndLetter) {
    // One station with every zone on every button is as wide as the report gets, and long
    // enough to go on over several pages.
    FillLargestConfig(doc);
    doc.m_pStations.resize(1);
    doc.m_pStations[0]->SetType(10);
    // Names of one long word, which must break inside the narrow zone columns.
    for (std::string& name : doc.m_strZoneNames)
        name = std::string(25, 'W');
    for (CBtn& button : doc.m_SoftButtons)
        button.m_pZones.clear();
    const ZoneReport one = BuildZoneReport(doc, "largest.kvx", "2026-12-07");
    for (const auto& [size, width] : {std::pair{QPageSize::A4, 595.28}, {QPageSize::Letter, 612.0}}) {
        const std::string text = PdfText(one, Page(size));
        ExpectWithinMargins(LastPdfText("-bbox"), width);
        const auto pages = static_cast<int>(std::count(text.begin(), text.end(), '\f'));
        ASSERT_GT(pages, 3);
        // pdftotext ends each page with a form feed: every page has the running header, and
        // every page that goes on with the matrix starts it with its header row again.
        std::size_t start = 0;
        for (int page = 1; page <= pages; ++page) {
            const std::size_t end = text.find('\f', start);
            ASSERT_NE(end, std::string::npos) << page;
            const std::string body = text.substr(start, end - start);
            start = end + 1;
            EXPECT_NE(body.find("Zone Report: largest.kvx"), std::string::npos) << page;
            EXPECT_NE(body.find("Page " + std::to_string(page) + " of " + std::to_string(pages)),
                      std::string::npos)
                << page;
            if (body.find("HB-") != std::string::npos || body.find("SB-") != std::string::npos) {
                EXPECT_NE(body.find("Button"), std::string::npos) << page;
            }
        }
    }
}

} // namespace

TEST_F(ReportPagesTest, EveryPageNamesItsStationZoneNamesStayWholeAndIdleSoftButtonsTakeOneLine) {
    doc.OnNewDocument();
    doc.m_pStations[0]->SetName("Foyer desk");
    doc.m_pStations[0]->SetType(48);
    AddStation(doc, "Dock Door", 10, 2, 1);
    AddStation(doc, "Warehouse Office", 48, 3, 1);
    const char* const names[] = {"Reception", "Loading Bay", "Warehouse", "Canteen"};
    for (int z = 0; z < 4; ++z)
        doc.m_strZoneNames[static_cast<std::size_t>(z)] = names[z];
    // Twelve zones in use: columns too narrow for "Reception" on one line.
    for (int n = 0; n < 48; ++n) {
        doc.m_pStations[0]->m_Buttons[static_cast<std::size_t>(n)].ToggleZone(n % 12);
        doc.m_pStations[2]->m_Buttons[static_cast<std::size_t>(n)].ToggleZone(n % 12);
    }
    doc.m_SoftButtons[0].ToggleZone(2);
    doc.m_SoftButtons[5].SetName("Night bell");
    const std::string text =
        PdfText(BuildZoneReport(doc, "site.kvx", "2026-12-07"), Page(QPageSize::A4), "-raw");
    std::size_t start = 0;
    int pages = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
        const std::string page = text.substr(start, end - start);
        ++pages;
        if (page.find("HB-") == std::string::npos && page.find("SB-") == std::string::npos)
            continue;
        const char* const headings[] = {"Foyer desk", "Dock Door", "Warehouse Office",
                                        "Soft Buttons"};
        const bool named = std::any_of(std::begin(headings), std::end(headings), [&](auto name) {
            return page.find(name) != std::string::npos;
        });
        EXPECT_TRUE(named) << "page " << pages << ":\n" << page.substr(0, 200);
    }
    EXPECT_GT(pages, 3);
    EXPECT_NE(text.find("Foyer desk (continued)\n"), std::string::npos);
    EXPECT_NE(text.find("Warehouse Office (continued)\n"), std::string::npos);
    // Each word of a name whole wherever it starts, never broken across lines.
    for (const std::string word : {"Reception", "Loading", "Warehouse", "Canteen"}) {
        const std::string piece = word.substr(0, 5);
        for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
            EXPECT_EQ(text.substr(at, word.size()), word);
    }
    EXPECT_NE(text.find("SB-11 "), std::string::npos);
    EXPECT_NE(text.find("SB-12 to SB-15: default names, no zones"), std::string::npos);
    EXPECT_NE(text.find("SB-16 Night bell"), std::string::npos);
    EXPECT_NE(text.find("SB-17 to SB-99: default names, no zones"), std::string::npos);
    EXPECT_EQ(text.find("SB-50"), std::string::npos);
}
