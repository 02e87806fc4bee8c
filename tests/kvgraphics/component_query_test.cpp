// What a host can ask the grid component about its cells on screen, and the keys that jump to
// the table's corners.

// own
#include "tests/kvgraphics/grid_fixture.h"

using Cell = std::array<int32_t, 2>;

namespace {
constexpr auto kNotMoved = static_cast<int32_t>(-7);
} // namespace

class CGridQueryTest : public CGridFixture {
protected:
    // The kind of place under (x, y), and the row and column the component reports for it.
    std::pair<KVLRESULT, Cell> Hit(int x, int y) {
        Cell cell{kNotMoved, kNotMoved};
        const KVLRESULT kind =
            Send(KV_GM_HITTEST, reinterpret_cast<KVWPARAM>(cell.data()), Point(x, y));
        return {kind, cell};
    }
};

TEST_F(CGridQueryTest, NamesCellsHeadersAndCornerAndNothingBeyondTheTable) {
    Layout(5, 4);
    events.clear();
    passedOn.clear();
    EXPECT_EQ(Hit(CellX(3), CellY(2)), (std::pair<KVLRESULT, Cell>{KV_HIT_CELL, {2, 3}}));
    EXPECT_EQ(Hit(CellX(4), kRowHeight / 2),
              (std::pair<KVLRESULT, Cell>{KV_HIT_COLHEADER, {0, 4}}));
    EXPECT_EQ(Hit(kHeaderWidth / 2, CellY(5)),
              (std::pair<KVLRESULT, Cell>{KV_HIT_ROWHEADER, {5, 0}}));
    EXPECT_EQ(Hit(2, 2), (std::pair<KVLRESULT, Cell>{KV_HIT_CORNER, {0, 0}}));
    // Past the last column and below the last row lies nothing.
    EXPECT_EQ(Hit(CellX(5), CellY(1)), (std::pair<KVLRESULT, Cell>{KV_HIT_NOWHERE, {0, 0}}));
    EXPECT_EQ(Hit(CellX(1), CellY(6)), (std::pair<KVLRESULT, Cell>{KV_HIT_NOWHERE, {0, 0}}));
    EXPECT_EQ(Hit(-1, 5).first, KV_HIT_NOWHERE);
    // The question changes nothing and reaches neither the events nor the host.
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(passedOn.empty());
    EXPECT_EQ(Send(KV_GM_HITTEST, 0, Point(CellX(1), CellY(1))), KV_HIT_NOWHERE);
}

TEST_F(CGridQueryTest, FollowsTheScrollPositionAndKnowsTheScrollBarsAreNoCell) {
    Layout(98, 99);
    Send(KV_WM_MOUSEWHEEL, static_cast<KVWPARAM>(static_cast<uint16_t>(-120)) << 16,
         Point(100, 100));
    EXPECT_EQ(Hit(CellX(1), CellY(1)), (std::pair<KVLRESULT, Cell>{KV_HIT_CELL, {4, 1}}));
    EXPECT_EQ(Hit(kHeaderWidth / 2, CellY(2)),
              (std::pair<KVLRESULT, Cell>{KV_HIT_ROWHEADER, {5, 0}}));
    EXPECT_EQ(Hit(kWidth - kBar / 2, CellY(2)).first, KV_HIT_NOWHERE);
    EXPECT_EQ(Hit(CellX(2), kHeight - kBar / 2).first, KV_HIT_NOWHERE);
}

TEST_F(CGridQueryTest, CellRectOnlyForCellsThatShowUnclippedAtTheirPlace) {
    Layout(98, 99);
    KVRect rect{};
    const Cell second{2, 3};
    ASSERT_EQ(Send(KV_GM_CELLRECT, reinterpret_cast<KVWPARAM>(second.data()),
                   reinterpret_cast<KVLPARAM>(&rect)),
              1);
    EXPECT_EQ(rect.left, kHeaderWidth + 2 * kColWidth);
    EXPECT_EQ(rect.top, 2 * kRowHeight);
    EXPECT_EQ(rect.right - rect.left, kColWidth);
    EXPECT_EQ(rect.bottom - rect.top, kRowHeight);

    const Cell header{0, 3};
    ASSERT_EQ(Send(KV_GM_CELLRECT, reinterpret_cast<KVWPARAM>(header.data()),
                   reinterpret_cast<KVLPARAM>(&rect)),
              1);
    EXPECT_EQ(rect.left, kHeaderWidth + 2 * kColWidth);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.bottom, kRowHeight);

    const KVRect untouched{1, 2, 3, 4};
    for (const Cell cell : {Cell{98, 1}, Cell{1, 99}, Cell{0, 0}, Cell{0, 99}, Cell{99, 1}}) {
        rect = untouched;
        EXPECT_EQ(Send(KV_GM_CELLRECT, reinterpret_cast<KVWPARAM>(cell.data()),
                       reinterpret_cast<KVLPARAM>(&rect)),
                  0)
            << cell[0] << "," << cell[1];
        EXPECT_EQ(rect.left, untouched.left);
    }
    EXPECT_EQ(Send(KV_GM_CELLRECT, reinterpret_cast<KVWPARAM>(second.data()), 0), 0);
    EXPECT_EQ(Send(KV_GM_CELLRECT, 0, reinterpret_cast<KVLPARAM>(&rect)), 0);
}

TEST_F(CGridQueryTest, CtrlHomeAndCtrlEndReachTheCornersAndScrollThemIntoView) {
    Layout(98, 99);
    dll.SSSetAllowArrows(h, 1);
    ASSERT_EQ(dll.SSSetActiveCell(h, 3, 4), 0);
    Key(KV_VK_END, false, true);
    EXPECT_EQ(Active(), (Cell{98, 99}));
    const Cell last{98, 99};
    KVRect rect{};
    EXPECT_EQ(Send(KV_GM_CELLRECT, reinterpret_cast<KVWPARAM>(last.data()),
                   reinterpret_cast<KVLPARAM>(&rect)),
              1);
    Key(KV_VK_HOME, false, true);
    EXPECT_EQ(Active(), (Cell{1, 1}));
    EXPECT_EQ(Hit(CellX(1), CellY(1)).second, (Cell{1, 1}));
    // Without Ctrl they stay on the row, as before.
    ASSERT_EQ(dll.SSSetActiveCell(h, 3, 4), 0);
    Key(KV_VK_END);
    EXPECT_EQ(Active(), (Cell{3, 99}));
}
