#pragma once
// Eight stopwatches on a clock, each counting in a unit of its own (milliseconds per count).

// own
#include "platform/clock.h"

// std
#include <array>
#include <cstdint>

class CTickTimer {
public:
    static constexpr unsigned kSlots = 8;
    static constexpr uint16_t kDefaultUnit = 1000;

    // Borrows the clock, which must outlive the timer.
    explicit CTickTimer(CClock& clock);

    // Slots from kSlots on are ignored, and so is a unit of 0, which would divide by zero.
    void SetUnit(unsigned slot, uint16_t unit);
    void Start(unsigned slot);
    // Counts since Start, in 32-bit unsigned arithmetic across a wrap of the tick; 0xFFFF for
    // slots from kSlots on.
    uint32_t Elapsed(unsigned slot) const;

private:
    CClock& m_clock;
    std::array<uint16_t, kSlots> m_units;
    std::array<uint32_t, kSlots> m_starts{};
};
