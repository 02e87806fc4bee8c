#include "platform/serial_device_posix_termios2.h"

// std
#include <array>
#include <utility>

// Linux
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace {

// The rates with a code of their own; the classic codes are the ones drivers know best.
constexpr std::array<std::pair<unsigned, tcflag_t>, 11> kRateCodes{{
    {110, B110},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
}};

tcflag_t RateCode(unsigned rate) {
    for (const auto& [known, code] : kRateCodes)
        if (known == rate) return code;
    return BOTHER;
}

tcflag_t SizeFlag(uint8_t dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

uint8_t DataBits(tcflag_t cflag) {
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

} // namespace

bool ReadTermios2(int fd, SerialLineSettings& settings) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    // The kernel reports the output rate in c_ospeed whichever way it was set.
    settings.nBaudRate = tio.c_ospeed;
    settings.nDataBits = DataBits(tio.c_cflag);
    settings.bParity = (tio.c_cflag & PARENB) != 0;
    settings.bTwoStopBits = (tio.c_cflag & CSTOPB) != 0;
    settings.bCtsFlow = (tio.c_cflag & CRTSCTS) != 0;
    settings.bXonXoffOut = (tio.c_iflag & IXON) != 0;
    settings.bXonXoffIn = (tio.c_iflag & IXOFF) != 0;
    settings.nXonChar = tio.c_cc[VSTART];
    settings.nXoffChar = tio.c_cc[VSTOP];
    return true;
}

bool WriteTermios2(int fd, const SerialLineSettings& settings) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;

    // Raw: bytes pass unchanged both ways, nothing is echoed, no character is special.
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                     IXANY | INPCK | IUCLC | IMAXBEL);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;

    tio.c_cflag &= ~(CBAUD | CIBAUD | CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    // CLOCAL: the line is used whatever the carrier does; CREAD: receive.
    tio.c_cflag |= RateCode(settings.nBaudRate) | SizeFlag(settings.nDataBits) | CLOCAL | CREAD;
    if (settings.bParity) tio.c_cflag |= PARENB;
    if (settings.bTwoStopBits) tio.c_cflag |= CSTOPB;
    if (settings.bCtsFlow) tio.c_cflag |= CRTSCTS;
    if (settings.bXonXoffOut) tio.c_iflag |= IXON;
    if (settings.bXonXoffIn) tio.c_iflag |= IXOFF;
    tio.c_cc[VSTART] = settings.nXonChar;
    tio.c_cc[VSTOP] = settings.nXoffChar;
    // CIBAUD left 0: input at the output rate.
    tio.c_ispeed = settings.nBaudRate;
    tio.c_ospeed = settings.nBaudRate;
    return ioctl(fd, TCSETS2, &tio) == 0;
}
