// CStationView: what it shows for each kind of station, its layout and drawing, and switching
// zones with the mouse.

// own
#include "tests/view/grid_call_log.h"
#include "tests/view/station_view_fixture.h"

// Qt
#include <QImage>
#include <QTest>

// std
#include <cstdlib>

namespace {
int MaxRow(CStationView& view) {
    int32_t rows = 0;
    view.m_Grid.GetDll().SSGetMaxRow(view.m_Grid.m_hGrid, &rows);
    return rows;
}

// Whether any pixel of `area` is drawn dark, as text and lines are.
bool DrawnIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 100) return true;
    return false;
}
} // namespace

using StationViewShows = StationViewTest;

TEST_F(StationViewShows, FourButtonStationWithFourRowsGridAtTwentyFourAndNoLcdBox) {
    CKVDoc& doc = NewDocumentWith(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    EXPECT_EQ(MaxRow(view), 4);
    EXPECT_EQ(view.m_Grid.m_nLayout, 0);
    EXPECT_EQ(InView(view, view.m_StationList), QRect(0, 0, 140, 500));
    EXPECT_EQ(InView(view, view.m_Grid), QRect(142, 24, 658, 476));
    EXPECT_EQ(InView(view, view.m_ZoneNameEdit), QRect(242, 0, 558, 22));
    EXPECT_EQ(InView(view, view.m_LcdTextEdit).size(), QSize(0, 0));
    EXPECT_FALSE(view.m_LcdTextEdit.isVisible());
    EXPECT_TRUE(view.m_Grid.isVisible());
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone1");
    EXPECT_EQ(view.findChild<QLineEdit*>("edit103"), &view.m_LcdTextEdit);
}

TEST_F(StationViewShows, TenButtonBreakOutWithHb01ToHb09ThenSb11ToSb99) {
    CKVDoc& doc = NewDocumentWith(9);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    CGridCallLog log(harness.dll);
    view.ShowStation(0);
    const auto rows = log.Of("SSSetRowText");
    ASSERT_EQ(rows.size(), 98u);
    EXPECT_EQ(rows[0], "SSSetRowText(1,HB-01)");
    EXPECT_EQ(rows[8], "SSSetRowText(9,HB-09)");
    EXPECT_EQ(rows[9], "SSSetRowText(10,SB-11)");
    EXPECT_EQ(rows[97], "SSSetRowText(98,SB-99)");
    EXPECT_EQ(MaxRow(view), 98);
    EXPECT_EQ(view.m_Grid.m_nLayout, 4);
    EXPECT_EQ(InView(view, view.m_Grid), QRect(142, 48, 658, 452));
    EXPECT_EQ(InView(view, view.m_LcdTextEdit), QRect(242, 24, 558, 22));
    EXPECT_TRUE(view.m_LcdTextEdit.isVisible());
    EXPECT_EQ(view.m_LcdTextEdit.text(), "HardButton1");
}

TEST_F(StationViewShows, StationWithTheGridCallsInTheirOrder) {
    CKVDoc& doc = NewDocumentWith(10);
    doc.m_nMaxZones = 50;
    doc.m_pStations[0]->m_Buttons[1].ToggleZone(6);
    doc.m_SoftButtons[88].ToggleZone(49);
    doc.m_SoftButtons[0].ToggleZone(50); // past the zones in use: no cell
    CStationView& view = CStationViewHarness::ViewOf(doc);
    CGridCallLog log(harness.dll);
    view.ShowStation(0);
    const std::vector<std::string> head(log.calls.begin(), log.calls.begin() + 21);
    EXPECT_EQ(head, (std::vector<std::string>{"SSInitTable()",
                                              "SSSetMaxRow(99)",
                                              "SSSetAllowEditHeaders(0)",
                                              "SSSetAllowArrows(1)",
                                              "SSSetAllowTabs(1)",
                                              "SSSetAllowFormulas(0)",
                                              "SSSetShowFormulas(0)",
                                              "SSSetAllowMoveRange(0)",
                                              "SSSetFireEvent(1031,1)",
                                              "SSSetFireEvent(1027,1)",
                                              "SSSetAllowInCellEditing(0)",
                                              "SSSetAllowDelete(0)",
                                              "SSSetAllowResize(0)",
                                              "SSSetMaxCol(50)",
                                              "SSSetDefaultFont(Arial,8)",
                                              "SSSetSelection(1,1,10,99)",
                                              "SSSetAlignment(3,0,2,0)",
                                              "SSSetHdrSelection(1,1,1)",
                                              "SSSetAlignment(3,0,2,0)",
                                              "SSSetHdrSelection(0,0,0)",
                                              "SSSetHdrWidth(2048)"}));
    const auto cols = log.Of("SSSetColText");
    ASSERT_EQ(cols.size(), 99u);
    EXPECT_EQ(cols[0], "SSSetColText(1,01)");
    EXPECT_EQ(cols[98], "SSSetColText(99,99)");
    EXPECT_EQ(log.Of("SSSetColWidth").at(4), "SSSetColWidth(5,5,750,0)");
    std::vector<std::string> setters;
    for (const std::string& call : log.calls)
        if (call.starts_with("SSSet")) setters.push_back(call);
    const std::vector<std::string> tail(setters.end() - 9, setters.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "SSSetActiveCell(2,7)", "SSSetPattern(1,255,16777215)", "SSSetText(On)",
                        "SSSetActiveCell(99,50)", "SSSetPattern(1,255,16777215)", "SSSetText(On)",
                        "SSSetSelection(10,1,11,99)", "SSSetBorder(0,0,0,0,2,0,0,0,0,0,0)",
                        "SSSetActiveCell(1,1)"}));
}

TEST_F(StationViewShows, DividerLabelsAndLcdLabelOnlyForTheTenButtonPagingStation) {
    CKVDoc& doc = NewDocumentWith(10);
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(1);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.ShowStation(0);
    QImage image = view.grab().toImage();
    if (const char* folder = std::getenv("CORV_SCREENSHOT_DIR"))
        image.save(QString::fromLocal8Bit(folder) + "/station_view.png");
    EXPECT_TRUE(DrawnIn(image, {141, 300, 1, 1}));
    EXPECT_TRUE(DrawnIn(image, {600, 23, 1, 1}));
    EXPECT_TRUE(DrawnIn(image, {600, 47, 1, 1}));
    EXPECT_TRUE(DrawnIn(image, {143, 0, 98, 22}));  // "Zone Name:"
    EXPECT_TRUE(DrawnIn(image, {143, 24, 98, 22})); // "LCD Text:"
    EXPECT_TRUE(CellIsOn(view, 1, 2));

    doc.m_pStations[0]->SetType(9);
    view.ShowStation(0);
    image = view.grab().toImage();
    EXPECT_FALSE(DrawnIn(image, {143, 24, 98, 22}));
    EXPECT_FALSE(DrawnIn(image, {600, 47, 1, 1}));
}

TEST_F(StationViewShows, AddressesAsPortDashAddressBeforeTheName) {
    CKVDoc& doc = NewDocumentWith(4);
    CStation& lobby = AddStation(doc, 10, "Lobby");
    lobby.SetPort(3);
    lobby.SetAddress(7);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    harness.settings.m_bShowAddresses = true;
    view.FillStationList();
    EXPECT_EQ(view.m_StationList.item(1)->text(), "3-7: Lobby");
    EXPECT_EQ(view.m_StationList.item(0)->text(), "1-1: Station1");
    EXPECT_EQ(view.m_StationList.currentRow(), 0);
    harness.settings.m_bShowAddresses = false;
    AddStation(doc, 4, "Caf\xE9 \x80");
    view.FillStationList();
    EXPECT_EQ(view.m_StationList.item(1)->text(), "Lobby");
    EXPECT_EQ(view.m_StationList.item(2)->text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
}

TEST_F(StationViewShows, NothingOfAGridItCannotMakeButStillTheLayoutAndEdits) {
    harness.dll.Free();
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    EXPECT_EQ(view.m_Grid.m_hGrid, nullptr);
    EXPECT_EQ(InView(view, view.m_LcdTextEdit), QRect(242, 24, 558, 22));
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone1");
    EXPECT_EQ(view.m_LcdTextEdit.text(), "HardButton1");
    QTest::keyClicks(&view.m_ZoneNameEdit, "X"); // no active cell to rename
    EXPECT_EQ(doc.m_strZoneNames[0], "Zone1");
}

using StationViewSwitches = StationViewTest;

TEST_F(StationViewSwitches, ClickedCellOnAndOffKeepingTheListAscending) {
    CKVDoc& doc = NewDocumentWith(4);
    CBtn& button = doc.m_pStations[0]->m_Buttons[0];
    button.ToggleZone(1);
    button.ToggleZone(8);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.ShowStation(0);
    ClickCell(view, 1, 5);
    EXPECT_EQ(Zones(button), (std::vector<int>{1, 4, 8}));
    EXPECT_TRUE(CellIsOn(view, 1, 5));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone5");
    ClickCell(view, 1, 2);
    EXPECT_EQ(Zones(button), (std::vector<int>{4, 8}));
    EXPECT_FALSE(CellIsOn(view, 1, 2));
    EXPECT_TRUE(CellIsOn(view, 1, 5));
}

TEST_F(StationViewSwitches, ZoneAFileHoldsTwiceGoesOffInCellAndModelAlike) {
    CKVDoc& doc = NewDocumentWith(4);
    CBtn& button = doc.m_pStations[0]->m_Buttons[2];
    button.m_pZones = {CZone(3), CZone(3)};
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.ShowStation(0);
    ASSERT_TRUE(CellIsOn(view, 3, 4));
    ClickCell(view, 3, 4);
    EXPECT_TRUE(button.m_pZones.empty());
    EXPECT_FALSE(CellIsOn(view, 3, 4));
}

TEST_F(StationViewSwitches, ColumnHeaderSwitchesEveryRowSoftRowsIncludedForEveryTenButtonStation) {
    CKVDoc& doc = NewDocumentWith(10);
    CStation& breakOut = AddStation(doc, 9, "Panel");
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.FillStationList();
    ClickColumnHeader(view, 3);
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[j]), std::vector<int>{2}) << j;
    for (const CBtn& soft : doc.m_SoftButtons)
        EXPECT_EQ(Zones(soft), std::vector<int>{2});
    EXPECT_TRUE(breakOut.m_Buttons[0].m_pZones.empty());

    SelectStation(view, 1);
    EXPECT_EQ(doc.m_nCurStation, 1);
    EXPECT_FALSE(CellIsOn(view, 9, 3)); // HB-09 of the break-out
    EXPECT_TRUE(CellIsOn(view, 10, 3)); // its SB-11
    ClickColumnHeader(view, 3);         // and off again, soft rows first
    for (const CBtn& soft : doc.m_SoftButtons)
        EXPECT_TRUE(soft.m_pZones.empty());
    EXPECT_EQ(Zones(breakOut.m_Buttons[8]), std::vector<int>{2});
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[0]), std::vector<int>{2});
}
