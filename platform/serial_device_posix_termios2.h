#pragma once
// Line settings through the kernel's termios2 interface, which sets any rate (BOTHER) where the
// classic interface knows only its fixed list (no 14,400 or 56,000). Kept apart from every file
// that includes <termios.h>, whose struct termios clashes with the kernel's.

// own
#include "platform/serial_device.h"

// Fills rate, data bits, parity, stop bits and flow control of the open terminal fd; false when
// the driver cannot report them. The modem lines are left alone.
bool ReadTermios2(int fd, SerialLineSettings& settings);
// Puts the terminal in raw mode with the given rate, framing and flow control, keeping every
// other flag as the driver reported it; false when the driver refuses. Modem lines are not set.
bool WriteTermios2(int fd, const SerialLineSettings& settings);
