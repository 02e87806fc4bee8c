// The main window's placement: stored when the frame goes, restored at its first activation.

#include "app/window_placement.h"
#include "tests/app/app_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

using PlacementRestoreTest = AppTest;

const CPlacementRect kRect{50, 60, 650, 560};
const QRect kGeometry(50, 60, 600, 500);

TEST_F(PlacementRestoreTest, FirstRunOpensTheDefaultWayAndStoresSixValuesAtExit) {
    Start();
    EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
    EXPECT_EQ(Frame().m_bFirstActivation, 0);
    const QRect geometry = Frame().geometry();
    Exit();
    EXPECT_EQ(Stored("Pos_Left"), std::to_string(geometry.left()));
    EXPECT_EQ(Stored("Pos_Top"), std::to_string(geometry.top()));
    EXPECT_EQ(Stored("Pos_Right"), std::to_string(geometry.left() + geometry.width()));
    EXPECT_EQ(Stored("Pos_Bottom"), std::to_string(geometry.top() + geometry.height()));
    EXPECT_EQ(Stored("Iconic"), "FALSE");
    EXPECT_EQ(Stored("Maximized"), "FALSE");
    // Only the placement: no program setting was written.
    EXPECT_EQ(Stored("Port"), "absent");
}

TEST_F(PlacementRestoreTest, NormalRectangleComesBack) {
    StorePlacement({0, kShowNormal, kRect});
    Start();
    EXPECT_EQ(Frame().geometry(), kGeometry);
    EXPECT_EQ(Frame().windowState(), Qt::WindowNoState);
    Exit();
    EXPECT_EQ(ReadStoredPlacement(), (CWindowPlacement{0, kShowNormal, kRect}));
}

TEST_F(PlacementRestoreTest, MaximizedReopensMaximizedAndRestoresToTheStoredRectangle) {
    StorePlacement({0, kShowMaximized, kRect});
    Start();
    EXPECT_TRUE(Frame().isMaximized());
    // The rectangle restoring returns to (moving the window there is the window system's part).
    EXPECT_EQ(Frame().normalGeometry(), kGeometry);
    Exit();
    EXPECT_EQ(Stored("Maximized"), "TRUE");
    EXPECT_EQ(Stored("Iconic"), "FALSE");
    // The normal rectangle, not the maximized one, is what is stored.
    EXPECT_EQ(Stored("Pos_Right"), "650");
}

TEST_F(PlacementRestoreTest, MinimizedReopensMinimizedAndRestoresToMaximized) {
    StorePlacement({kRestoreToMaximized, kShowMinimized, kRect});
    Start();
    EXPECT_TRUE(Frame().isMinimized());
    EXPECT_TRUE(Frame().windowState() & Qt::WindowMaximized);
    Exit();
    EXPECT_EQ(Stored("Iconic"), "TRUE");
    EXPECT_EQ(Stored("Maximized"), "TRUE");

    Start();
    Frame().setWindowState(Frame().windowState() & ~Qt::WindowMinimized);
    EXPECT_TRUE(Frame().isMaximized());
    Frame().showNormal();
    EXPECT_EQ(Frame().geometry(), kGeometry);
}

TEST_F(PlacementRestoreTest, MinimizedFromNormalRestoresToNormal) {
    StorePlacement({0, kShowMinimized, kRect});
    Start();
    EXPECT_EQ(Frame().windowState(), Qt::WindowMinimized);
    Exit();
    EXPECT_EQ(Stored("Maximized"), "FALSE");
}

TEST_F(PlacementRestoreTest, LeftOfMinusOneCountsAsNoPlacement) {
    StorePlacement({0, kShowMaximized, {-1, 60, 650, 560}});
    Start();
    EXPECT_FALSE(Frame().isMaximized());
    EXPECT_NE(Frame().geometry(), QRect(-1, 60, 651, 500));
}

TEST_F(PlacementRestoreTest, RectangleOnAMonitorThatIsGoneOpensTheDefaultWay) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    StorePlacement({0, kShowNormal, {screen.right() + 100, 60, screen.right() + 700, 560}});
    Start();
    EXPECT_TRUE(screen.intersects(Frame().geometry()));
}

TEST_F(PlacementRestoreTest, AbsurdSizeIsCutToTheScreens) {
    StorePlacement({0, kShowNormal, {0, 0, 2147483647, 2147483647}});
    Start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(Frame().width(), screen.width());
    EXPECT_LE(Frame().height(), screen.height());
}

TEST_F(PlacementRestoreTest, OnlyTheFirstActivationRestores) {
    StorePlacement({0, kShowNormal, kRect});
    Start();
    Frame().setGeometry(10, 10, 500, 400);
    Frame().ActivateFrame(kShowNormal);
    EXPECT_EQ(Frame().geometry(), QRect(10, 10, 500, 400));
}

} // namespace
