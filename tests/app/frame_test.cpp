// The main frame: both menus, the accelerators, the toolbar, the status bar, the commands nobody
// handles, View Station Addresses and the window list.

#include "app/app_resources.h"
#include "app/frame_accelerators.h"
#include "app/frame_menus.h"
#include "app/frame_status_bar.h"
#include "app/frame_toolbar.h"
#include "tests/app/app_fixture.h"
#include "view/station_view.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

using Lines = std::vector<std::string>;

// One line per item: "menu > item [shortcut] = id", separators as "menu > -".
void Dump(const QMenu& menu, const std::string& path, Lines& lines) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines.push_back(path + " > -");
        } else if (action->menu()) {
            Dump(*action->menu(), path + " > " + action->text().toStdString(), lines);
        } else if (action->isVisible()) {
            const QString keys = action->shortcut().toString();
            lines.push_back(path + " > " + action->text().toStdString() +
                            (keys.isEmpty() ? "" : " [" + keys.toStdString() + "]") + " = " +
                            std::to_string(CommandOf(*action)));
        }
    }
}

Lines MenuBarLines(const QMenuBar& bar) {
    Lines lines;
    for (QAction* top : bar.actions())
        Dump(*top->menu(), top->text().toStdString(), lines);
    return lines;
}

class FrameTest : public AppTest {
protected:
    void SetUp() override { Start(); }
    QMenuBar& Bar() const { return *Frame().menuBar(); }
    CFrameStatusBar& Status() const { return *Frame().m_wndStatusBar; }
    QAction& MenuItem(CommandId id) const { return *Frame().CurrentMenu().Action(id); }
    // The station names the list of a view shows.
    static Lines ListOf(const CStationView& view) {
        Lines names;
        for (int i = 0; i < view.m_StationList.count(); ++i)
            names.push_back(view.m_StationList.item(i)->text().toStdString());
        return names;
    }
};

TEST_F(FrameTest, MenuWithoutDocumentHasItsItemsInOrder) {
    const Lines expected = {
        "&File > &New [Ctrl+N] = 57600",
        "&File > &Open... [Ctrl+O] = 57601",
        "&File > -",
        "&File > P&rint Setup... = 57606",
        "&File > -",
        "&File > Recent File = 57616",
        "&File > -",
        "&File > E&xit = 57665",
        "&Tools > &Options > View &Toolbar = 59392",
        "&Tools > &Options > View &Status Bar = 59393",
        "&Tools > &Options > -",
        "&Tools > &Options > &Communications... = 32771",
        "&Help > &About Corvantn... = 57664",
    };
    EXPECT_EQ(MenuBarLines(Bar()), expected);
    // The placeholder of the empty recent-file list is grey.
    Frame().Commands().Update();
    EXPECT_FALSE(MenuItem(ID_FILE_MRU_FILE1).isEnabled());
}

TEST_F(FrameTest, MenuWithDocumentHasItsItemsInOrderAndGoesWithTheLastDocument) {
    CDocument* document = Documents().NewDocument();
    const Lines expected = {
        "&File > &New [Ctrl+N] = 57600",
        "&File > &Open... [Ctrl+O] = 57601",
        "&File > &Close = 57602",
        "&File > &Save [Ctrl+S] = 57603",
        "&File > Save &As... = 57604",
        "&File > -",
        "&File > &Print... [Ctrl+P] = 57607",
        "&File > Print Pre&view = 57609",
        "&File > P&rint Setup... = 57606",
        "&File > &Export Report... = 32790",
        "&File > -",
        "&File > &Download Config... = 32778",
        "&File > -",
        "&File > Recent File = 57616",
        "&File > -",
        "&File > E&xit = 57665",
        "&Edit > &Undo [Ctrl+Z] = 57643",
        "&Edit > &Redo [Ctrl+Y] = 57644",
        "&Edit > -",
        "&Edit > Cu&t [Ctrl+X] = 57635",
        "&Edit > &Copy [Ctrl+C] = 57634",
        "&Edit > &Paste [Ctrl+V] = 57637",
        "&Edit > -",
        "&Edit > &Insert Station... [Ins] = 32777",
        "&Edit > &Add Station... = 32772",
        "&Edit > &Delete Station... [Del] = 32773",
        "&Edit > Station Pr&operties... = 32792",
        "&Edit > -",
        "&Edit > &Zone Names... = 32793",
        "&Edit > &Stations... = 32794",
        "&Tools > &Options > View &Toolbar = 59392",
        "&Tools > &Options > View &Status Bar = 59393",
        "&Tools > &Options > -",
        "&Tools > &Options > View Station &Addresses = 32776",
        "&Tools > &Options > &Max Number of Zones... = 32779",
        "&Tools > &Options > &Communications... = 32771",
        "&Tools > Check &Configuration... = 32791",
        "&Window > &New Window = 57648",
        "&Window > &Cascade = 57650",
        "&Window > &Tile = 57651",
        "&Window > &Arrange Icons = 57649",
        "&Help > &About Corvantn... = 57664",
    };
    EXPECT_EQ(MenuBarLines(Bar()), expected);
    EXPECT_EQ(Frame().windowTitle(), "Quellton Corvantine - Config1");
    Documents().CloseDocument(*document);
    EXPECT_EQ(Bar().actions().size(), 3);
    EXPECT_EQ(Frame().windowTitle(), "Quellton Corvantine");
}

TEST_F(FrameTest, CommandsNobodyHandlesAreGreyInMenuAndToolbar) {
    Documents().NewDocument();
    Frame().Commands().Update();
    // Nothing to undo or redo yet, nothing on the clipboard to paste.
    for (CommandId id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_PASTE})
        EXPECT_FALSE(MenuItem(id).isEnabled()) << id;
    for (CommandId id : {ID_FILE_NEW, ID_FILE_SAVE, ID_FILE_CLOSE, ID_DOWNLOAD_CONFIG, ID_MAX_ZONES,
                         ID_VIEW_STATION_ADDRESSES, ID_TOOLS_COMMUNICATIONS, ID_WINDOW_NEW,
                         ID_APP_ABOUT, ID_EDIT_ADD_STATION, ID_EDIT_CUT, ID_EDIT_COPY, ID_FILE_PRINT,
                         ID_FILE_PRINT_PREVIEW})
        EXPECT_TRUE(MenuItem(id).isEnabled()) << id;
    for (QAction* action : Frame().m_wndToolBar->actions()) {
        if (action->isSeparator()) continue;
        const CommandId id = CommandOf(*action);
        const bool grey = id == ID_EDIT_PASTE;
        EXPECT_EQ(action->isEnabled(), !grey) << id;
    }
    // Their keys do nothing either.
    EXPECT_FALSE(Frame().Commands().Execute(ID_EDIT_PASTE));
}

TEST_F(FrameTest, ToolbarHasItsButtonsFixedWithoutTipsOrPrompts) {
    Lines buttons;
    for (QAction* action : Frame().m_wndToolBar->actions())
        buttons.push_back(action->isSeparator() ? "-" : std::to_string(CommandOf(*action)));
    EXPECT_EQ(buttons, (Lines{"57600", "57601", "57603", "-", "57635", "57634", "57637", "-",
                              "57607", "57664"}));
    EXPECT_FALSE(Frame().m_wndToolBar->isMovable());
    EXPECT_FALSE(Frame().m_wndToolBar->isFloatable());
    EXPECT_EQ(Frame().toolBarArea(Frame().m_wndToolBar), Qt::TopToolBarArea);
    QWidget* button = Frame().m_wndToolBar->widgetForAction(Frame().m_wndToolBar->actions()[0]);
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::mouseMove(button);
    EXPECT_EQ(Status().MessageText().toStdString(), " Welcome to Corvantine");
    // Its buttons show the first eight images of the bitmap.
    EXPECT_FALSE(Frame().m_wndToolBar->actions()[0]->icon().isNull());
}

TEST_F(FrameTest, ToolbarButtonRunsItsCommand) {
    QAction* newButton = Frame().m_wndToolBar->actions()[0];
    newButton->trigger();
    EXPECT_EQ(Documents().Documents().size(), 1u);
}

TEST_F(FrameTest, StatusBarShowsThePromptOfTheHighlightedItemThenIdlesAgain) {
    Documents().NewDocument();
    EXPECT_EQ(Status().MessageText(), " Welcome to Corvantine");
    QMenu& file = *Bar().actions()[0]->menu();
    file.popup(Frame().mapToGlobal(QPoint(10, 10)));
    MenuItem(ID_FILE_SAVE_AS).hover();
    EXPECT_EQ(Status().MessageText(), "Save the active document with a new name");
    MenuItem(ID_DOWNLOAD_CONFIG).hover();
    EXPECT_EQ(Status().MessageText(), "");
    MenuItem(ID_APP_EXIT).hover();
    EXPECT_EQ(Status().MessageText(), "Quit the application; prompts to save documents");
    file.hide();
    EXPECT_EQ(Status().MessageText(), " Welcome to Corvantine");
}

TEST_F(FrameTest, LockIndicatorsShowWhileTheirKeyIsOn) {
    CLockKeyState state;
    CFrameStatusBar bar(nullptr, [&] { return state; });
    EXPECT_EQ(bar.IndicatorText(0), "");
    state = {true, false, true};
    bar.RefreshLockKeys();
    EXPECT_EQ(bar.IndicatorText(0), "CAP");
    EXPECT_EQ(bar.IndicatorText(1), "");
    EXPECT_EQ(bar.IndicatorText(2), "SCRL");
    // A key released anywhere in the program reads them again.
    state = {false, true, false};
    QTest::keyRelease(&Frame(), Qt::Key_NumLock);
    EXPECT_EQ(bar.IndicatorText(0), "");
    EXPECT_EQ(bar.IndicatorText(1), "NUM");
}

TEST_F(FrameTest, AcceleratorTableHasItsKeysAndNoInsOrDel) {
    Lines keys;
    for (const Accelerator& accelerator : AcceleratorTable())
        keys.push_back(std::string(accelerator.keys) + "=" + std::to_string(accelerator.id));
    EXPECT_EQ(keys,
              (Lines{"Ctrl+N=57600", "Ctrl+O=57601",        "Ctrl+S=57603", "Ctrl+P=57607",
                     "Ctrl+Z=57643", "Alt+Backspace=57643", "Ctrl+Y=57644", "Ctrl+Shift+Z=57644",
                     "Ctrl+X=57635", "Shift+Del=57635",     "Ctrl+C=57634", "Ctrl+Ins=57634",
                     "Ctrl+V=57637", "Shift+Ins=57637",     "F6=57680",     "Shift+F6=57681",
                     "Alt+4=32782",  "Alt+J=32783",         "Alt+K=32784",  "Alt+Q=32785"}));
    // Ctrl+N typed anywhere in the frame makes a document.
    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Documents().Documents().size(), 1u);
}

TEST_F(FrameTest, ViewStationAddressesRefillsOnlyTheFirstViewOfTheActiveDocument) {
    auto& other = static_cast<CKVDoc&>(*Documents().NewDocument());
    auto& active = static_cast<CKVDoc&>(*Documents().NewDocument());
    auto& first = static_cast<CStationView&>(*active.GetFirstView());
    auto& second = static_cast<CStationView&>(Documents().CreateNewWindow(active));
    auto& otherView = static_cast<CStationView&>(*other.GetFirstView());
    ASSERT_EQ(Documents().ActiveDocument(), &active);

    EXPECT_TRUE(Frame().Commands().Execute(ID_VIEW_STATION_ADDRESSES));
    EXPECT_TRUE(app->m_settings.m_bShowAddresses);
    EXPECT_EQ(ListOf(first), Lines{"1-1: Station1"});
    EXPECT_EQ(ListOf(second), Lines{"Station1"});
    EXPECT_EQ(ListOf(otherView), Lines{"Station1"});
    EXPECT_TRUE(MenuItem(ID_VIEW_STATION_ADDRESSES).isChecked());
    EXPECT_EQ(QApplication::focusWidget(), &first.m_Grid);

    EXPECT_TRUE(Frame().Commands().Execute(ID_VIEW_STATION_ADDRESSES));
    EXPECT_FALSE(app->m_settings.m_bShowAddresses);
    EXPECT_EQ(ListOf(first), Lines{"Station1"});
    EXPECT_FALSE(MenuItem(ID_VIEW_STATION_ADDRESSES).isChecked());
}

TEST_F(FrameTest, WindowMenuListsTheChildWindowsWithTheActiveChecked) {
    Documents().NewDocument();
    Documents().NewDocument();
    QMenu& window = *Frame().CurrentMenu().MenuOf(ID_WINDOW_NEW);
    emit window.aboutToShow();
    Lines entries;
    for (QAction* action : window.actions())
        if (!action->isSeparator() && CommandOf(*action) == 0)
            entries.push_back(action->text().toStdString() + (action->isChecked() ? " *" : ""));
    EXPECT_EQ(entries, (Lines{"&1 Config1", "&2 Config2 *"}));
    // Choosing an entry activates its window; the list is rebuilt, not added to.
    window.actions().at(window.actions().size() - 2)->trigger();
    EXPECT_EQ(Documents().ActiveDocument()->GetTitle(), "Config1");
    emit window.aboutToShow();
    EXPECT_EQ(window.actions().size(), 4 + 1 + 2);
}

TEST_F(FrameTest, DocumentWindowsShowTheDocumentIcon) {
    Documents().NewDocument();
    CDocument* document = Documents().NewDocument();
    Documents().CreateNewWindow(*document);
    const QImage expected = DocumentIcon().pixmap(32, 32).toImage();
    for (QMdiSubWindow* window : Frame().MdiArea().subWindowList())
        EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage(), expected);
    EXPECT_EQ(Frame().windowIcon().pixmap(32, 32).toImage(),
              ApplicationIcon().pixmap(32, 32).toImage());
}

TEST_F(FrameTest, ViewToolbarAndStatusBarHideAndShowWithCheckMarks) {
    EXPECT_TRUE(Frame().Commands().State(ID_VIEW_TOOLBAR).IsChecked());
    Frame().Commands().Execute(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame().m_wndToolBar->isVisible());
    EXPECT_FALSE(Frame().Commands().State(ID_VIEW_TOOLBAR).IsChecked());
    Frame().Commands().Execute(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().m_wndStatusBar->isVisible());
    Frame().Commands().Execute(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(Frame().m_wndStatusBar->isVisible());
}

} // namespace
