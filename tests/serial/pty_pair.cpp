#include "tests/serial/pty_pair.h"

// std
#include <algorithm>
#include <stdexcept>

// POSIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

CPtyPair::CPtyPair() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0) throw std::runtime_error("no slave name");
    m_slavePath = name;
}

CPtyPair::~CPtyPair() {
    Hangup();
}

void CPtyPair::Send(std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("pseudo-terminal write failed");
        } else {
            pollfd entry{m_master, POLLOUT, 0};
            poll(&entry, 1, 100);
        }
    }
}

std::vector<uint8_t> CPtyPair::Receive(size_t count, std::chrono::milliseconds wait) {
    std::vector<uint8_t> bytes;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (bytes.size() < count && std::chrono::steady_clock::now() < end) {
        pollfd entry{m_master, POLLIN, 0};
        if (poll(&entry, 1, 20) <= 0) continue;
        uint8_t buffer[4096];
        const ssize_t n = read(m_master, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (n > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

std::vector<uint8_t> CPtyPair::Drain() {
    std::vector<uint8_t> bytes;
    for (;;) {
        pollfd entry{m_master, POLLIN, 0};
        if (poll(&entry, 1, 50) <= 0) return bytes;
        uint8_t buffer[4096];
        const ssize_t n = read(m_master, buffer, sizeof buffer);
        if (n <= 0) return bytes;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
}

void CPtyPair::Hangup() {
    if (m_master >= 0) close(m_master);
    m_master = -1;
}
