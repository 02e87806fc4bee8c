#pragma once
// One direction of a serial line at its rate: how many bytes may have crossed it by a given
// moment. Bytes never pass faster than the rate for long: time the line spent idle lends nothing,
// while a simulator that a busy machine kept waiting with bytes on the line catches up with what
// a UART would have received meanwhile, up to half a second of it.

// std
#include <cstddef>
#include <cstdint>

class CLinePacer {
public:
    // The most time's worth of bytes a busy line lends, and at least kBurst bytes.
    static constexpr uint64_t kBurstUs = 500000;
    static constexpr size_t kBurst = 16;

    // At `baud`, 11 bits a byte; instant lets everything through at once.
    CLinePacer(uint32_t baud, bool instant);

    // Bytes that may cross now (times in microseconds of any steady clock).
    size_t Allowance(uint64_t nowUs) const;
    // Counts `count` bytes as having crossed now.
    void Took(size_t count, uint64_t nowUs);
    // Nothing was waiting to cross now: the time until now lends nothing.
    void Idle(uint64_t nowUs);
    // Microseconds until one more byte may cross (0 when one may now).
    uint64_t UsUntilNext(uint64_t nowUs) const;

private:
    uint64_t m_byteUs;       // 0 when instant
    size_t m_nBurst;         // the most bytes lent, 0 when instant
    uint64_t m_freeAtUs = 0; // when the last byte taken has crossed
};
