#include "platform/clock.h"

// std
#include <cerrno>
#include <chrono>
#include <ctime>

uint32_t CSteadyClock::GetTickCount() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(ms);
}

void CSteadyClock::Sleep(uint32_t ms) {
    timespec remaining{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    // A signal cuts the sleep short; the rest is slept so callers get the pause they asked for.
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

CClock& SystemClock() {
    static CSteadyClock clock;
    return clock;
}
