// Tables set down pages: column widths from their cells, header rows repeated on every page,
// and a row taller than a page that still lets the flow come to an end.

// own
#include "report/qt/page_flow.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QImage>

// std
#include <gtest/gtest.h>
#include <numeric>

namespace {

class PageFlowTest : public ::testing::Test {
protected:
    PageFlowTest() {
        QtTestApp();
        fonts.padding = 3;
    }

    static PageCell Cell(const QString& text, int span = 1) {
        PageCell cell;
        cell.text = text;
        cell.span = span;
        return cell;
    }

    QImage device{10, 10, QImage::Format_RGB32};
    PageFonts fonts{QFont("Sans Serif", 9), QFont("Sans Serif", 9), QFont("Sans Serif", 7)};
};

TEST_F(PageFlowTest, ColumnsTakeTheirWidestCellAndASpanningCellWidensTheLast) {
    const std::vector<PageRow> rows{{Cell("Type"), Cell("4"), Cell("Group"), Cell("0")},
                                    {Cell("LCD"), Cell(QString(60, 'W'), 3)}};
    const std::vector<qreal> widths = CPageTable::NaturalWidths(fonts, device, {rows[0]}, 10000);
    const std::vector<qreal> spanned = CPageTable::NaturalWidths(fonts, device, rows, 10000);
    ASSERT_EQ(spanned.size(), 4u);
    EXPECT_EQ(spanned[0], widths[0]);
    EXPECT_EQ(spanned[2], widths[2]);
    EXPECT_GT(spanned[3], widths[3]);
    const qreal covered = spanned[1] + spanned[2] + spanned[3];
    const PageRow alone{Cell(rows[1][1].text)};
    EXPECT_NEAR(covered, CPageTable::NaturalWidths(fonts, device, {alone}, 10000)[0], 0.01);

    const std::vector<qreal> narrowed = CPageTable::NaturalWidths(fonts, device, rows, 200);
    EXPECT_NEAR(std::accumulate(narrowed.begin(), narrowed.end(), 0.0), 200, 0.01);
}

TEST_F(PageFlowTest, RowsGoOnToNewPagesUnderTheirHeaderRows) {
    std::vector<PageRow> rows(100, PageRow{Cell("HB-01"), Cell("Name")});
    const CPageTable table(fonts, device, {100, 100}, {{Cell("Button"), Cell("Name")}}, rows);
    const qreal row = table.RowHeight(0);
    ASSERT_EQ(table.HeadHeight(), row);
    // Room for the header row and nine rows on each page: 100 rows take 12 pages.
    CPageFlow flow(device, QRectF(0, 0, 200, 10.5 * row));
    flow.Table(table, 0);
    EXPECT_EQ(flow.Pages(), 12);
}

TEST_F(PageFlowTest, ARowTallerThanAPageTakesAPageOfItsOwn) {
    const std::vector<PageRow> rows{{Cell("short")}, {Cell(QString(4000, 'W'))}, {Cell("short")}};
    const CPageTable table(fonts, device, {100}, {}, rows);
    const qreal page = 5 * table.RowHeight(0);
    ASSERT_GT(table.RowHeight(1), page);
    CPageFlow flow(device, QRectF(0, 0, 100, page));
    flow.Table(table, 0);
    EXPECT_EQ(flow.Pages(), 3);
}

} // namespace
