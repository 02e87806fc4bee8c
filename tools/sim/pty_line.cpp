#include "tools/sim/pty_line.h"

// std
#include <algorithm>
#include <stdexcept>

// POSIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A pseudo-terminal reports no opening of its slave; while it is closed the master signals a
// hang-up continuously, so its end is looked for at this pace.
constexpr int kReopenPollMs = 20;

} // namespace

CPtyLine::CPtyLine(const volatile std::sig_atomic_t* pStop) : m_pStop(pStop) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128];
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0 ||
        ptsname_r(m_master, name, sizeof name) != 0) {
        if (m_master >= 0) close(m_master);
        throw std::runtime_error("no pseudo-terminal available");
    }
    m_slavePath = name;
    // Terminal settings given on the master apply to the slave: raw until the editor sets its
    // own, so nothing is echoed or translated in between. Opening the slave here instead would
    // count as a first conversation ending when it is closed again.
    termios tio{};
    if (tcgetattr(m_master, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(m_master, TCSANOW, &tio);
    }
}

CPtyLine::~CPtyLine() {
    Hangup();
}

CPtyLine::Event CPtyLine::Take(std::vector<uint8_t>& bytes, size_t most, int waitMs) {
    if (m_master < 0) return Event::Failed;
    if (Stopped()) return Event::Stopped;
    pollfd entry{m_master, static_cast<short>(most > 0 ? POLLIN : 0), 0};
    if (poll(&entry, 1, waitMs) < 0) return errno == EINTR ? Event::Data : Event::Failed;
    // At a pause nothing is read: the bytes wait in the editor's queue, as on a real line.
    if (entry.revents == 0 || most == 0) return Event::Data;
    uint8_t buffer[4096];
    const ssize_t n = read(m_master, buffer, std::min(sizeof buffer, most));
    if (n > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
        return Event::Data;
    }
    // EIO: the slave is closed and everything it wrote has been read.
    if (n < 0 && errno == EIO) return Event::Closed;
    if (n < 0 && errno != EAGAIN && errno != EINTR) return Event::Failed;
    return Event::Data;
}

bool CPtyLine::AwaitReopen() {
    while (!Stopped() && m_master >= 0) {
        pollfd entry{m_master, POLLIN, 0};
        if (poll(&entry, 1, 0) >= 0 && !(entry.revents & POLLHUP)) return true;
        usleep(kReopenPollMs * 1000);
    }
    return false;
}

long CPtyLine::Put(const uint8_t* bytes, size_t count) {
    if (m_master < 0) return -1;
    const ssize_t n = write(m_master, bytes, count);
    if (n >= 0) return n;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

void CPtyLine::Hangup() {
    if (m_master >= 0) close(m_master);
    m_master = -1;
}
