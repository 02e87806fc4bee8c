// CStationView's edit boxes, keys and commands, and several views of one document.

// own
#include "tests/view/station_view_fixture.h"
#include "view/station_editing.h"

// Qt
#include <QApplication>
#include <QTest>

namespace {
// Records which station command ran on which view.
class CRecordingViewEditing : public CStationEditing {
public:
    void OnInsertStation(CStationView& view) override { Record("insert", view); }
    void OnAddStation(CStationView& view) override { Record("add", view); }
    void OnDeleteStation(CStationView& view) override { Record("delete", view); }
    void OnEditStation(CStationView& view) override { Record("edit", view); }

    std::vector<std::string> commands;
    CStationView* lastView = nullptr;

private:
    void Record(const char* command, CStationView& view) {
        commands.emplace_back(command);
        lastView = &view;
    }
};

void Focus(QWidget& widget) {
    widget.window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget.window()));
    widget.setFocus();
}
} // namespace

using StationViewEdits = StationViewTest;

TEST_F(StationViewEdits, FollowTheActiveCellAndChangeTheModelOnEveryKeystroke) {
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    ClickCell(view, 2, 7);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(view.m_ZoneNameEdit.text(), "Zone7");
    EXPECT_EQ(view.m_LcdTextEdit.text(), "HardButton2");
    QTest::keyClicks(&view.m_ZoneNameEdit, "X");
    EXPECT_EQ(doc.m_strZoneNames[6], "Zone7X");
    EXPECT_TRUE(doc.IsModified());
    QTest::keyClick(&view.m_LcdTextEdit, Qt::Key_Backspace);
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[1].GetName(), "HardButton");
    QTest::keyClicks(&view.m_LcdTextEdit, "9");
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[1].GetName(), "HardButton9");

    QTest::keyClick(&view.m_Grid, Qt::Key_Down); // the edits follow the arrow keys too
    EXPECT_EQ(view.m_LcdTextEdit.text(), "HardButton3");
    view.ShowStation(0); // showing writes the boxes without changing the model
    EXPECT_EQ(doc.m_strZoneNames[0], "Zone1");
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[0].GetName(), "HardButton1");
}

TEST_F(StationViewEdits, SoftButtonTextBelongsToTheDocument) {
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    ClickCell(view, 11, 1); // SB-11
    EXPECT_EQ(view.m_LcdTextEdit.text(), "SoftButton11");
    view.m_LcdTextEdit.clear();
    QTest::keyClicks(&view.m_LcdTextEdit, "Fire");
    EXPECT_EQ(doc.m_SoftButtons[0].GetName(), "Fire");
}

TEST_F(StationViewEdits, SeventeenthLcdCharacterIsRefusedAndEnterReturnsToTheGrid) {
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.m_LcdTextEdit.clear();
    Focus(view.m_LcdTextEdit);
    QTest::keyClicks(&view.m_LcdTextEdit, "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(view.m_LcdTextEdit.text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[0].GetName(), "ABCDEFGHIJKLMNOP");
    QTest::keyClick(&view.m_LcdTextEdit, Qt::Key_Return);
    EXPECT_TRUE(view.m_Grid.hasFocus());
    EXPECT_EQ(view.m_ZoneNameEdit.m_nLimit, 256);
}

TEST_F(StationViewEdits, InsertAndDeleteKeysInTheGridStartTheStationCommands) {
    CRecordingViewEditing editing;
    CStationViewHarness local(&editing);
    CKVDoc& doc = local.NewDocument();
    CStationView& view = CStationViewHarness::ViewOf(doc);
    Focus(view.m_Grid);
    QTest::keyClick(&view.m_Grid, Qt::Key_Insert);
    QTest::keyClick(&view.m_Grid, Qt::Key_Delete);
    QTest::keyClick(&view.m_Grid, Qt::Key_Delete, Qt::ShiftModifier); // Cut's key: nothing
    Focus(view.m_StationList);
    QTest::keyClick(&view.m_StationList, Qt::Key_Insert);
    QTest::keyClick(&view.m_StationList, Qt::Key_Delete);
    EXPECT_EQ(editing.commands, (std::vector<std::string>{"insert", "delete"}));
    EXPECT_EQ(editing.lastView, &view);

    const QRect item = view.m_StationList.visualItemRect(view.m_StationList.item(0));
    QTest::mouseClick(view.m_StationList.viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(view.m_StationList.viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(editing.commands.back(), "edit");
    view.FindCommand(ID_EDIT_ADD_STATION).run();
    EXPECT_EQ(editing.commands.back(), "add");
}

TEST_F(StationViewEdits, StationCommandsAreDisabledWithoutTheirImplementation) {
    CKVDoc& doc = NewDocumentWith(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    for (CommandId id : {ID_EDIT_ADD_STATION, ID_EDIT_INSERT_STATION, ID_EDIT_DELETE_STATION}) {
        const CCommandRoute route(&view, &doc, nullptr, nullptr);
        EXPECT_FALSE(route.State(id).IsEnabled()) << id;
    }
    QTest::keyClick(&view.m_Grid, Qt::Key_Delete); // and the key does nothing
    EXPECT_EQ(doc.m_pStations.size(), 1u);
}

using StationViewsOfOneDocument = StationViewTest;

TEST_F(StationViewsOfOneDocument, EachToggleTheirOwnStation) {
    CKVDoc& doc = NewDocumentWith(4);
    AddStation(doc, 10, "Lobby");
    CStationView& first = CStationViewHarness::ViewOf(doc);
    first.FillStationList();
    CStationView& second = harness.NewWindow(doc);
    CStationViewHarness::ResizeView(second, {800, 500});
    SelectStation(second, 1);
    ASSERT_EQ(doc.m_nCurStation, 1);

    ClickCell(first, 4, 20); // HB-04: only the 4-button station has a row 4 of its own
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[3]), std::vector<int>{19});
    EXPECT_TRUE(doc.m_pStations[1]->m_Buttons[3].m_pZones.empty());
    EXPECT_EQ(doc.m_nCurStation, 0);

    ClickCell(second, 4, 21);
    EXPECT_EQ(Zones(doc.m_pStations[1]->m_Buttons[3]), std::vector<int>{20});
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[3]), std::vector<int>{19});
    ClickCell(second, 11, 1); // SB-11: a row the 4-button station does not have
    EXPECT_EQ(Zones(doc.m_SoftButtons[0]), std::vector<int>{0});
    EXPECT_EQ(second.m_LcdTextEdit.text(), "SoftButton11");

    first.FillStationList(); // as View Station Addresses refills it
    EXPECT_EQ(first.m_StationList.currentRow(), 0);
    ClickCell(first, 4, 20);
    EXPECT_TRUE(doc.m_pStations[0]->m_Buttons[3].m_pZones.empty());
}

TEST_F(StationViewsOfOneDocument, ViewBehindAnotherViewsDeletionChangesNothing) {
    CKVDoc& doc = NewDocumentWith(10);
    AddStation(doc, 10, "Lobby");
    CStationView& first = CStationViewHarness::ViewOf(doc);
    first.FillStationList();
    SelectStation(first, 1);
    CStationView& second = harness.NewWindow(doc); // shows Lobby too
    // The second view removes Lobby; the first still shows it.
    doc.m_pStations.erase(doc.m_pStations.begin() + 1);
    doc.m_nCurStation = 0;
    second.FillStationList();
    second.ShowStation(0);

    ClickCell(first, 2, 2);
    QTest::keyClicks(&first.m_LcdTextEdit, "X");
    EXPECT_TRUE(doc.m_pStations[0]->m_Buttons[1].m_pZones.empty());
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[1].GetName(), "HardButton2");
    SelectStation(first, 0); // the list rebuilds nothing by itself; row 0 still exists
    ClickCell(first, 2, 2);
    EXPECT_EQ(Zones(doc.m_pStations[0]->m_Buttons[1]), std::vector<int>{1});
}

TEST_F(StationViewsOfOneDocument, ListWithNoSelectionIsIgnored) {
    CKVDoc& doc = NewDocumentWith(10);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    view.m_StationList.setCurrentRow(-1);
    EXPECT_EQ(doc.m_nCurStation, 0);
    EXPECT_EQ(view.SelectedStation(), -1);
    ClickCell(view, 1, 1);
    EXPECT_TRUE(doc.m_pStations[0]->m_Buttons[0].m_pZones.empty());
}
