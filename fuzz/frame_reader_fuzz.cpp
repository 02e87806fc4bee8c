// Any bytes arriving on the serial line give responses, refusals and finally a time-out; the text
// of a response is non-empty only when the response is complete. The same bytes through the
// escape decoder give only data, a start or a broken escape.

// own
#include "serial/frame_codec.h"
#include "serial/serial_transport.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/serial/manual_clock.h"

// std
#include <cstdlib>

namespace {

bool IsResult(int result) {
    return result == READ_COMPLETE || result == READ_TIMEOUT || result == READ_HARDWARE_ERROR ||
           result == READ_TYPE_TIMEOUT || result == READ_BAD_FRAME;
}

void DecodeAll(const uint8_t* data, std::size_t size) {
    CEscapeDecoder decoder;
    for (std::size_t i = 0; i < size; ++i) {
        int decoded = 0;
        if (!decoder.Feed(data[i], decoded)) continue;
        if (decoded != kDecodedStart && decoded != kDecodedBadEscape &&
            (decoded < 0 || decoded > 255))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    DecodeAll(data, size);

    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    host.Attach(1, line);
    CSerialTransport transport{{&host, &clock}};
    if (!transport.Open("COM1", 9600).empty()) std::abort();
    line.Send({data, size});

    // Every read consumes at least one byte until only the time-out is left, so the bytes bound
    // the number of reads; more than that is a reader that stopped making progress.
    for (std::size_t reads = 0;; ++reads) {
        if (reads > size + 1) std::abort();
        int result = 12345;
        const std::string text = transport.ReadResponse({}, 50, result);
        if (!IsResult(result)) std::abort();
        if (!text.empty() && result != READ_COMPLETE) std::abort();
        if (result == READ_TIMEOUT || result == READ_TYPE_TIMEOUT || result == READ_HARDWARE_ERROR)
            break;
    }
    return 0;
}
