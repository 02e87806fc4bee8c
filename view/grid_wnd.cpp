// own
#include "view/grid_wnd.h"
#include "view/grid_messages.h"

// Qt
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

// std
#include <array>

namespace {
// The events the window turns on at creation, in this order.
constexpr std::array<int32_t, 14> kFiredEvents = {0x406, 0x407, 0x417, 0x418, 0x415, 0x416, 0x402,
                                                  0x410, 0x403, 0x404, 0x405, 0x401, 0x414, 0x40b};
} // namespace

CGridWnd::CGridWnd(CGraphicsDll& dll, QWidget* parent) : QWidget(parent), m_dll(dll) {
    // The component paints every pixel; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

CGridWnd::~CGridWnd() {
    DestroyGrid();
}

bool CGridWnd::NewGrid(KVHWND window) {
    const int32_t result = m_dll.SSNew(window, &m_hGrid);
    m_bCreated = result == 0 ? 1 : 0;
    return result == 0;
}

bool CGridWnd::Create(const QRect& rect) {
    hide();
    setGeometry(rect);
    if (!m_dll.IsLoaded() || !NewGrid(static_cast<KVHWND>(this))) return false;
    if (m_hGrid == nullptr && !NewGrid(nullptr)) return false;
    if (m_dll.SSInitTable(m_hGrid) != 0) {
        DestroyGrid();
        return false;
    }
    for (const int32_t code : kFiredEvents)
        m_dll.SSSetFireEvent(m_hGrid, code, 1);
    m_dll.SSSetDefWindowProc(m_hGrid, &CGridWnd::GridEventProc);
    // The size was set before the instance existed.
    const CGridMessage sized = SizeMessage(size());
    m_dll.SSCallWindowProc(m_hGrid, sized.msg, sized.wParam, sized.lParam);
    return true;
}

void CGridWnd::DestroyGrid() {
    if (m_bCreated == 0) return;
    HSS old = m_hGrid;
    m_hGrid = nullptr;
    m_bCreated = 0;
    if (m_dll.SSDelete != nullptr) m_dll.SSDelete(old, 0);
}

bool CGridWnd::PassToGrid(uint32_t, KVWPARAM, KVLPARAM) {
    return true;
}

bool CGridWnd::event(QEvent* event) {
    if (m_hGrid != nullptr &&
        (event->type() == QEvent::Paint ? ForwardPaint(*event) : Forward(*event))) {
        return true;
    }
    return QWidget::event(event);
}

bool CGridWnd::Forward(QEvent& event) {
    // A plain key the grid may take must reach it as a key press even when a shortcut elsewhere
    // uses it (PassToGrid decides on the press itself); with Ctrl or Alt it stays a shortcut.
    if (event.type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<QKeyEvent&>(event);
        const Qt::KeyboardModifiers chords =
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if ((key.modifiers() & chords) || !ToVirtualKey(key.key())) return false;
        event.accept();
        return true;
    }
    const std::optional<CGridMessage> message = ToGridMessage(event);
    if (!message || !PassToGrid(message->msg, message->wParam, message->lParam)) return false;
    event.accept();
    m_dll.SSCallWindowProc(m_hGrid, message->msg, message->wParam, message->lParam);
    return true;
}

bool CGridWnd::ForwardPaint(QEvent& event) {
    const QRect area = static_cast<QPaintEvent&>(event).rect();
    KVRect rect{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    const auto wParam = reinterpret_cast<KVWPARAM>(&rect);
    if (!PassToGrid(KV_WM_PAINT, wParam, 0)) return false;
    QPainter painter(this);
    m_dll.SSCallWindowProc(m_hGrid, KV_WM_PAINT, wParam, reinterpret_cast<KVLPARAM>(&painter));
    return true;
}

KVLRESULT CGridWnd::DefaultProc(uint32_t msg, KVLPARAM lParam) {
    if (msg != KV_HM_INVALIDATE) return 0;
    if (const auto* rect = reinterpret_cast<const KVRect*>(lParam); rect != nullptr) {
        update(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    } else {
        update();
    }
    return 0;
}

KVLRESULT CGridWnd::GridEventProc(KVHWND hWnd, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam) {
    auto* wnd = static_cast<CGridWnd*>(hWnd);
    if (msg < 0x400 || msg > 0x418) return wnd != nullptr ? wnd->DefaultProc(msg, lParam) : 0;
    if (wnd == nullptr) return 0;
    // Events with values carry a record of 32-bit values; one without is dropped.
    const auto* values = reinterpret_cast<const int32_t*>(lParam);
    switch (msg) {
    case 0x401:
        wnd->OnGridEvent401();
        break;
    case 0x402:
        if (values) wnd->OnGridEvent402(values[0], values + 1);
        break;
    case 0x403:
        if (values) wnd->OnGridEvent403(values[0], values + 1);
        break;
    case 0x404:
        wnd->OnGridEvent404();
        break;
    case 0x405:
        wnd->OnGridEvent405();
        break;
    case 0x406:
        if (values) wnd->OnGridEvent406(values[0], values[1]);
        break;
    case 0x407:
        if (values) wnd->OnGridEvent407(values[0], values[1]);
        break;
    case 0x40b:
        wnd->setFocus(Qt::MouseFocusReason);
        break;
    case 0x410:
        wnd->OnGridEvent410();
        break;
    case 0x414:
        wnd->OnGridEvent414();
        break;
    case 0x415:
        wnd->OnGridEvent415(lParam, wParam);
        break;
    case 0x416:
        wnd->OnGridEvent416(lParam, wParam);
        break;
    case 0x417:
        if (values) wnd->OnGridEvent417(values[0], values[1]);
        break;
    case 0x418:
        if (values) wnd->OnGridEvent418(values[0], values[1]);
        break;
    default:
        break;
    }
    return 0;
}
