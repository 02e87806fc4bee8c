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
