// own
#include "view/grid_messages.h"

// Qt
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

// std
#include <algorithm>

namespace {
uint16_t Word(int value) {
    return static_cast<uint16_t>(std::clamp(value, -32768, 32767));
}

KVLPARAM MakeLParam(int low, int high) {
    return static_cast<KVLPARAM>(static_cast<uint32_t>(Word(low)) |
                                 (static_cast<uint32_t>(Word(high)) << 16));
}

KVWPARAM KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    KVWPARAM flags = 0;
    if (buttons & Qt::LeftButton) flags |= KV_MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= KV_MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= KV_MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= KV_MK_CONTROL;
    return flags;
}

std::optional<CGridMessage> MouseMessage(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    const KVWPARAM flags = KeyFlags(event.buttons(), event.modifiers());
    const KVLPARAM position = MakeLParam(at.x(), at.y());
    const bool left = event.button() == Qt::LeftButton;
    const bool right = event.button() == Qt::RightButton;
    switch (event.type()) {
    case QEvent::MouseMove:
        return CGridMessage{KV_WM_MOUSEMOVE, flags, position};
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A right double click is one more press: the component has no message for it.
        const bool twice = event.type() == QEvent::MouseButtonDblClick;
        if (left)
            return CGridMessage{twice ? KV_WM_LBUTTONDBLCLK : KV_WM_LBUTTONDOWN, flags, position};
        if (right) return CGridMessage{KV_WM_RBUTTONDOWN, flags, position};
        return std::nullopt;
    }
    case QEvent::MouseButtonRelease:
        if (left) return CGridMessage{KV_WM_LBUTTONUP, flags, position};
        if (right) return CGridMessage{KV_WM_RBUTTONUP, flags, position};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<CGridMessage> WheelMessage(const QWheelEvent& event) {
    const QPoint at = event.position().toPoint();
    const KVWPARAM flags = KeyFlags(event.buttons(), event.modifiers());
    const QPoint delta = event.angleDelta();
    // Qt counts a horizontal turn toward the left as positive; the message counts right.
    const bool vertical = delta.y() != 0;
    const int amount = vertical ? delta.y() : -delta.x();
    if (amount == 0) return std::nullopt;
    return CGridMessage{vertical ? KV_WM_MOUSEWHEEL : KV_WM_MOUSEHWHEEL,
                        flags | (static_cast<KVWPARAM>(Word(amount)) << 16),
                        MakeLParam(at.x(), at.y())};
}
} // namespace

CGridMessage SizeMessage(const QSize& size) {
    return {KV_WM_SIZE, 0, MakeLParam(size.width(), size.height())};
}

std::optional<uint32_t> ToVirtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return KV_VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KV_VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KV_VK_RETURN;
    case Qt::Key_Escape:
        return KV_VK_ESCAPE;
    case Qt::Key_Space:
        return KV_VK_SPACE;
    case Qt::Key_PageUp:
        return KV_VK_PRIOR;
    case Qt::Key_PageDown:
        return KV_VK_NEXT;
    case Qt::Key_End:
        return KV_VK_END;
    case Qt::Key_Home:
        return KV_VK_HOME;
    case Qt::Key_Left:
        return KV_VK_LEFT;
    case Qt::Key_Up:
        return KV_VK_UP;
    case Qt::Key_Right:
        return KV_VK_RIGHT;
    case Qt::Key_Down:
        return KV_VK_DOWN;
    case Qt::Key_Insert:
        return KV_VK_INSERT;
    case Qt::Key_Delete:
        return KV_VK_DELETE;
    default:
        return std::nullopt;
    }
}

KVLPARAM PointParam(const QPoint& at) {
    return MakeLParam(at.x(), at.y());
}

std::optional<CGridMessage> ToGridMessage(const QEvent& event) {
    switch (event.type()) {
    case QEvent::Resize:
        return SizeMessage(static_cast<const QResizeEvent&>(event).size());
    case QEvent::FocusIn:
        return CGridMessage{KV_WM_SETFOCUS, 0, 0};
    case QEvent::FocusOut:
        return CGridMessage{KV_WM_KILLFOCUS, 0, 0};
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return MouseMessage(static_cast<const QMouseEvent&>(event));
    case QEvent::Wheel:
        return WheelMessage(static_cast<const QWheelEvent&>(event));
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        const std::optional<uint32_t> code = ToVirtualKey(key.key());
        if (!code) return std::nullopt;
        const bool shift = (key.modifiers() & Qt::ShiftModifier) || key.key() == Qt::Key_Backtab;
        const KVLPARAM held = (shift ? KV_MK_SHIFT : 0) |
                              ((key.modifiers() & Qt::ControlModifier) ? KV_MK_CONTROL : 0);
        return CGridMessage{event.type() == QEvent::KeyPress ? KV_WM_KEYDOWN : KV_WM_KEYUP, *code,
                            held};
    }
    default:
        return std::nullopt;
    }
}
