// Sending a whole controller image's worth of frame through a pseudo-terminal at 115,200 baud: a
// send ends once the frame has left the line, so its rate should be the line's, 11 bits a byte.

#include "platform/serial_device_posix.h"
#include "serial/line_time.h"
#include "serial/serial_transport.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <random>
#include <thread>

#include <poll.h>
#include <unistd.h>

namespace {

void SendFrame32K(benchmark::State& state) {
    CXdgScope xdg;
    CPtyPair pty;
    xdg.Ports().Relink(1, pty.SlavePath());
    CPosixSerialDeviceHost host({xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"});
    CSerialTransport transport({&host, &SystemClock()});
    if (!transport.Open("COM1", 115200).empty()) {
        state.SkipWithError("cannot open the pseudo-terminal as COM1");
        return;
    }
    transport.SetFrameAddress(0);

    // Random bytes: about one in 128 needs an escape, as in a real image.
    std::vector<uint8_t> message(32768);
    std::mt19937 random(7);
    for (uint8_t& byte : message)
        byte = static_cast<uint8_t>(random());

    // The far end reads as fast as it can, so only the sending side is measured.
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        uint8_t buffer[65536];
        while (!stop) {
            pollfd entry{pty.MasterFd(), POLLIN, 0};
            if (poll(&entry, 1, 10) > 0 && read(pty.MasterFd(), buffer, sizeof buffer) < 0) return;
        }
    });
    for (auto _ : state)
        if (transport.SendFrame(message) != SendResult::Sent) state.SkipWithError("send failed");
    stop = true;
    reader.join();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.size()));
    // A send lasts until the frame has left the line, so this stays close to 1.
    state.counters["times_line_rate"] = benchmark::Counter(
        static_cast<double>(state.iterations() * message.size()) / (115200.0 / kBitsPerByte),
        benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(SendFrame32K)->Unit(benchmark::kMillisecond)->UseRealTime();
