#pragma once
// A clock that moves only when told to, or when someone sleeps on it: time-outs run in no time
// and their length can be checked to the millisecond.

// own
#include "platform/clock.h"

// std
#include <cstdint>

class CManualClock final : public CClock {
public:
    uint32_t GetTickCount() override { return m_now; }
    void Sleep(uint32_t ms) override {
        ++m_nSleeps;
        Advance(ms);
    }
    void Advance(uint32_t ms) { m_now += ms; }
    unsigned Sleeps() const { return m_nSleeps; }

private:
    uint32_t m_now = 0;
    unsigned m_nSleeps = 0;
};
