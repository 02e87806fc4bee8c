// Two and three windows of one document deleting, inserting and editing each other's stations:
// every window follows at once, none acts on a station that has gone.

// own
#include "model/config_edits.h"
#include "tests/view/editing_fixture.h"

// Qt
#include <QLineEdit>
#include <QTest>

namespace {
using Names = std::vector<std::string>;

class ViewsInStep : public EditingTest {
protected:
    // Stations Station1 to Station3 (the second a 10-button one) in three windows, window i
    // showing station i.
    void SetUp() override {
        doc = &NewDocumentWith(4);
        AddStation(*doc, 10, "Station2").SetAddress(2);
        AddStation(*doc, 4, "Station3").SetAddress(3);
        views = {&CStationViewHarness::ViewOf(*doc)};
        views[0]->FillStationList();
        for (int i = 1; i < 3; ++i) {
            views.push_back(&harness.NewWindow(*doc));
            CStationViewHarness::ResizeView(*views[i], {800, 500});
            SelectStation(*views[i], i);
        }
    }
    std::string Shown(int window) const {
        const int station = views[window]->ShownStation();
        return station < 0 ? "none" : doc->m_pStations[station]->GetName();
    }

    CKVDoc* doc = nullptr;
    std::vector<CStationView*> views;
};
} // namespace

TEST_F(ViewsInStep, DeletingAnotherWindowsStationMovesItToTheNeighbour) {
    commands.OnDeleteStation(*views[1]);
    for (CStationView* view : views)
        EXPECT_EQ(ListOf(*view), (Names{"Station1", "Station3"}));
    EXPECT_EQ(Shown(0), "Station1");
    EXPECT_EQ(Shown(1), "Station3") << "the deleted station's successor";
    EXPECT_EQ(Shown(2), "Station3") << "its own station, one place up";
    EXPECT_EQ(views[2]->m_StationList.currentRow(), 1);

    commands.OnDeleteStation(*views[2]); // the last: the new last one is shown
    EXPECT_EQ(Shown(1), "Station1");
    EXPECT_EQ(Shown(2), "Station1");
    // Acting in a window whose station went acts on the one it shows now.
    ClickCell(*views[1], 1, 5);
    EXPECT_EQ(Zones(doc->m_pStations[0]->m_Buttons[0]), std::vector<int>{4});
    EXPECT_TRUE(CellIsOn(*views[0], 1, 5));
    EXPECT_TRUE(CellIsOn(*views[2], 1, 5));
    // One station left: the question is about it, and deleting it is refused.
    commands.OnDeleteStation(*views[0]);
    EXPECT_EQ(boxes.Texts().back(), "At least one station is required");
    EXPECT_EQ(boxes.Texts().size(), 3u);
}

TEST_F(ViewsInStep, InsertingBeforeAnotherWindowsStationKeepsItShown) {
    // Inserted at the very place of the station the second window shows.
    views[0]->m_StationList.setCurrentRow(1);
    WithDialog(&CStationCommands::OnInsertStation, *views[0], [](CStationPropertiesDlg& dlg) {
        dlg.findChild<QLineEdit*>("edit1003")->setText("New");
    });
    for (CStationView* view : views)
        EXPECT_EQ(ListOf(*view), (Names{"Station1", "New", "Station2", "Station3"}));
    EXPECT_EQ(Shown(0), "New");
    EXPECT_EQ(Shown(1), "Station2");
    EXPECT_EQ(Shown(2), "Station3");
    EXPECT_EQ(views[2]->m_StationList.currentRow(), 3);
    ClickCell(*views[2], 2, 3);
    EXPECT_EQ(Zones(doc->m_pStations[3]->m_Buttons[1]), std::vector<int>{2});

    WithDialog(&CStationCommands::OnAddStation, *views[1]);
    EXPECT_EQ(ListOf(*views[2]).size(), 5u);
    EXPECT_EQ(Shown(1), "Station5");
    EXPECT_EQ(Shown(2), "Station3");
}

TEST_F(ViewsInStep, ZonesNamesAndPropertiesReachEveryWindowAtOnce) {
    SelectStation(*views[2], 1); // windows 1 and 2 both show the 10-button Station2
    ClickCell(*views[1], 3, 7);
    EXPECT_TRUE(CellIsOn(*views[2], 3, 7));
    ClickCell(*views[0], 1, 7); // HB-01 of another station
    EXPECT_FALSE(CellIsOn(*views[2], 1, 7));
    ClickCell(*views[1], 11, 2); // SB-11: every 10-button window shows it
    EXPECT_TRUE(CellIsOn(*views[2], 11, 2));
    EXPECT_FALSE(CellIsOn(*views[0], 4, 2));

    // Window 2 looks at the cell window 1 types for.
    views[2]->m_Grid.GetDll().SSSetActiveCell(views[2]->m_Grid.m_hGrid, 11, 2);
    views[2]->ShowActiveCellTexts();
    QTest::keyClicks(&views[1]->m_ZoneNameEdit, "X");
    QTest::keyClicks(&views[1]->m_LcdTextEdit, "Y");
    EXPECT_EQ(doc->m_strZoneNames[1], "Zone2X");
    EXPECT_EQ(views[2]->m_ZoneNameEdit.text(), "Zone2X");
    EXPECT_EQ(views[2]->m_LcdTextEdit.text(), "SoftButton11Y");

    WithDialog(&CStationCommands::OnEditStation, *views[0], [](CStationPropertiesDlg& dlg) {
        dlg.findChild<QLineEdit*>("edit1003")->setText("Hall");
    });
    for (CStationView* view : views)
        EXPECT_EQ(ListOf(*view), (Names{"Hall", "Station2", "Station3"}));
    EXPECT_EQ(Shown(2), "Station2");

    doc->Perform(std::make_unique<CMaxZonesEdit>(*doc, 12));
    for (CStationView* view : views) {
        int32_t cols = 0;
        view->m_Grid.GetDll().SSGetMaxCol(view->m_Grid.m_hGrid, &cols);
        EXPECT_EQ(cols, 12);
    }
}
