#pragma once
// The status bar's texts: the idle message and the prompt shown while a menu item is highlighted.

// own
#include "framework/command_ids.h"

inline constexpr const char* kIdlePrompt = " Welcome to Corvantine";

// The prompt of a command, or an empty text for a command without one (the program's own).
const char* CommandPrompt(CommandId id);
