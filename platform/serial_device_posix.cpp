#include "platform/serial_device_posix.h"

// own
#include "platform/serial_device_posix_termios2.h"
#include "platform/serial_ports_folder.h"
#include "platform/terminal_devices.h"

// std
#include <algorithm>
#include <cstdint>

// POSIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The byte count of a read or write on a non-blocking descriptor: 0 when it would have to wait,
// -1 on failure; a call cut short by a signal is repeated.
template <typename Call> long NonBlocking(Call call) {
    for (;;) {
        const ssize_t n = call();
        if (n >= 0) return n;
        if (errno == EAGAIN) return 0;
        if (errno != EINTR) return -1;
    }
}

SerialOpenFault::Cause CauseOf(int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return SerialOpenFault::NotConnected;
    case EACCES:
    case EPERM:
        return SerialOpenFault::NotPermitted;
    case EBUSY:
        return SerialOpenFault::InUse;
    default:
        return SerialOpenFault::Other;
    }
}

} // namespace

CPosixSerialDevice::~CPosixSerialDevice() {
    if (m_fd >= 0) Close();
}

std::unique_ptr<CSerialDevice> CPosixSerialDevice::OpenPath(const std::filesystem::path& path,
                                                            SerialOpenFault* fault) {
    // What was opened is checked, not what the path named a moment before: the link may be
    // changed in between. Non-blocking, so that a FIFO or a modem line without carrier cannot
    // stall the open.
    SerialOpenFault ignored;
    SerialOpenFault& why = fault != nullptr ? *fault : ignored;
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why.cause = CauseOf(errno);
        why.error = errno;
        return nullptr;
    }
    struct stat info {};
    const bool port = fstat(fd, &info) == 0 && S_ISCHR(info.st_mode) && isatty(fd) &&
                      CTerminalDevices::FromSystem().UseOf(info.st_rdev) == TerminalUse::Port;
    if (!port) {
        why.cause = SerialOpenFault::NotAPort;
        close(fd);
        return nullptr;
    }
    // TIOCEXCL keeps other openers out, except the superuser; the lock covers that case too.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        why.cause = SerialOpenFault::InUse;
        close(fd);
        return nullptr;
    }
    return std::make_unique<CPosixSerialDevice>(fd);
}

bool CPosixSerialDevice::GetLineSettings(SerialLineSettings& settings) {
    if (!ReadTermios2(m_fd, settings)) return false;
    int lines = 0;
    if (ioctl(m_fd, TIOCMGET, &lines) != 0) lines = 0;
    settings.bDtr = (lines & TIOCM_DTR) != 0;
    settings.bRts = (lines & TIOCM_RTS) != 0;
    return true;
}

bool CPosixSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    if (!WriteTermios2(m_fd, settings)) return false;
    // A pseudo-terminal has no modem lines and refuses these; the line itself works.
    const int dtr = TIOCM_DTR;
    const int rts = TIOCM_RTS;
    ioctl(m_fd, settings.bDtr ? TIOCMBIS : TIOCMBIC, &dtr);
    ioctl(m_fd, settings.bRts ? TIOCMBIS : TIOCMBIC, &rts);
    return true;
}

bool CPosixSerialDevice::InputQueueCount(uint32_t& count) {
    int waiting = 0;
    if (ioctl(m_fd, FIONREAD, &waiting) != 0 || waiting < 0) return false;
    count = static_cast<uint32_t>(waiting);
    return true;
}

bool CPosixSerialDevice::OutputQueueCount(uint32_t& count) {
    int queued = 0;
    if (ioctl(m_fd, TIOCOUTQ, &queued) != 0 || queued < 0) return false;
    count = static_cast<uint32_t>(queued);
    return true;
}

bool CPosixSerialDevice::DiscardOutput() {
    return tcflush(m_fd, TCOFLUSH) == 0;
}

long CPosixSerialDevice::Read(uint8_t* buffer, size_t size) {
    return NonBlocking([&] { return read(m_fd, buffer, size); });
}

long CPosixSerialDevice::Write(const uint8_t* data, size_t size) {
    return NonBlocking([&] { return write(m_fd, data, size); });
}

bool CPosixSerialDevice::Await(SerialReady wanted, uint32_t ms, SerialReady& found) {
    found = {};
    const auto events = static_cast<short>((wanted.bInput ? POLLIN : 0) | (wanted.bRoom ? POLLOUT : 0));
    pollfd watched{m_fd, events, 0};
    const int timeout = static_cast<int>(std::min<uint32_t>(ms, INT32_MAX));
    // A plain sleep watches nothing, so that a hang-up cannot cut it short.
    const int ready = poll(&watched, events != 0 ? 1 : 0, timeout);
    // A signal ends the wait early; the caller looks at the line and its cancel flag again.
    if (ready < 0) return errno == EINTR;
    if ((watched.revents & POLLNVAL) != 0) return false;
    found.bInput = wanted.bInput && (watched.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    found.bRoom = wanted.bRoom && (watched.revents & POLLOUT) != 0;
    return true;
}

bool CPosixSerialDevice::Close() {
    // The exclusive flag outlives the descriptor on a terminal that someone else keeps open.
    ioctl(m_fd, TIOCNXCL);
    const int fd = m_fd;
    m_fd = -1;
    // Linux releases the descriptor even when close reports an error; never retried.
    return close(fd) == 0;
}

std::unique_ptr<CSerialDevice> CPosixSerialDeviceHost::Open(unsigned comNumber,
                                                            SerialOpenFault* fault) {
    const CPortsFolder folder = CPortsFolder::ForUser();
    if (!folder.HasLink(comNumber)) folder.LinkNewDevices(FindSerialDevices(m_sources));
    const std::filesystem::path link = folder.LinkPath(comNumber);
    auto device = CPosixSerialDevice::OpenPath(link, fault);
    if (!device && fault != nullptr) {
        std::error_code error;
        fault->device = std::filesystem::read_symlink(link, error).string();
    }
    return device;
}

std::vector<unsigned> CPosixSerialDeviceHost::ListPorts() {
    const CPortsFolder folder = CPortsFolder::ForUser();
    folder.LinkNewDevices(FindSerialDevices(m_sources));
    const CTerminalDevices terminals = CTerminalDevices::FromSystem();
    std::vector<unsigned> present;
    for (unsigned n = 1; n <= CPortsFolder::kLastComNumber; ++n)
        if (folder.NamesPort(n, terminals)) present.push_back(n);
    return present;
}
