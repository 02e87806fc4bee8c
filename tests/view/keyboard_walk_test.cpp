// The station view without a mouse: a station's properties opened by Enter on the list and by
// the Edit menu's command, a block of cells marked with Shift and switched with Space, each
// step taken back by Undo.

// own
#include "framework/command_ids.h"
#include "tests/view/editing_fixture.h"

// Qt
#include <QLineEdit>
#include <QTest>

namespace {
class KeyboardWalk : public EditingTest {
protected:
    void SetUp() override {
        doc = &NewDocumentWith(10);
        view = &CStationViewHarness::ViewOf(*doc);
        harness.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.window));
    }
    // Answers the Station Properties dialog by keys alone: the name typed into the field the
    // dialog opens on, then Enter for OK.
    void TypeNameThenEnter(const QString& name) {
        script.Then<QDialog>([this, name](QDialog& dlg) {
            QWidget* field = dlg.focusWidget();
            if (field == nullptr) return dlg.reject();
            openedOn = field->objectName();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, name);
            QTest::keyClick(field, Qt::Key_Return);
        });
    }
    std::vector<int> Zones(int button) const {
        return StationViewTest::Zones(doc->m_pStations[0]->m_Buttons[button]);
    }
    void Keys(Qt::Key key, int times = 1, Qt::KeyboardModifiers held = Qt::ShiftModifier) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&view->m_Grid, key, held);
    }

    CKVDoc* doc = nullptr;
    CStationView* view = nullptr;
    CModalScript script;
    QString openedOn;
};
} // namespace

TEST_F(KeyboardWalk, PropertiesByEnterAndMenuBlocksByShiftSwitchedBySpaceUndoneStepByStep) {
    // Enter on the station list opens the selected station's properties on its name.
    view->m_StationList.setFocus();
    TypeNameThenEnter("Lobby");
    QTest::keyClick(&view->m_StationList, Qt::Key_Return);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(openedOn, "edit1003");
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Lobby");
    EXPECT_EQ(view->m_StationList.item(0)->text(), "Lobby");
    // The Edit menu's command does the same, wherever the focus is.
    TypeNameThenEnter("Foyer");
    view->FindCommand(ID_EDIT_STATION_PROPERTIES).run();
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Foyer");
    EXPECT_EQ(view->window()->focusWidget(), &view->m_Grid);

    // From HB-01 / Zone 1, Shift+Right twice and Shift+Down mark a block of 2 x 3 cells, which
    // switches nothing until Space switches it whole, as a drag would.
    Keys(Qt::Key_Right, 2);
    Keys(Qt::Key_Down);
    EXPECT_EQ(Zones(0), std::vector<int>{});
    QTest::keyClick(&view->m_Grid, Qt::Key_Space);
    EXPECT_EQ(Zones(0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Zones(1), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(CellIsOn(*view, 2, 3));

    // Plain arrows start afresh at HB-02 / Zone 5; Shift+click on HB-04 / Zone 6 marks a block
    // from there, Shift+End runs it to the last zone, and Space switches the 3 x 95 cells.
    // Space again then switches only the active cell.
    Keys(Qt::Key_Right, 2, Qt::NoModifier);
    QTest::mouseClick(&view->m_Grid, Qt::LeftButton, Qt::ShiftModifier,
                      CStationViewHarness::CellCentre(4, 6));
    Keys(Qt::Key_End);
    EXPECT_EQ(Zones(3), std::vector<int>{});
    QTest::keyClick(&view->m_Grid, Qt::Key_Space);
    std::vector<int> fromFifth;
    for (int zone = 4; zone < 99; ++zone)
        fromFifth.push_back(zone);
    EXPECT_EQ(Zones(2), fromFifth);
    EXPECT_EQ(Zones(3), fromFifth);
    std::vector<int> both = {0, 1, 2};
    both.insert(both.end(), fromFifth.begin(), fromFifth.end());
    EXPECT_EQ(Zones(1), both);
    QTest::keyClick(&view->m_Grid, Qt::Key_Space);
    EXPECT_EQ(Zones(3).size(), fromFifth.size() - 1);

    // Undo takes the steps back one by one, the names last.
    view->OnEditUndo();
    EXPECT_EQ(Zones(3), fromFifth);
    view->OnEditUndo();
    EXPECT_EQ(Zones(1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Zones(3), std::vector<int>{});
    view->OnEditUndo();
    EXPECT_EQ(Zones(0), std::vector<int>{});
    EXPECT_FALSE(CellIsOn(*view, 2, 3));
    view->OnEditUndo();
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Lobby");
    view->OnEditUndo();
    EXPECT_EQ(doc->m_pStations[0]->GetName(), "Station1");
}
