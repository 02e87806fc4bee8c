// CGridWnd hosting the real grid component, driven headless with QtTest mouse and key events.

// own
#include "tests/support/qt_test_app.h"
#include "view/grid_wnd.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

// gtest
#include <gtest/gtest.h>

// std
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {
// The documented units: header 2048 and columns 750 at "Arial" 8.
constexpr int kHeaderWidth = 64;
constexpr int kColWidth = 23;
constexpr int kRowHeight = 19;

QPoint CellCentre(int row, int col) {
    return {kHeaderWidth + (col - 1) * kColWidth + kColWidth / 2,
            kRowHeight + (row - 1) * kRowHeight + kRowHeight / 2};
}

CGraphicsDll& Dll() {
    static CGraphicsDll dll;
    if (!dll.IsLoaded()) dll.Load();
    return dll;
}

// Records every handler call and every message offered to the component.
class CRecordingGrid : public CGridWnd {
public:
    using CGridWnd::CGridWnd;

    std::vector<std::string> calls;
    std::vector<std::pair<uint32_t, KVWPARAM>> offered;
    bool pass = true;
    int ownPresses = 0;

    void OnGridEvent406(int32_t a, int32_t b) override { Record("406", a, b); }
    void OnGridEvent407(int32_t a, int32_t b) override { Record("407", a, b); }
    void OnGridEvent417(int32_t a, int32_t b) override { Record("417", a, b); }
    void OnGridEvent418(int32_t a, int32_t b) override { Record("418", a, b); }
    void OnGridEvent415(KVLPARAM l, KVWPARAM w) override {
        Record("415", static_cast<int32_t>(l != 0), static_cast<int32_t>(w));
    }
    void OnGridEvent416(KVLPARAM l, KVWPARAM w) override {
        Record("416", static_cast<int32_t>(l != 0), static_cast<int32_t>(w));
    }
    void OnGridEvent402(int32_t a, const int32_t* next) override { Record("402", a, *next); }
    void OnGridEvent410() override { calls.push_back("410"); }
    void OnGridEvent403(int32_t a, const int32_t* next) override { Record("403", a, *next); }
    void OnGridEvent404() override { calls.push_back("404"); }
    void OnGridEvent405() override { calls.push_back("405"); }
    void OnGridEvent401() override { calls.push_back("401"); }
    void OnGridEvent414() override { calls.push_back("414"); }
    bool PassToGrid(uint32_t msg, KVWPARAM wParam, KVLPARAM) override {
        offered.emplace_back(msg, wParam);
        return pass;
    }
    bool Offered(uint32_t msg, KVWPARAM wParam) const {
        return std::find(offered.begin(), offered.end(), std::make_pair(msg, wParam)) !=
               offered.end();
    }
    bool Called(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

protected:
    void mousePressEvent(QMouseEvent*) override { ++ownPresses; }

private:
    void Record(const char* code, int32_t a, int32_t b) {
        calls.push_back(std::string(code) + "(" + std::to_string(a) + "," + std::to_string(b) +
                        ")");
    }
};
} // namespace

class CGridWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        QtTestApp();
        ASSERT_TRUE(Dll().IsLoaded());
        window = std::make_unique<QWidget>();
        window->resize(400, 340);
        grid = new CRecordingGrid(Dll(), window.get());
        edit = new QLineEdit(window.get());
        edit->setGeometry(0, 310, 200, 24);
    }

    // Creates the instance, sizes the table as the station view does and shows everything.
    void CreateAndShow(int32_t rows, int32_t cols) {
        ASSERT_TRUE(grid->Create(QRect(0, 0, 400, 300)));
        HSS h = grid->m_hGrid;
        dll.SSSetMaxRow(h, rows);
        dll.SSSetMaxCol(h, cols);
        dll.SSSetDefaultFont(h, "Arial", 8);
        dll.SSSetHdrWidth(h, 2048);
        dll.SSSetColWidth(h, 1, cols, 750, 0);
        dll.SSSetAllowArrows(h, 1);
        dll.SSSetAllowTabs(h, 1);
        grid->show();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        grid->calls.clear();
        grid->offered.clear();
    }

    std::pair<int32_t, int32_t> Active() const {
        int32_t row = 0;
        int32_t col = 0;
        dll.SSGetActiveCell(grid->m_hGrid, &row, &col);
        return {row, col};
    }

    std::vector<int32_t> Selection() const {
        std::vector<int32_t> block(4);
        dll.SSGetSelection(grid->m_hGrid, 0, &block[0], &block[1], &block[2], &block[3]);
        return block;
    }

    CGraphicsDll& dll = Dll();
    std::unique_ptr<QWidget> window;
    CRecordingGrid* grid = nullptr;
    QLineEdit* edit = nullptr;
};

TEST_F(CGridWndTest, CreateMakesAHiddenChildHoldingAnInstance) {
    EXPECT_EQ(grid->m_bCreated, 0);
    EXPECT_EQ(grid->m_hGrid, nullptr);
    ASSERT_TRUE(grid->Create(QRect(10, 20, 300, 200)));
    EXPECT_EQ(grid->m_bCreated, 1);
    EXPECT_NE(grid->m_hGrid, nullptr);
    EXPECT_TRUE(grid->isHidden());
    EXPECT_EQ(grid->geometry(), QRect(10, 20, 300, 200));
}

TEST_F(CGridWndTest, CreateFailsWithoutALoadedComponent) {
    CGraphicsDll unloaded;
    CRecordingGrid orphan(unloaded);
    EXPECT_FALSE(orphan.Create(QRect(0, 0, 100, 100)));
    EXPECT_EQ(orphan.m_hGrid, nullptr);
}

TEST_F(CGridWndTest, ClickOnACellReachesOnGridEvent417WithTheCell) {
    CreateAndShow(10, 10);
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellCentre(2, 3));
    EXPECT_TRUE(grid->Called("417(2,3)"));
    EXPECT_TRUE(grid->Called("401"));
    EXPECT_EQ(Active(), std::make_pair(2, 3));
}

TEST_F(CGridWndTest, ArrowsMoveTheActiveCellAndRaise401) {
    CreateAndShow(10, 10);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(Active(), std::make_pair(2, 2));
    EXPECT_EQ(std::count(grid->calls.begin(), grid->calls.end(), "401"), 2);
}

TEST_F(CGridWndTest, TabMovesTheActiveCellInsteadOfTheFocus) {
    CreateAndShow(10, 10);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(Active(), std::make_pair(1, 2));
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Active(), std::make_pair(1, 1));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(CGridWndTest, HeaderClickChoosesTheWholeColumn) {
    CreateAndShow(10, 10);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(CellCentre(1, 5).x(), kRowHeight / 2));
    EXPECT_EQ(Selection(), (std::vector<int32_t>{1, 5, KV_ALL_ROWS, 5}));
    EXPECT_TRUE(grid->Called("417(1,5)"));
}

TEST_F(CGridWndTest, SpaceChoosesTheActiveCell) {
    CreateAndShow(10, 10);
    dll.SSSetActiveCell(grid->m_hGrid, 4, 6);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_TRUE(grid->Called("417(4,6)"));
}

TEST_F(CGridWndTest, InsertAndDeleteAreOfferedToPassToGridDespiteAShortcut) {
    CreateAndShow(10, 10);
    int triggered = 0;
    auto* action = new QAction(window.get());
    action->setShortcut(QKeySequence(Qt::Key_Delete));
    QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    window->addAction(action);
    QTest::keyClick(grid, Qt::Key_Insert);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_TRUE(grid->Offered(KV_WM_KEYDOWN, KV_VK_INSERT));
    EXPECT_TRUE(grid->Offered(KV_WM_KEYDOWN, KV_VK_DELETE));
    EXPECT_EQ(triggered, 0);
}

TEST_F(CGridWndTest, CtrlTabStaysTheWindowsShortcut) {
    CreateAndShow(10, 10);
    int triggered = 0;
    auto* action = new QAction(window.get());
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    window->addAction(action);
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(Active(), std::make_pair(1, 1));
}

TEST_F(CGridWndTest, EventCodesWithoutAHandlerAreIgnoredWithResultZero) {
    CreateAndShow(10, 10);
    edit->setFocus();
    const int32_t record[4] = {1, 2, 3, 4};
    const auto lParam = reinterpret_cast<KVLPARAM>(record);
    for (uint32_t code :
         {0x400U, 0x408U, 0x409U, 0x40aU, 0x40cU, 0x40dU, 0x40eU, 0x40fU, 0x411U, 0x412U, 0x413U}) {
        EXPECT_EQ(CGridWnd::GridEventProc(grid, code, 0, lParam), 0) << std::hex << code;
    }
    EXPECT_TRUE(grid->calls.empty());
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(CGridWndTest, DispatchesEachEventToItsHandlerWithItsValues) {
    CreateAndShow(10, 10);
    edit->setFocus();
    const int32_t record[4] = {7, 8, 9, 10};
    const auto lParam = reinterpret_cast<KVLPARAM>(record);
    for (uint32_t code : {0x401U, 0x402U, 0x403U, 0x404U, 0x405U, 0x406U, 0x407U, 0x410U, 0x414U,
                          0x415U, 0x416U, 0x417U, 0x418U}) {
        EXPECT_EQ(CGridWnd::GridEventProc(grid, code, 5, lParam), 0);
    }
    EXPECT_EQ(grid->calls, (std::vector<std::string>{
                               "401", "402(7,8)", "403(7,8)", "404", "405", "406(7,8)", "407(7,8)",
                               "410", "414", "415(1,5)", "416(1,5)", "417(7,8)", "418(7,8)"}));
    EXPECT_EQ(CGridWnd::GridEventProc(grid, 0x40b, 0, lParam), 0);
    EXPECT_TRUE(grid->hasFocus());

    // No window object, or no record where values are due: nothing is called.
    grid->calls.clear();
    EXPECT_EQ(CGridWnd::GridEventProc(nullptr, 0x417, 0, lParam), 0);
    EXPECT_EQ(CGridWnd::GridEventProc(grid, 0x417, 0, 0), 0);
    EXPECT_TRUE(grid->calls.empty());
}

TEST_F(CGridWndTest, MessagesBeforeTheHandleOrRefusedByPassToGridGetNormalHandling) {
    grid->setGeometry(0, 0, 400, 300);
    grid->show();
    window->show();
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellCentre(2, 2));
    EXPECT_EQ(grid->ownPresses, 1);
    EXPECT_TRUE(grid->offered.empty());

    CreateAndShow(10, 10);
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellCentre(2, 2));
    EXPECT_EQ(grid->ownPresses, 1);
    EXPECT_TRUE(grid->Offered(KV_WM_LBUTTONDOWN, KV_MK_LBUTTON));

    grid->pass = false;
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellCentre(3, 3));
    EXPECT_EQ(grid->ownPresses, 2);
    EXPECT_EQ(Active(), std::make_pair(2, 2));
}

TEST_F(CGridWndTest, RepaintsWhenTheComponentAsks) {
    CreateAndShow(10, 10);
    QApplication::processEvents();
    grid->offered.clear();
    dll.SSSetActiveCell(grid->m_hGrid, 3, 3);
    dll.SSSetText(grid->m_hGrid, "On");
    QApplication::processEvents();
    EXPECT_TRUE(std::any_of(grid->offered.begin(), grid->offered.end(),
                            [](const auto& m) { return m.first == KV_WM_PAINT; }));
}

TEST_F(CGridWndTest, OnCellWithTheStationPatternRendersRed) {
    CreateAndShow(10, 10);
    HSS h = grid->m_hGrid;
    dll.SSSetActiveCell(h, 2, 3);
    dll.SSSetPattern(h, 1, 255, 16777215);
    dll.SSSetText(h, "On");
    dll.SSSetActiveCell(h, 9, 9);
    const QImage image = grid->grab().toImage();
    const QPoint centre = CellCentre(2, 3);
    EXPECT_EQ(image.pixel(centre.x() - kColWidth / 2 + 1, centre.y() - kRowHeight / 2 + 1),
              qRgb(255, 0, 0));
    bool whitish = false;
    for (int x = centre.x() - 7; x <= centre.x() + 7; ++x) {
        const QRgb pixel = image.pixel(x, centre.y());
        whitish = whitish || (qRed(pixel) > 200 && qGreen(pixel) > 160);
    }
    EXPECT_TRUE(whitish) << "no white text in the red cell";
}
