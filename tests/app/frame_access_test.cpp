// The main frame for the keyboard and screen readers: F6 round a document window's panes, the
// cell under the pointer in the message pane, the toolbar's buttons by name.

#include "app/frame_status_bar.h"
#include "app/frame_toolbar.h"
#include "tests/app/app_fixture.h"
#include "view/station_view.h"

#include <QAccessible>
#include <QApplication>
#include <QStatusTipEvent>
#include <QTest>

namespace {
class FrameAccessTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    CStationView& NewDocumentView() {
        Frame().Commands().Execute(ID_FILE_NEW);
        auto* view = dynamic_cast<CStationView*>(Documents().Documents().back()->GetFirstView());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};
} // namespace

TEST_F(FrameAccessTest, F6AndShiftF6MoveTheFocusRoundTheActiveDocumentsPanes) {
    CStationView& view = NewDocumentView();
    view.m_Grid.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &view.m_Grid);
    // A new document's station has no LCD text box.
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_StationList);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_ZoneNameEdit);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_Grid);
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &view.m_ZoneNameEdit);
}

TEST_F(FrameAccessTest, MessagePaneShowsTheCellUnderThePointerThenIdlesAgain) {
    CStationView& view = NewDocumentView();
    CFrameStatusBar& status = *Frame().m_wndStatusBar;
    QTest::mouseMove(&view.m_Grid, QPoint(64 + 23 + 11, 19 + 19 + 9));
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 Off"));
    QTest::mouseMove(&view.m_Grid, QPoint(5, 5));
    EXPECT_EQ(status.MessageText(), " Welcome to Corvantine");
}

TEST_F(FrameAccessTest, MessagePaneFollowsAChangeUnderARestingPointer) {
    CStationView& view = NewDocumentView();
    CFrameStatusBar& status = *Frame().m_wndStatusBar;
    const QPoint cell(64 + 23 + 11, 19 + 19 + 9);
    QTest::mouseMove(&view.m_Grid, cell);
    QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {}, cell);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 On"));
    Frame().Commands().Execute(ID_EDIT_UNDO);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 Off"));
    Frame().Commands().Execute(ID_EDIT_REDO);
    EXPECT_EQ(status.MessageText(), QString::fromUtf8("HB-02 \u00b7 Zone 2: Zone2 \u00b7 On"));
}

TEST_F(FrameAccessTest, ToolbarButtonsHaveNames) {
    QStringList names;
    for (QAction* action : Frame().m_wndToolBar->actions())
        if (!action->isSeparator())
            names << QAccessible::queryAccessibleInterface(
                         Frame().m_wndToolBar->widgetForAction(action))
                         ->text(QAccessible::Name);
    EXPECT_EQ(names,
              (QStringList{"New", "Open", "Save", "Cut", "Copy", "Paste", "Print", "About"}));
}
