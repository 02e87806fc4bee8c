#pragma once
// The controller's end of a pseudo-terminal; the editor opens the other end as its COM port.
// Every wait returns early once *pStop is set (by a signal handler).

// std
#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

class CPtyLine {
public:
    enum class Event { Data, Closed, Stopped, Failed };

    // Throws std::runtime_error when no pseudo-terminal can be had.
    explicit CPtyLine(const volatile std::sig_atomic_t* pStop);
    ~CPtyLine();
    CPtyLine(const CPtyLine&) = delete;
    CPtyLine& operator=(const CPtyLine&) = delete;

    const std::string& SlavePath() const { return m_slavePath; }

    // Waits up to waitMs for bytes from the editor and appends at most `most` of them (none, and
    // no wait for them, when most is 0). Closed once the editor has closed the port and
    // everything it sent was taken.
    Event Take(std::vector<uint8_t>& bytes, size_t most, int waitMs);
    // Waits until the editor has the port open again; false when stopped.
    bool AwaitReopen();
    // Sends as many bytes as the line has room for now: the count, or -1 when the line failed.
    long Put(const uint8_t* bytes, size_t count);
    // Closes the line: the editor's port is hung up.
    void Hangup();

private:
    bool Stopped() const { return *m_pStop != 0; }

    const volatile std::sig_atomic_t* m_pStop;
    int m_master = -1;
    std::string m_slavePath;
};
