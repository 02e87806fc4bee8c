// Telling terminals that may serve as COM ports from the system's own terminals.

#include "platform/terminal_devices.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include <sys/sysmacros.h>

using namespace std::string_view_literals;

namespace {
// The table as a machine with one UART writes it.
constexpr const char* kTable = "/dev/tty             /dev/tty        5       0 system:/dev/tty\n"
                               "/dev/console         /dev/console    5       1 system:console\n"
                               "/dev/ptmx            /dev/ptmx       5       2 system\n"
                               "/dev/vc/0            /dev/vc/0       4       0 system:vtmaster\n"
                               "usbserial            /dev/ttyUSB   188 0-511 serial\n"
                               "serial               /dev/ttyS       4 64-67 serial\n"
                               "pty_slave            /dev/pts      136 0-1048575 pty:slave\n"
                               "pty_master           /dev/ptm      128 0-1048575 pty:master\n"
                               "unknown              /dev/tty        4 1-63 console\n";

using Numbers = std::vector<std::pair<unsigned, unsigned>>;

void ExpectUse(const CTerminalDevices& devices, const Numbers& numbers, TerminalUse use) {
    for (const auto& [major, minor] : numbers)
        EXPECT_EQ(devices.UseOf(makedev(major, minor)), use) << major << ":" << minor;
}
} // namespace

TEST(TerminalDevices, SystemTerminalsAreRefusedAndLinesArePorts) {
    const CTerminalDevices devices = CTerminalDevices::Parse(kTable);
    ExpectUse(devices, {{5, 0}, {5, 1}, {5, 2}, {4, 0}, {4, 7}, {4, 63}, {128, 4}},
              TerminalUse::Refused);
    ExpectUse(devices, {{4, 64}, {4, 67}, {188, 0}, {136, 12}}, TerminalUse::Port);
    ExpectUse(devices, {{1, 3}, {4, 68}, {188, 512}, {5, 3}}, TerminalUse::NotTerminal);
    // The terminal the program runs on is some user's screen, whatever its driver.
    ExpectUse(CTerminalDevices::Parse(kTable, {makedev(136, 3)}), {{136, 3}}, TerminalUse::Refused);
}

TEST(TerminalDevices, DamagedLinesAreSkippedAndNoTableRefusesTheFixedNumbers) {
    const CTerminalDevices damaged = CTerminalDevices::Parse(
        "a /dev/a 4 64- serial\nshort 4\nx /dev/x -1 0 serial\ny /dev/y 9 5-2 serial\n"
        "\0\xff /dev/z 7 x1 serial\nbig /dev/b 99999999999 1 serial\n"
        "serial /dev/ttyS 4 64 serial"sv);
    ExpectUse(damaged, {{4, 64}}, TerminalUse::Port);
    ExpectUse(damaged, {{9, 3}, {7, 1}, {4, 65}}, TerminalUse::NotTerminal);

    const CTerminalDevices none = CTerminalDevices::Parse("");
    ExpectUse(none, {{5, 0}, {5, 1}, {5, 2}, {4, 0}, {4, 63}}, TerminalUse::Refused);
    ExpectUse(none, {{4, 64}, {136, 0}}, TerminalUse::Port);
}
