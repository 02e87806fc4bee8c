#include "tests/serial/termios2_probe.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

uint32_t ProbeOutputRate(int fd) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) return 0;
    return tio.c_ospeed;
}
