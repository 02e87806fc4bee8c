// Undo and Redo in the editor's own frame: the Edit menu names the step, the keys reach it from
// any window, the title's modified mark follows the saved step.

#include "app/frame_menus.h"
#include "app/frame_status_bar.h"
#include "tests/app/app_fixture.h"
#include "view/station_view.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <functional>

namespace {
class EditHistory : public AppTest {
protected:
    void SetUp() override {
        Start();
        doc = dynamic_cast<CKVDoc*>(Documents().NewDocument());
        view = dynamic_cast<CStationView*>(Documents().ActiveView());
    }
    // The item's text and its key binding, as the menu shows them side by side.
    QString ItemText(CommandId id) {
        Frame().Commands().Update();
        const QAction& action = *Frame().CurrentMenu().Action(id);
        return action.text() + " [" + action.shortcut().toString() + "]";
    }
    // The frame with its Edit menu open, as one picture, into CORV_SCREENSHOT_DIR when set.
    void SaveEditMenuPicture() {
        const char* folder = std::getenv("CORV_SCREENSHOT_DIR");
        if (folder == nullptr) return;
        QMenu& edit = *Frame().CurrentMenu().MenuOf(ID_EDIT_UNDO);
        Frame().Commands().Update();
        edit.popup(Frame().mapToGlobal(QPoint(40, 40)));
        QTest::qWait(50);
        QImage picture = Frame().grab().toImage();
        QPainter painter(&picture);
        painter.drawPixmap(Frame().mapFromGlobal(edit.pos()), edit.grab());
        painter.end();
        picture.save(QString::fromLocal8Bit(folder) + "/edit-menu-undo.png");
        edit.hide();
    }

    CKVDoc* doc = nullptr;
    CStationView* view = nullptr;
};
} // namespace

TEST_F(EditHistory, MenuNamesTheStepAndEveryKeyReachesIt) {
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "&Undo [Ctrl+Z]");
    view->m_Grid.ToggleZone(3, 5);
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "&Undo Switch Zone 5 on HB-03 [Ctrl+Z]");
    EXPECT_TRUE(Frame().CurrentMenu().Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(Frame().CurrentMenu().Action(ID_EDIT_REDO)->isEnabled());
    SaveEditMenuPicture();
    const auto zones = [&] { return doc->m_pStations[0]->m_Buttons[2].m_pZones.size(); };
    auto* window = dynamic_cast<QMdiSubWindow*>(view->parentWidget());

    QTest::keyClick(&Frame(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zones(), 0u);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(ItemText(ID_EDIT_REDO), "&Redo Switch Zone 5 on HB-03 [Ctrl+Y]");
    QTest::keyClick(&Frame(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(zones(), 1u);
    EXPECT_TRUE(window->isWindowModified());
    QTest::keyClick(&Frame(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(zones(), 0u);
    QTest::keyClick(&Frame(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(zones(), 1u);

    // From a second window of the document too.
    Frame().Commands().Execute(ID_WINDOW_NEW);
    ASSERT_NE(Documents().ActiveView(), view);
    QTest::keyClick(&Frame(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zones(), 0u);
    Frame().m_wndStatusBar->ShowPrompt(ID_EDIT_REDO);
    EXPECT_EQ(Frame().m_wndStatusBar->MessageText(), "Redo the previously undone action");
}

// The boxes keep no history of their own: the keys typed into them step the document's, and what
// was typed before a key is one step.
TEST_F(EditHistory, KeysTypedIntoEitherBoxStepTheDocumentsHistory) {
    view->m_Grid.ToggleZone(3, 5);
    view->ShowCell(0, 3, 5);
    const auto undoEnabled = [&] {
        Frame().Commands().Update();
        return Frame().CurrentMenu().Action(ID_EDIT_UNDO)->isEnabled();
    };
    const auto redoEnabled = [&] {
        Frame().Commands().Update();
        return Frame().CurrentMenu().Action(ID_EDIT_REDO)->isEnabled();
    };
    struct Box {
        CLimitEdit* edit;
        std::function<std::string()> text; // the model's text the box edits
        Qt::Key undoKey;
        Qt::KeyboardModifiers undoModifiers;
        Qt::KeyboardModifiers redoModifiers;
        Qt::Key redoKey;
    };
    const Box boxes[] = {
        {&view->m_ZoneNameEdit, [&] { return doc->m_strZoneNames[4]; }, Qt::Key_Z,
         Qt::ControlModifier, Qt::ControlModifier, Qt::Key_Y},
        {&view->m_LcdTextEdit, [&] { return doc->m_pStations[0]->m_Buttons[2].m_strName; },
         Qt::Key_Backspace, Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z},
    };
    for (const Box& box : boxes) {
        const std::string before = box.text();
        box.edit->setFocus(Qt::OtherFocusReason);
        box.edit->selectAll();
        QTest::keyClicks(box.edit, "Lobby");
        ASSERT_EQ(box.text(), "Lobby");
        QTest::keyClick(box.edit, box.undoKey, box.undoModifiers);
        EXPECT_EQ(box.text(), before);
        EXPECT_EQ(box.edit->text().toStdString(), before);
        EXPECT_TRUE(redoEnabled());
        QTest::keyClick(box.edit, box.redoKey, box.redoModifiers);
        EXPECT_EQ(box.text(), "Lobby");
        EXPECT_EQ(box.edit->text().toStdString(), "Lobby");
        // Typing after a step is a step of its own.
        QTest::keyClicks(box.edit, " 2");
        EXPECT_EQ(box.text(), "Lobby 2");
        QTest::keyClick(box.edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text(), "Lobby");
        QTest::keyClick(box.edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text(), before);
        EXPECT_EQ(box.edit->text().toStdString(), before);
    }
    // Both boxes' steps are gone; the zone switched before them is next.
    QTest::keyClick(&view->m_LcdTextEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(doc->m_pStations[0]->m_Buttons[2].m_pZones.empty());
    EXPECT_FALSE(undoEnabled());
    EXPECT_FALSE(doc->IsModified());
}
