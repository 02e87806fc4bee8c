// The grid component's table, active cell, block and events, through its C entry points alone.

// own
#include "tests/kvgraphics/grid_fixture.h"

// std
#include <algorithm>

using CGridStateTest = CGridFixture;

TEST_F(CGridStateTest, ReportsTheSizeItWasGivenAndRefusesSizesBeyondItsLimits) {
    int32_t rows = -1;
    int32_t cols = -1;
    ASSERT_EQ(dll.SSGetMaxRow(h, &rows), 0);
    ASSERT_EQ(dll.SSGetMaxCol(h, &cols), 0);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(cols, 0);

    EXPECT_EQ(dll.SSSetMaxRow(h, 98), 0);
    EXPECT_EQ(dll.SSSetMaxCol(h, 99), 0);
    EXPECT_NE(dll.SSSetMaxRow(h, 16385), 0);
    EXPECT_NE(dll.SSSetMaxCol(h, 257), 0);
    EXPECT_NE(dll.SSSetMaxRow(h, -1), 0);
    dll.SSGetMaxRow(h, &rows);
    dll.SSGetMaxCol(h, &cols);
    EXPECT_EQ(rows, 98);
    EXPECT_EQ(cols, 99);
    EXPECT_EQ(dll.SSSetMaxRow(h, 16384), 0);
    EXPECT_EQ(dll.SSSetMaxCol(h, 256), 0);
}

TEST_F(CGridStateTest, ActiveCellIsNoneOnAnEmptyTableAndStaysInsideWhenTheTableShrinks) {
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{0, 0}));
    FireAll();
    dll.SSSetMaxRow(h, 10);
    dll.SSSetMaxCol(h, 10);
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{1, 1}));
    ASSERT_EQ(dll.SSSetActiveCell(h, 8, 9), 0);
    events.clear();

    dll.SSSetMaxRow(h, 5);
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{5, 9}));
    ASSERT_EQ(EventsOf(KV_EV_ACTIVE_CELL).size(), 1U);
    EXPECT_EQ(EventsOf(KV_EV_ACTIVE_CELL)[0].values[0], 5);

    dll.SSSetMaxCol(h, 0);
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{0, 0}));
}

TEST_F(CGridStateTest, IgnoresCellsOutsideTheTable) {
    Layout(4, 20);
    ASSERT_EQ(dll.SSSetActiveCell(h, 2, 3), 0);
    events.clear();
    EXPECT_NE(dll.SSSetActiveCell(h, 5, 1), 0);
    EXPECT_NE(dll.SSSetActiveCell(h, 1, 21), 0);
    EXPECT_NE(dll.SSSetActiveCell(h, 0, 1), 0);
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{2, 3}));
    EXPECT_TRUE(events.empty());

    EXPECT_NE(dll.SSSetColText(h, 21, "21"), 0);
    EXPECT_NE(dll.SSSetRowText(h, 5, "HB-05"), 0);
    EXPECT_NE(dll.SSSetColWidth(h, 21, 99, 750, 0), 0);
    // A block reaching past the table is kept as given and acted on where it lies inside.
    EXPECT_EQ(dll.SSSetSelection(h, 1, 1, 4, 99), 0);
    EXPECT_EQ(Selection(), (std::array<int32_t, 4>{1, 1, 4, 99}));
    EXPECT_EQ(dll.SSSetBorder(h, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0), 0);
}

TEST_F(CGridStateTest, SelectionIsStoredInOrderAndRefusedBeforeTheFirstCell) {
    Layout(10, 10);
    ASSERT_EQ(dll.SSSetSelection(h, 4, 5, 2, 3), 0);
    EXPECT_EQ(Selection(), (std::array<int32_t, 4>{2, 3, 4, 5}));
    EXPECT_NE(dll.SSSetSelection(h, 0, 1, 2, 2), 0);
    EXPECT_NE(dll.SSSetSelection(h, 1, 1, 16385, 2), 0);
    EXPECT_EQ(Selection(), (std::array<int32_t, 4>{2, 3, 4, 5}));
    int32_t unused = 0;
    EXPECT_NE(dll.SSGetSelection(h, 1, &unused, &unused, &unused, &unused), 0);
}

TEST_F(CGridStateTest, RaisesEventsOnlyWhenTurnedOn) {
    dll.SSSetMaxRow(h, 10);
    dll.SSSetMaxCol(h, 10);
    dll.SSSetActiveCell(h, 3, 3);
    EXPECT_TRUE(events.empty());

    ASSERT_EQ(dll.SSSetFireEvent(h, KV_EV_ACTIVE_CELL, 1), 0);
    dll.SSSetActiveCell(h, 4, 5);
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events[0].code, KV_EV_ACTIVE_CELL);
    EXPECT_EQ(events[0].values[0], 4);
    EXPECT_EQ(events[0].values[1], 5);

    // Setting the cell that is already active is no change.
    dll.SSSetActiveCell(h, 4, 5);
    EXPECT_EQ(events.size(), 1U);

    ASSERT_EQ(dll.SSSetFireEvent(h, KV_EV_ACTIVE_CELL, 0), 0);
    dll.SSSetActiveCell(h, 1, 1);
    EXPECT_EQ(events.size(), 1U);
}

TEST_F(CGridStateTest, InitTableKeepsTheEventsOnAndPutsTheActiveCellHome) {
    Layout(10, 10);
    dll.SSSetActiveCell(h, 6, 7);
    events.clear();
    ASSERT_EQ(dll.SSInitTable(h), 0);
    EXPECT_EQ(Active(), (std::array<int32_t, 2>{1, 1}));
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events[0].code, KV_EV_ACTIVE_CELL);

    dll.SSSetActiveCell(h, 2, 2);
    EXPECT_EQ(events.size(), 2U);
    int32_t rows = 0;
    dll.SSGetMaxRow(h, &rows);
    EXPECT_EQ(rows, 10);
}

TEST_F(CGridStateTest, RefusesNullHandlesOutputsAndCodesOutOfRange) {
    int32_t value = 0;
    EXPECT_NE(dll.SSGetMaxRow(nullptr, &value), 0);
    EXPECT_NE(dll.SSGetMaxRow(h, nullptr), 0);
    EXPECT_NE(dll.SSSetText(nullptr, "On"), 0);
    EXPECT_NE(dll.SSInitTable(nullptr), 0);
    EXPECT_NE(dll.SSDelete(nullptr, 0), 0);
    EXPECT_NE(dll.SSNew(this, nullptr), 0);
    EXPECT_EQ(dll.SSCallWindowProc(nullptr, KV_WM_SIZE, 0, 0), 0);

    Layout(5, 5);
    EXPECT_NE(dll.SSSetText(h, nullptr), 0);
    EXPECT_NE(dll.SSSetPattern(h, 2, 255, 0), 0);
    EXPECT_NE(dll.SSSetBorder(h, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_NE(dll.SSSetAlignment(h, 4, 0, 0, 0), 0);
    EXPECT_NE(dll.SSSetFireEvent(h, 0x400, 1), 0);
    EXPECT_NE(dll.SSSetFireEvent(h, 0x419, 1), 0);
    EXPECT_NE(dll.SSSetFireEvent(h, KV_EV_CHOOSE, 2), 0);
    EXPECT_NE(dll.SSSetDefaultFont(h, "Arial", 0), 0);
    EXPECT_NE(dll.SSSetDefaultFont(h, nullptr, 8), 0);
    EXPECT_NE(dll.SSSetHdrWidth(h, 0), 0);
    EXPECT_NE(dll.SSSetColWidth(h, 1, 5, 65536, 0), 0);
    EXPECT_NE(dll.SSSetAllowResize(h, 2), 0);
    EXPECT_EQ(dll.SSSetAllowResize(h, 0), 0);
    EXPECT_NE(dll.SSSetHdrSelection(h, 1, 2, 0), 0);
}

TEST_F(CGridStateTest, PassesUnhandledMessagesToTheProcedureAndReturnsItsResult) {
    Layout(5, 5);
    passedOnResult = 42;
    EXPECT_EQ(Send(KV_WM_COMMAND, 1, 0), 42);
    EXPECT_EQ(Send(KV_WM_RBUTTONDOWN, KV_MK_RBUTTON, Point(60, 30)), 42);
    // Insert and Delete are the host's; the grid has nothing to delete.
    EXPECT_EQ(Send(KV_WM_KEYDOWN, KV_VK_INSERT, 0), 42);
    EXPECT_EQ(passedOn, (std::vector<uint32_t>{KV_WM_COMMAND, KV_WM_RBUTTONDOWN, KV_WM_KEYDOWN}));
}

TEST_F(CGridStateTest, AsksForCellRepaintsAndFoldsManyIntoOneWholeRepaint) {
    Layout(98, 99);
    Paint();
    repaints.clear();
    MarkOn(2, 3);
    ASSERT_FALSE(repaints.empty());
    ASSERT_TRUE(repaints.back().has_value());
    const KVRect cell = *repaints.back();
    EXPECT_LE(cell.left, CellX(3));
    EXPECT_GT(cell.right, CellX(3));
    EXPECT_LE(cell.top, CellY(2));
    EXPECT_GT(cell.bottom, CellY(2));

    // A whole station's worth of cells asks for one whole repaint, then nothing until painted.
    repaints.clear();
    for (int32_t row = 1; row <= 98; ++row) {
        for (int32_t col = 1; col <= 99; ++col)
            MarkOn(row, col);
    }
    const auto whole = std::count(repaints.begin(), repaints.end(), std::nullopt);
    EXPECT_EQ(whole, 1);
    EXPECT_LE(repaints.size(), 40U);
    Paint();
    repaints.clear();
    MarkOn(1, 1);
    EXPECT_FALSE(repaints.empty());
}

TEST_F(CGridStateTest, RefusesDeleteFromInsideItsOwnEvent) {
    Layout(5, 5);
    int32_t refused = 0;
    onEvent = [&](const CEvent&) { refused = dll.SSDelete(h, 0); };
    dll.SSSetActiveCell(h, 2, 2);
    EXPECT_NE(refused, 0);
    onEvent = nullptr;
}
