#pragma once
// The main frame's accelerator table: keys that run commands anywhere in the frame, whatever has
// the focus, through the frame's command actions. A key whose command is disabled does nothing
// (so the edit boxes keep their own Ctrl+C and friends). INS and DEL are not in it: they are menu
// text only.

// own
#include "framework/command_ids.h"

// std
#include <span>

class CCommandActions;
class QWidget;

struct Accelerator {
    const char* keys; // as QKeySequence reads them, e.g. "Ctrl+N"
    CommandId id;
};

std::span<const Accelerator> AcceleratorTable();

// Adds one hidden action per entry to `frame`, with a window-wide shortcut.
void InstallAccelerators(QWidget& frame, CCommandActions& commands);
