#pragma once
// Moving the keyboard focus round a window's panes, as F6 and Shift+F6 do.

// std
#include <span>

class QWidget;

// The pane after (or before) the one that holds `focused` (itself or a child of it), round the
// ring, passing over panes that cannot take the focus now (hidden or disabled); the first (or
// last) that can when none holds it. Null when none can.
QWidget* NextPane(std::span<QWidget* const> ring, const QWidget* focused, bool forward);
