#pragma once
// The technician's check of an adapter and its cable with TX joined to RX: a test pattern sent at
// one rate must come back whole, in order, and at that rate.

// own
#include "serial/serial_port.h"

// std
#include <cstddef>
#include <cstdint>
#include <string_view>

struct LoopbackResult {
    enum class Verdict {
        Ok,
        PortFailed,  // the port could not be opened at the rate, or failed while in use
        NothingBack, // not one byte returned
        BytesLost,   // some came back, but fewer in order than were sent
        WrongRate,   // all came back, but not at the rate asked for
    };
    Verdict verdict = Verdict::PortFailed;
    size_t nSent = 0;
    size_t nBack = 0;       // bytes that came back in order before the first wrong or missing one
    size_t nReceived = 0;   // bytes that came back at all
    uint32_t nMeasured = 0; // bytes a second, from the first byte come back to the last
    uint32_t nExpected = 0; // the rate's bytes a second at 11 bits a byte
};

// The measured rate may differ from the expected one by this share and still pass: enough for the
// latency of a USB adapter, far too little for a line running at a neighbouring rate.
inline constexpr double kLoopbackRateTolerance = 0.10;

// Opens `portName` at `baud` on the platform, sends about half a second of pattern, reads it back
// and closes the port again.
LoopbackResult TestLoopback(const SerialPlatform& platform, std::string_view portName,
                            uint32_t baud);
