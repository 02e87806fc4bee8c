#pragma once
// Reads a terminal's output rate through termios2, independently of the code under test; kept
// apart from <termios.h>, whose struct termios clashes with the kernel's.

#include <cstdint>

// The rate in bits per second, or 0 when it cannot be read.
uint32_t ProbeOutputRate(int fd);
