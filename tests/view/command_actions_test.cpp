// Menu items bound to commands on the route of the active view, and the toolkit's window commands.

// own
#include "framework/qt/command_actions.h"
#include "framework/qt/mdi_commands.h"
#include "tests/view/station_view_fixture.h"
#include "view/station_editing.h"

// Qt
#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

namespace {
// A main frame with one switch whose menu item carries a check mark.
class CSwitchFrame : public CCmdTarget {
public:
    explicit CSwitchFrame(CMultiDocTemplate& documents) : mdi(documents) {}
    CommandHandlers FindCommand(CommandId id) override {
        static const CommandEntry<CSwitchFrame> table[] = {
            {ID_VIEW_STATION_ADDRESSES, &CSwitchFrame::OnSwitch, &CSwitchFrame::OnUpdateSwitch}};
        if (auto found = FindInTable(*this, table, id)) return found;
        return mdi.FindCommand(id);
    }
    void OnSwitch() { on = !on; }
    void OnUpdateSwitch(CCmdUI& ui) { ui.SetCheck(on); }

    bool on = false;
    CMdiCommands mdi;
};

// Records the view a station command ran on.
class CRecordingEditing : public CStationEditing {
public:
    void OnInsertStation(CStationView& view) override { lastView = &view; }
    void OnAddStation(CStationView& view) override { lastView = &view; }
    void OnDeleteStation(CStationView& view) override { lastView = &view; }
    void OnEditStation(CStationView& view) override { lastView = &view; }
    CStationView* lastView = nullptr;
};

class CommandActions : public StationViewTest {
protected:
    CommandActions() { commands.UpdateBefore(menu); }
    QAction& Bound(CommandId id) {
        auto* action = new QAction(&menu);
        menu.addAction(action);
        commands.Bind(*action, id);
        return *action;
    }
    CSwitchFrame frame{harness.documents};
    CCommandActions commands{[this] { return harness.documents.Route(&frame, nullptr); }};
    QMenu menu;
};
} // namespace

TEST_F(CommandActions, CommandNobodyHandlesIsDisabledAndOneOnTheRouteEnabled) {
    QAction& undo = Bound(ID_EDIT_UNDO);
    QAction& newWindow = Bound(ID_WINDOW_NEW);
    QAction& cascade = Bound(ID_WINDOW_CASCADE);
    commands.Update();
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_FALSE(newWindow.isEnabled()); // no document to open a window of
    EXPECT_TRUE(cascade.isEnabled());
    harness.NewDocument();
    Q_EMIT menu.aboutToShow();
    EXPECT_TRUE(newWindow.isEnabled());
    EXPECT_FALSE(undo.isEnabled());
}

TEST_F(CommandActions, TriggerRunsTheHandlerAndTheUpdateSetsTheCheckMark) {
    QAction& addresses = Bound(ID_VIEW_STATION_ADDRESSES);
    commands.Update();
    EXPECT_FALSE(addresses.isChecked());
    addresses.trigger();
    EXPECT_TRUE(frame.on);
    EXPECT_TRUE(addresses.isCheckable());
    EXPECT_TRUE(addresses.isChecked());
    addresses.trigger();
    EXPECT_FALSE(frame.on);
    EXPECT_FALSE(addresses.isChecked());
    EXPECT_FALSE(commands.Execute(ID_EDIT_UNDO));
}

TEST_F(CommandActions, ViewCommandsReachTheActiveWindowsView) {
    CRecordingEditing editing;
    CStationViewHarness local(&editing);
    CCommandActions localCommands([&] { return local.documents.Route(nullptr, nullptr); });
    QAction add;
    localCommands.Bind(add, ID_EDIT_ADD_STATION);
    CKVDoc& first = local.NewDocument();
    CKVDoc& second = local.NewDocument();
    EXPECT_EQ(local.documents.ActiveDocument(), &second);
    add.trigger();
    EXPECT_EQ(editing.lastView, &CStationViewHarness::ViewOf(second));
    local.area.setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(CStationViewHarness::ViewOf(first).parentWidget()));
    add.trigger();
    EXPECT_EQ(editing.lastView, &CStationViewHarness::ViewOf(first));
    EXPECT_EQ(local.documents.ActiveDocument(), &first);
}

TEST_F(CommandActions, NewWindowAndCloseActOnTheActiveDocument) {
    CKVDoc& doc = harness.NewDocument();
    Bound(ID_WINDOW_NEW).trigger();
    EXPECT_EQ(doc.GetViews().size(), 2u);
    EXPECT_EQ(harness.documents.ActiveView(), doc.GetViews().back());
    ClickCell(CStationViewHarness::ViewOf(doc, 1), 1, 1);
    boxes.answers = {MsgAnswer::No};
    Bound(ID_FILE_CLOSE).trigger(); // one question for the document, not one per window
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save changes to Config1?"});
    EXPECT_TRUE(harness.documents.Documents().empty());
    EXPECT_TRUE(harness.area.subWindowList().empty());
}

TEST_F(CommandActions, TileStacksTheWindowsEachAsWideAsTheArea) {
    CKVDoc& doc = harness.NewDocument();
    harness.NewWindow(doc);
    harness.NewDocument();
    Bound(ID_WINDOW_TILE_HORZ).trigger();
    const QSize area = harness.area.viewport()->size();
    const auto windows = harness.area.subWindowList();
    ASSERT_EQ(windows.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(windows[i]->geometry(),
                  QRect(0, i * (area.height() / 3), area.width(), area.height() / 3));
}
