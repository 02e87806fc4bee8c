#pragma once
// Milliseconds for time-outs: a tick count that wraps at 32 bits and a sleep. Time-outs are
// measured against a CClock so that tests can run them on a clock of their own.

#include <cstdint>

class CClock {
public:
    virtual ~CClock() = default;
    // Milliseconds since an arbitrary start; wraps after about 49 days, so callers subtract.
    virtual uint32_t GetTickCount() = 0;
    virtual void Sleep(uint32_t ms) = 0;
};

// The monotonic clock of the machine (std::chrono::steady_clock, nanosleep).
class CSteadyClock final : public CClock {
public:
    uint32_t GetTickCount() override;
    void Sleep(uint32_t ms) override;
};

// The machine's clock, shared by everyone who is not given another one; it has no state.
CClock& SystemClock();
