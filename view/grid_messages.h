#pragma once
// The grid component's window messages for Qt events: size, focus, mouse, wheel and keys, with
// virtual-key codes and packed coordinates as kv_graphics.h states them. Painting is left to the
// window, which owns the painter.

// own
#include "kvgraphics/kv_graphics.h"

// std
#include <cstdint>
#include <optional>

class QEvent;
class QPoint;
class QSize;

struct CGridMessage {
    uint32_t msg = 0;
    KVWPARAM wParam = 0;
    KVLPARAM lParam = 0;
};

// Nothing for events the component has no message for (they keep Qt's own handling).
std::optional<CGridMessage> ToGridMessage(const QEvent& event);
// A point packed as the mouse messages carry it, x low and y high, each clamped to 16 bits.
KVLPARAM PointParam(const QPoint& at);
// The size message for a window of `size`.
CGridMessage SizeMessage(const QSize& size);
// The virtual-key code of a Qt key, or nothing for keys the component is not given.
std::optional<uint32_t> ToVirtualKey(int qtKey);
