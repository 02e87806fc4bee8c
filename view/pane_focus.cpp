// own
#include "view/pane_focus.h"

// Qt
#include <QWidget>

namespace {
bool CanTakeFocus(const QWidget& pane) {
    return pane.isVisible() && pane.isEnabled() && pane.focusPolicy() != Qt::NoFocus;
}
} // namespace

QWidget* NextPane(std::span<QWidget* const> ring, const QWidget* focused, bool forward) {
    const int count = static_cast<int>(ring.size());
    int current = -1;
    for (int i = 0; i < count && focused != nullptr; ++i)
        if (ring[i] == focused || ring[i]->isAncestorOf(focused)) current = i;
    // With none focused, start just outside the ring so that the first step lands on an end.
    if (current < 0) current = forward ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int i = ((current + (forward ? step : -step)) % count + count) % count;
        if (CanTakeFocus(*ring[i])) return ring[i];
    }
    return nullptr;
}
