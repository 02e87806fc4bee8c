// own
#include "tests/kvgraphics/grid_fixture.h"

#include "tests/support/qt_test_app.h"

// Qt
#include <QPainter>

CGraphicsDll& CGridFixture::Dll() {
    static CGraphicsDll dll;
    if (!dll.IsLoaded()) dll.Load();
    return dll;
}

void CGridFixture::SetUp() {
    ASSERT_TRUE(dll.IsLoaded());
    ASSERT_EQ(dll.SSNew(this, &h), 0);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(dll.SSSetDefWindowProc(h, &CGridFixture::Proc), 0);
}

void CGridFixture::TearDown() {
    if (h != nullptr) {
        EXPECT_EQ(dll.SSDelete(h, 0), 0);
    }
}

KVLRESULT CGridFixture::Proc(KVHWND hWnd, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    auto* self = static_cast<CGridFixture*>(hWnd);
    if (msg == KV_HM_INVALIDATE) {
        const auto* rect = reinterpret_cast<const KVRect*>(lParam);
        self->repaints.push_back(rect != nullptr ? std::optional<KVRect>(*rect) : std::nullopt);
        return 0;
    }
    if (msg < KV_EVENT_FIRST || msg > KV_EVENT_LAST) {
        self->passedOn.push_back(msg);
        return self->passedOnResult;
    }
    (void)wParam;
    const auto* values = reinterpret_cast<const int32_t*>(lParam);
    CEvent event{msg, {values[0], values[1], 0, 0}};
    if (msg == KV_EV_CHOOSE) event.values = {values[0], values[1], values[2], values[3]};
    self->events.push_back(event);
    if (self->onEvent) self->onEvent(event);
    return 0;
}

void CGridFixture::FireAll() {
    for (int32_t code = KV_EVENT_FIRST; code <= KV_EVENT_LAST; ++code) {
        ASSERT_EQ(dll.SSSetFireEvent(h, code, 1), 0);
    }
}

void CGridFixture::Layout(int32_t rows, int32_t cols) {
    ASSERT_EQ(dll.SSSetMaxRow(h, rows), 0);
    ASSERT_EQ(dll.SSSetMaxCol(h, cols), 0);
    ASSERT_EQ(dll.SSSetDefaultFont(h, "Arial", 8), 0);
    ASSERT_EQ(dll.SSSetHdrWidth(h, 2048), 0);
    ASSERT_EQ(dll.SSSetColWidth(h, 1, cols, 750, 0), 0);
    Send(KV_WM_SIZE, 0, Point(kWidth, kHeight));
    FireAll();
    events.clear();
}

KVLRESULT CGridFixture::Send(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    return dll.SSCallWindowProc(h, msg, wParam, lParam);
}

KVLPARAM CGridFixture::Point(int x, int y) {
    return static_cast<KVLPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                                 (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}

void CGridFixture::Press(int x, int y) {
    Send(KV_WM_LBUTTONDOWN, KV_MK_LBUTTON, Point(x, y));
}
void CGridFixture::Drag(int x, int y) {
    Send(KV_WM_MOUSEMOVE, KV_MK_LBUTTON, Point(x, y));
}
void CGridFixture::Release(int x, int y) {
    Send(KV_WM_LBUTTONUP, 0, Point(x, y));
}

void CGridFixture::Click(int x, int y) {
    Press(x, y);
    Release(x, y);
}

void CGridFixture::Key(uint32_t key, bool shift, bool ctrl) {
    Send(KV_WM_KEYDOWN, key, (shift ? KV_MK_SHIFT : 0) | (ctrl ? KV_MK_CONTROL : 0));
}

std::array<int32_t, 4> CGridFixture::Selection() {
    std::array<int32_t, 4> block{};
    EXPECT_EQ(dll.SSGetSelection(h, 0, &block[0], &block[1], &block[2], &block[3]), 0);
    return block;
}

std::array<int32_t, 2> CGridFixture::Active() {
    std::array<int32_t, 2> cell{};
    EXPECT_EQ(dll.SSGetActiveCell(h, &cell[0], &cell[1]), 0);
    return cell;
}

void CGridFixture::MarkOn(int32_t row, int32_t col) {
    ASSERT_EQ(dll.SSSetActiveCell(h, row, col), 0);
    ASSERT_EQ(dll.SSSetPattern(h, 1, 255, 16777215), 0);
    ASSERT_EQ(dll.SSSetText(h, "On"), 0);
}

QImage CGridFixture::Paint() {
    // Fonts need the application object.
    QtTestApp();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    Send(KV_WM_PAINT, 0, reinterpret_cast<KVLPARAM>(&painter));
    return image;
}

std::vector<CGridFixture::CEvent> CGridFixture::EventsOf(uint32_t code) const {
    std::vector<CEvent> found;
    for (const CEvent& event : events) {
        if (event.code == code) found.push_back(event);
    }
    return found;
}
