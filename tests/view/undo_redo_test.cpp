// Undo and Redo of every kind of user action, as one step each, from any window of the document;
// the modified flag follows the saved step.

// own
#include "model/ui/max_zones_dlg.h"
#include "tests/view/editing_fixture.h"

// Qt
#include <QLineEdit>
#include <QTest>

namespace {
class UndoRedo : public EditingTest {
protected:
    void SetUp() override {
        doc = &NewDocumentWith(10);
        view = &CStationViewHarness::ViewOf(*doc);
    }
    std::vector<uint8_t> File() const {
        std::vector<uint8_t> bytes;
        doc->WriteConfigFile(bytes);
        return bytes;
    }
    // The action changes the document as one step, which undo takes back and redo does again.
    void ExpectOneStep(const std::string& text, const std::function<void()>& action) {
        const auto before = File();
        action();
        const auto after = File();
        EXPECT_NE(after, before) << text;
        EXPECT_EQ(UndoText(*view), "&Undo " + text);
        view->OnEditUndo();
        EXPECT_EQ(File(), before) << text;
        EXPECT_EQ(RedoText(*view), "&Redo " + text);
        view->OnEditRedo();
        EXPECT_EQ(File(), after) << text;
    }
    static std::string MenuState(CStationView& v, CommandId id) {
        CCmdUI ui;
        v.FindCommand(id).update(ui);
        return ui.IsEnabled() ? ui.Text() : "grey " + ui.Text();
    }
    static std::string UndoText(CStationView& v) { return MenuState(v, ID_EDIT_UNDO); }
    static std::string RedoText(CStationView& v) { return MenuState(v, ID_EDIT_REDO); }
    void ClickRowHeader(int row) {
        QTest::mouseClick(&view->m_Grid, Qt::LeftButton, {},
                          QPoint(10, CStationViewHarness::CellCentre(row, 1).y()));
    }

    CKVDoc* doc = nullptr;
    CStationView* view = nullptr;
};
} // namespace

TEST_F(UndoRedo, EveryKindOfActionIsOneStep) {
    EXPECT_EQ(UndoText(*view), "grey &Undo");
    EXPECT_EQ(RedoText(*view), "grey &Redo");
    ExpectOneStep("Max Number of Zones", [&] {
        CModalScript script;
        script.Then<QDialog>([](QDialog& dlg) {
            dlg.findChild<QLineEdit*>("edit1006")->setText("60");
            dlg.findChild<QPushButton*>("button1")->click();
        });
        OnMaxZones(*doc);
    });
    ExpectOneStep("Switch Zone 5 on HB-03", [&] { ClickCell(*view, 3, 5); });
    ExpectOneStep("Switch Zone 7", [&] { ClickColumnHeader(*view, 7); });
    ExpectOneStep("Switch Zones on SB-12", [&] { ClickRowHeader(12); });
    ExpectOneStep("Switch Zones", [&] {
        view->m_Grid.GetDll().SSSetSelection(view->m_Grid.m_hGrid, 2, 2, 4, 6);
        view->m_Grid.OnGridEvent417(0, 0);
    });
    ClickCell(*view, 2, 9);
    ExpectOneStep("Name Zone 9", [&] { QTest::keyClicks(&view->m_ZoneNameEdit, "Lobby"); });
    EXPECT_EQ(doc->m_strZoneNames[8], "Zone9Lobby");
    ExpectOneStep("Type LCD Text of HB-02", [&] {
        QTest::keyClick(&view->m_LcdTextEdit, Qt::Key_Backspace);
        QTest::keyClicks(&view->m_LcdTextEdit, "Fire");
    });
    ExpectOneStep("Insert Station", [&] { WithDialog(&CStationCommands::OnInsertStation, *view); });
    ExpectOneStep("Add Station", [&] { WithDialog(&CStationCommands::OnAddStation, *view); });
    ExpectOneStep("Delete Station", [&] { commands.OnDeleteStation(*view); });
    ExpectOneStep("Edit Station", [&] {
        WithDialog(&CStationCommands::OnEditStation, *view, [](CStationPropertiesDlg& dlg) {
            dlg.findChild<QLineEdit*>("edit1003")->setText("Hall");
        });
    });
}

TEST_F(UndoRedo, ModifiedFlagFollowsTheSavedStep) {
    EXPECT_FALSE(doc->IsModified());
    ClickCell(*view, 1, 1);
    EXPECT_TRUE(doc->IsModified());
    view->OnEditUndo();
    EXPECT_FALSE(doc->IsModified()) << "back where it was saved";
    view->OnEditRedo();
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(false); // as a save does
    view->OnEditUndo();
    EXPECT_TRUE(doc->IsModified());
    view->OnEditRedo();
    EXPECT_FALSE(doc->IsModified());
    // Typing that comes back to the saved text leaves nothing to undo.
    QTest::keyClicks(&view->m_ZoneNameEdit, "X");
    QTest::keyClick(&view->m_ZoneNameEdit, Qt::Key_Backspace);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(UndoText(*view), "&Undo Switch Zone 1 on HB-01");
}

TEST_F(UndoRedo, UndoInAnotherWindowShowsTheStationItChanges) {
    AddStation(*doc, 4, "Hall").SetAddress(2);
    view->FillStationList();
    CStationView& other = harness.NewWindow(*doc);
    CStationViewHarness::ResizeView(other, {800, 500});
    SelectStation(other, 1);

    ClickCell(*view, 1, 4); // on Station1, which the other window does not show
    other.OnEditUndo();
    EXPECT_TRUE(doc->m_pStations[0]->m_Buttons[0].m_pZones.empty());
    EXPECT_EQ(other.ShownStation(), 0);
    EXPECT_FALSE(CellIsOn(*view, 1, 4));

    SelectStation(other, 1);
    commands.OnDeleteStation(other); // Hall goes: both windows show Station1
    EXPECT_EQ(view->ShownStation(), 0);
    view->OnEditUndo();
    ASSERT_EQ(doc->m_pStations.size(), 2u);
    EXPECT_EQ(doc->m_pStations[1]->GetName(), "Hall");
    EXPECT_EQ(view->ShownStation(), 1) << "the acting window shows the station brought back";
    EXPECT_EQ(other.ShownStation(), 0);
    EXPECT_EQ(ListOf(other), (std::vector<std::string>{"Station1", "Hall"}));
}
