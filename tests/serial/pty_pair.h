#pragma once
// A pseudo-terminal for tests: the test holds the master (the far end of the line) and the slave
// is the serial device under test. Throws std::runtime_error when no pseudo-terminal can be had.

// std
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CPtyPair {
public:
    CPtyPair();
    ~CPtyPair();
    CPtyPair(const CPtyPair&) = delete;
    CPtyPair& operator=(const CPtyPair&) = delete;

    const std::string& SlavePath() const { return m_slavePath; }
    int MasterFd() const { return m_master; }

    // The far end sends all of bytes.
    void Send(std::span<const uint8_t> bytes);
    // What arrives at the far end until count bytes have come or the wait ends.
    std::vector<uint8_t> Receive(size_t count,
                                 std::chrono::milliseconds wait = std::chrono::seconds(2));
    // Everything waiting at the far end now, after a short settling pause.
    std::vector<uint8_t> Drain();
    // Closes the master: the slave is hung up.
    void Hangup();

private:
    int m_master = -1;
    std::string m_slavePath;
};
