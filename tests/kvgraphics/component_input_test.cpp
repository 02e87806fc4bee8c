// The grid component's mouse, wheel and key handling, through window messages alone.

// own
#include "tests/kvgraphics/grid_fixture.h"

using CGridInputTest = CGridFixture;
using Block = std::array<int32_t, 4>;
using Cell = std::array<int32_t, 2>;

TEST_F(CGridInputTest, ClickOnACellMakesItActiveRaisesClickedAndChoosesItOnRelease) {
    Layout(10, 10);
    Press(CellX(3), CellY(2));
    EXPECT_EQ(Active(), (Cell{2, 3}));
    ASSERT_EQ(EventsOf(KV_EV_ACTIVE_CELL).size(), 1U);
    ASSERT_EQ(EventsOf(KV_EV_CLICKED).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_CLICKED)[0].values[0], 2);
    EXPECT_EQ(EventsOf(KV_EV_CLICKED)[0].values[1], 3);
    EXPECT_TRUE(EventsOf(KV_EV_CHOOSE).empty());

    Release(CellX(3), CellY(2));
    ASSERT_EQ(EventsOf(KV_EV_CHOOSE).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_CHOOSE)[0].values, (Block{2, 3, 2, 3}));
    EXPECT_EQ(Selection(), (Block{2, 3, 2, 3}));
}

TEST_F(CGridInputTest, DraggedBlockIsChosenOnceOnReleaseWithTheAnchorStillActive) {
    Layout(10, 10);
    Press(CellX(4), CellY(5));
    Drag(CellX(5), CellY(6));
    Drag(CellX(2), CellY(3));
    EXPECT_TRUE(EventsOf(KV_EV_CHOOSE).empty());
    Release(CellX(2), CellY(3));
    ASSERT_EQ(EventsOf(KV_EV_CHOOSE).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_CHOOSE)[0].values, (Block{3, 2, 5, 4}));
    EXPECT_EQ(Active(), (Cell{5, 4}));

    // A move without the button down after the release changes nothing.
    Send(KV_WM_MOUSEMOVE, 0, Point(CellX(9), CellY(9)));
    EXPECT_EQ(Selection(), (Block{3, 2, 5, 4}));
}

TEST_F(CGridInputTest, HeaderClicksChooseWholeColumnsRowsOrEverything) {
    Layout(10, 10);
    Click(CellX(5), kRowHeight / 2);
    EXPECT_EQ(Selection(), (Block{1, 5, KV_ALL_ROWS, 5}));
    ASSERT_EQ(EventsOf(KV_EV_CHOOSE).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_CHOOSE)[0].values, (Block{1, 5, KV_ALL_ROWS, 5}));
    EXPECT_EQ(Active()[1], 5);

    Click(kHeaderWidth / 2, CellY(7));
    EXPECT_EQ(Selection(), (Block{7, 1, 7, KV_ALL_COLS}));

    Click(kHeaderWidth / 2, kRowHeight / 2);
    EXPECT_EQ(Selection(), (Block{1, 1, KV_ALL_ROWS, KV_ALL_COLS}));
    EXPECT_EQ(EventsOf(KV_EV_CHOOSE).size(), 3U);
    EXPECT_EQ(EventsOf(KV_EV_CLICKED).size(), 3U);

    // Dragging along the column headers widens the choice to those columns.
    Press(CellX(2), kRowHeight / 2);
    Drag(CellX(4), kRowHeight / 2);
    Release(CellX(4), kRowHeight / 2);
    EXPECT_EQ(Selection(), (Block{1, 2, KV_ALL_ROWS, 4}));
}

TEST_F(CGridInputTest, ClickBeyondTheLastColumnChoosesNothing) {
    Layout(3, 3);
    Click(CellX(6), CellY(2));
    EXPECT_TRUE(EventsOf(KV_EV_CHOOSE).empty());
    EXPECT_EQ(EventsOf(KV_EV_CLICKED).size(), 1U);
    EXPECT_EQ(Active(), (Cell{1, 1}));
}

TEST_F(CGridInputTest, ArrowsMoveTheActiveCellOnlyWhenAllowedAndStopAtTheEdges) {
    Layout(5, 5);
    Key(KV_VK_RIGHT);
    EXPECT_EQ(Active(), (Cell{1, 1}));
    EXPECT_EQ(passedOn, (std::vector<uint32_t>{KV_WM_KEYDOWN}));

    ASSERT_EQ(dll.SSSetAllowArrows(h, 1), 0);
    Key(KV_VK_RIGHT);
    Key(KV_VK_DOWN);
    EXPECT_EQ(Active(), (Cell{2, 2}));
    ASSERT_EQ(EventsOf(KV_EV_ACTIVE_CELL).size(), 2U);
    EXPECT_EQ(EventsOf(KV_EV_ACTIVE_CELL)[1].values[0], 2);
    Key(KV_VK_UP);
    Key(KV_VK_UP);
    Key(KV_VK_LEFT);
    Key(KV_VK_LEFT);
    EXPECT_EQ(Active(), (Cell{1, 1}));
    Key(KV_VK_END);
    EXPECT_EQ(Active(), (Cell{1, 5}));
    Key(KV_VK_NEXT);
    EXPECT_EQ(Active(), (Cell{5, 5}));
    // Moving collapses the block onto the new cell, so Space chooses just that cell.
    EXPECT_EQ(Selection(), (Block{5, 5, 5, 5}));
}

TEST_F(CGridInputTest, TabMovesAlongTheRowsWrappingBothWaysOnlyWhenAllowed) {
    Layout(3, 3);
    Key(KV_VK_TAB);
    EXPECT_EQ(Active(), (Cell{1, 1}));
    ASSERT_EQ(dll.SSSetAllowTabs(h, 1), 0);
    dll.SSSetActiveCell(h, 1, 3);
    Key(KV_VK_TAB);
    EXPECT_EQ(Active(), (Cell{2, 1}));
    Key(KV_VK_TAB, true);
    EXPECT_EQ(Active(), (Cell{1, 3}));
    dll.SSSetActiveCell(h, 3, 3);
    Key(KV_VK_TAB);
    EXPECT_EQ(Active(), (Cell{3, 3}));
}

TEST_F(CGridInputTest, SpaceChoosesTheActiveCellNotAnEarlierBlock) {
    Layout(10, 10);
    dll.SSSetSelection(h, 1, 1, 4, 10);
    dll.SSSetActiveCell(h, 3, 4);
    Key(KV_VK_SPACE);
    ASSERT_EQ(EventsOf(KV_EV_CHOOSE).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_CHOOSE)[0].values, (Block{3, 4, 3, 4}));
    EXPECT_EQ(Selection(), (Block{3, 4, 3, 4}));
}

TEST_F(CGridInputTest, HostMayChangeTheGridFromInsideTheChooseEvent) {
    Layout(98, 99);
    // What the station view does: toggle each chosen cell, moving the active cell to each.
    onEvent = [this](const CEvent& event) {
        if (event.code != KV_EV_CHOOSE) return;
        Block block = Selection();
        block[2] = std::min(block[2], 98);
        for (int32_t row = block[0]; row <= block[2]; ++row) {
            dll.SSSetActiveCell(h, row, block[1]);
            dll.SSSetSelection(h, row, block[1], row, block[1]);
            MarkOn(row, block[1]);
        }
    };
    Click(CellX(4), kRowHeight / 2);
    onEvent = nullptr;
    EXPECT_EQ(Active(), (Cell{98, 4}));
    EXPECT_EQ(Selection(), (Block{98, 4, 98, 4}));
    // Every move of the active cell was reported, the last one on row 98.
    ASSERT_FALSE(EventsOf(KV_EV_ACTIVE_CELL).empty());
    EXPECT_EQ(EventsOf(KV_EV_ACTIVE_CELL).back().values[0], 98);
}

TEST_F(CGridInputTest, WheelAndScrollBarScrollWholeRows) {
    Layout(98, 99);
    ASSERT_GT(kPageRows, 3);
    // One notch toward the user scrolls three rows: the top data row is now row 4.
    Send(KV_WM_MOUSEWHEEL, static_cast<KVWPARAM>(static_cast<uint16_t>(-120)) << 16,
         Point(100, 100));
    Click(CellX(1), CellY(1));
    EXPECT_EQ(Active(), (Cell{4, 1}));

    // A press on the track below the thumb pages down.
    Send(KV_WM_MOUSEWHEEL, static_cast<KVWPARAM>(120) << 16, Point(100, 100));
    Click(kWidth - kBar / 2, kHeight - kBar - 2);
    Click(CellX(1), CellY(1));
    EXPECT_EQ(Active(), (Cell{1 + kPageRows, 1}));

    // Dragging the thumb from the top to the bottom shows the last rows whole.
    Send(KV_WM_MOUSEWHEEL, static_cast<KVWPARAM>(1200) << 16, Point(100, 100));
    Press(kWidth - kBar / 2, 5);
    Drag(kWidth - kBar / 2, kHeight);
    Release(kWidth - kBar / 2, kHeight);
    Click(CellX(1), CellY(kPageRows));
    EXPECT_EQ(Active(), (Cell{98, 1}));
}

TEST_F(CGridInputTest, ArrowsScrollTheActiveCellIntoView) {
    Layout(98, 99);
    dll.SSSetAllowArrows(h, 1);
    for (int i = 0; i < kPageRows; ++i)
        Key(KV_VK_DOWN);
    EXPECT_EQ(Active(), (Cell{1 + kPageRows, 1}));
    // The active row is now the last whole row on screen.
    Click(CellX(1), CellY(kPageRows));
    EXPECT_EQ(Active(), (Cell{1 + kPageRows, 1}));
}

TEST_F(CGridInputTest, DragPastTheBottomScrollsAndExtendsTheBlock) {
    Layout(98, 99);
    Press(CellX(2), CellY(1));
    // Each move below the data area scrolls one row further.
    for (int i = 0; i < 5; ++i)
        Drag(CellX(2), kHeight - 2);
    Release(CellX(2), kHeight - 2);
    EXPECT_EQ(Selection(), (Block{1, 2, kPageRows + 5, 2}));
}
