#pragma once
// The grid component's window messages for Qt events: size, focus, mouse, wheel and keys, with
// virtual-key codes and packed coordinates as kv_graphics.h states them. Painting is left to the
// window, which owns the painter.

// own
#include "platform/kvgraphics/kv_graphics.h"

// std
#include <cstdint>
#include <optional>

class QEvent;
class QSize;

struct CGridMessage {
    uint32_t msg = 0;
    KVWPARAM wParam = 0;
    KVLPARAM lParam = 0;
};

// Nothing for events the component has no message for (they keep Qt's own handling).
std::optional<CGridMessage> ToGridMessage(const QEvent& event);
// The size message for a window of `size`.
CGridMessage SizeMessage(const QSize& size);
// The virtual-key code of a Qt key, or nothing for keys the component is not given.
std::optional<uint32_t> ToVirtualKey(int qtKey);
