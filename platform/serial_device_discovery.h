#pragma once
// Finding the serial devices of the machine, in the order COM numbers are handed out: on-board
// ports whose UART really exists, then USB and ACM adapters by their stable name.

#include <filesystem>
#include <vector>

// Where the devices are looked for; tests point these at folders of their own.
struct SerialDeviceSources {
    std::filesystem::path sysClassTty = "/sys/class/tty";
    std::filesystem::path devFolder = "/dev";
    std::filesystem::path byIdFolder = "/dev/serial/by-id";
};

// On-board ports (ttyS<n> in ascending n, each kept only when sysClassTty/ttyS<n>/type names a UART)
// as devFolder/ttyS<n>, then every entry of byIdFolder that names a character device, sorted by
// name, as byIdFolder/<name> so that an adapter keeps its name in any socket. Unreadable folders
// contribute nothing.
std::vector<std::filesystem::path> FindSerialDevices(const SerialDeviceSources& sources);
