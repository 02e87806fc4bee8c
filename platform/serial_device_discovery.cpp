#include "platform/serial_device_discovery.h"

// std
#include <algorithm>
#include <fstream>
#include <string>
#include <utility>

// POSIX, Linux
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The kernel makes a ttyS<n> for every possible on-board port; only a port with a UART behind it
// reports a type other than unknown (0). The type is read from sysfs rather than asked of the
// device, because opening the device would raise DTR on a line that may be wired to equipment.
bool HasUart(const fs::path& sysEntry) {
    std::ifstream typeFile(sysEntry / "type");
    int type = 0;
    return typeFile >> type && type != 0;
}

bool IsCharacterDevice(const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

std::vector<fs::path> OnBoardPorts(const SerialDeviceSources& sources) {
    std::vector<std::pair<unsigned long, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(sources.sysClassTty, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= 4 || name.compare(0, 4, "ttyS") != 0) continue;
        const std::string digits = name.substr(4);
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (digits.size() > 9) continue;
        found.emplace_back(std::stoul(digits), name);
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> ports;
    for (const auto& [number, name] : found) {
        const fs::path device = sources.devFolder / name;
        if (IsCharacterDevice(device) && HasUart(sources.sysClassTty / name))
            ports.push_back(device);
    }
    return ports;
}

std::vector<fs::path> Adapters(const SerialDeviceSources& sources) {
    std::vector<fs::path> adapters;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(sources.byIdFolder, error))
        if (IsCharacterDevice(entry.path())) adapters.push_back(entry.path());
    std::sort(adapters.begin(), adapters.end());
    return adapters;
}

} // namespace

std::vector<fs::path> FindSerialDevices(const SerialDeviceSources& sources) {
    std::vector<fs::path> devices = OnBoardPorts(sources);
    const std::vector<fs::path> adapters = Adapters(sources);
    devices.insert(devices.end(), adapters.begin(), adapters.end());
    return devices;
}
