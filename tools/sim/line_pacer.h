#pragma once
// One direction of a serial line at its rate: how many bytes may have crossed it by a given
// moment. A line that was idle lends no more than a short burst, so bytes never pass faster than
// the rate for long, while a simulator that was kept waiting by a busy machine still catches up.

// std
#include <cstddef>
#include <cstdint>

class CLinePacer {
public:
    // An idle line lends at most this long a time's worth of bytes, and at least kBurst.
    static constexpr uint64_t kBurstUs = 20000;
    static constexpr size_t kBurst = 16;

    // At `baud`, 11 bits a byte; instant lets everything through at once.
    CLinePacer(uint32_t baud, bool instant);

    // Bytes that may cross now (times in microseconds of any steady clock).
    size_t Allowance(uint64_t nowUs) const;
    // Counts `count` bytes as having crossed now.
    void Took(size_t count, uint64_t nowUs);
    // Microseconds until one more byte may cross (0 when one may now).
    uint64_t UsUntilNext(uint64_t nowUs) const;

private:
    uint64_t m_byteUs;       // 0 when instant
    size_t m_nBurst;         // the most bytes lent, 0 when instant
    uint64_t m_freeAtUs = 0; // when the last byte taken has crossed
};
