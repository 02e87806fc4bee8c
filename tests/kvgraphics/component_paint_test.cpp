// What the grid component paints through the paint message, read back from the image.

// own
#include "tests/kvgraphics/grid_fixture.h"

namespace {
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

template <class Test> bool HasPixel(const QImage& image, QRect area, Test test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) return true;
        }
    }
    return false;
}

bool Is(QRgb pixel, QRgb colour) {
    return pixel == colour;
}
// Text is smoothed into the fill, so its strokes are whitish rather than pure white.
bool IsWhitishOnRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 160;
}

bool IsGrey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 150 &&
           qRed(pixel) < 250;
}
} // namespace

class CGridPaintTest : public CGridFixture {
protected:
    // The cell's inside, without its grid lines and the active frame.
    QRect Inside(int32_t row, int32_t col) const {
        return QRect(CellX(col) - kColWidth / 2 + 2, CellY(row) - kRowHeight / 2 + 2, kColWidth - 5,
                     kRowHeight - 5);
    }
    // A pixel of the cell that text never covers: left of the text's padding.
    QPoint FillPoint(int32_t row, int32_t col) const {
        return QPoint(CellX(col) - kColWidth / 2 + 1, CellY(row) - kRowHeight / 2 + 1);
    }
};

TEST_F(CGridPaintTest, OnCellIsRedWithWhiteTextAndAnEmptyCellWhite) {
    Layout(10, 10);
    MarkOn(2, 3);
    dll.SSSetActiveCell(h, 9, 9);
    const QImage image = Paint();
    EXPECT_EQ(image.pixel(FillPoint(2, 3)), kRed);
    EXPECT_TRUE(HasPixel(image, Inside(2, 3), IsWhitishOnRed)) << "no text drawn in the cell";
    EXPECT_EQ(image.pixel(CellX(4), CellY(2)), kWhite);
    EXPECT_FALSE(HasPixel(image, Inside(2, 4), [](QRgb p) { return Is(p, kRed); }));
}

TEST_F(CGridPaintTest, InitTableClearsTextsAndPatterns) {
    Layout(10, 10);
    MarkOn(2, 3);
    dll.SSSetActiveCell(h, 9, 9);
    ASSERT_EQ(dll.SSInitTable(h), 0);
    dll.SSSetActiveCell(h, 9, 9);
    const QImage image = Paint();
    for (int y = Inside(2, 3).top(); y <= Inside(2, 3).bottom(); ++y) {
        for (int x = Inside(2, 3).left(); x <= Inside(2, 3).right(); ++x) {
            ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
        }
    }
}

TEST_F(CGridPaintTest, PatternStyleZeroTakesTheFillAwayAgain) {
    Layout(10, 10);
    MarkOn(2, 3);
    dll.SSSetPattern(h, 0, 0, 0);
    dll.SSSetText(h, "");
    dll.SSSetActiveCell(h, 9, 9);
    EXPECT_EQ(Paint().pixel(FillPoint(2, 3)), kWhite);
}

TEST_F(CGridPaintTest, PaintsEveryPixelHeadersGreyAndNothingOutsideTheWindow) {
    Layout(98, 99);
    const QImage image = Paint();
    EXPECT_FALSE(HasPixel(image, image.rect(), [](QRgb p) { return Is(p, qRgb(255, 0, 255)); }))
        << "unpainted pixels";
    EXPECT_TRUE(IsGrey(image.pixel(CellX(5) - 6, 3))) << "column header";
    EXPECT_TRUE(IsGrey(image.pixel(3, CellY(5) - 6))) << "row header";
}

TEST_F(CGridPaintTest, ScrolledGridShowsTheRowsBelowAtTheTop) {
    Layout(98, 99);
    MarkOn(4, 1);
    dll.SSSetActiveCell(h, 50, 50);
    Send(KV_WM_MOUSEWHEEL, static_cast<KVWPARAM>(static_cast<uint16_t>(-120)) << 16,
         Point(100, 100));
    const QImage image = Paint();
    EXPECT_EQ(image.pixel(FillPoint(1, 1)), kRed);
    EXPECT_EQ(image.pixel(FillPoint(4, 1)), kWhite);
}

TEST_F(CGridPaintTest, InsideHorizontalBorderDrawsALineBetweenTheBlocksRows) {
    Layout(20, 10);
    dll.SSSetActiveCell(h, 20, 10);
    dll.SSSetSelection(h, 3, 1, 4, 10);
    ASSERT_EQ(dll.SSSetBorder(h, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0), 0);
    const QImage image = Paint();
    // The line on the last pixel row of row 3, in the border's colour (black), not grid grey.
    const int y = kRowHeight + 3 * kRowHeight - 1;
    EXPECT_EQ(image.pixel(CellX(5), y), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(CellX(5), y + kRowHeight), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(CellX(5), y - kRowHeight), qRgb(0, 0, 0));
}

TEST_F(CGridPaintTest, ActiveCellHasAFrame) {
    Layout(10, 10);
    dll.SSSetActiveCell(h, 5, 5);
    const QImage image = Paint();
    const int left = CellX(5) - kColWidth / 2;
    EXPECT_EQ(image.pixel(left, CellY(5)), qRgb(120, 120, 120));
    Send(KV_WM_SETFOCUS);
    EXPECT_EQ(Paint().pixel(left, CellY(5)), qRgb(0, 0, 0));
}
