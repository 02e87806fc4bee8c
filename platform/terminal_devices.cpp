// own
#include "platform/terminal_devices.h"

// std
#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

// POSIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
constexpr const char* kDriverTable = "/proc/tty/drivers";
// Larger than any table the kernel writes; a longer file is not read further.
constexpr std::streamsize kMaxTableBytes = 64 * 1024;

// Linux's fixed numbers: 5:0 /dev/tty, 5:1 the console, 5:2 /dev/ptmx, 4:0-63 virtual consoles.
constexpr unsigned kSystemMajor = 5;
constexpr unsigned kLastSystemMinor = 2;
constexpr unsigned kConsoleMajor = 4;
constexpr unsigned kLastConsoleMinor = 63;

bool ParseNumber(std::string_view text, unsigned& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// A type such as "system:/dev/tty", "console" or "pty:master" names a terminal that is not a
// line to another machine.
bool IsSystemType(std::string_view type) {
    return type.starts_with("system") || type == "console" || type == "pty:master";
}

std::vector<dev_t> OwnTerminals() {
    std::vector<dev_t> own;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        struct stat info {};
        if (isatty(fd) && fstat(fd, &info) == 0 && S_ISCHR(info.st_mode))
            own.push_back(info.st_rdev);
    }
    return own;
}
} // namespace

CTerminalDevices CTerminalDevices::FromSystem() {
    std::ifstream file(kDriverTable);
    std::string table(static_cast<std::size_t>(kMaxTableBytes), '\0');
    file.read(table.data(), kMaxTableBytes);
    table.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return Parse(table, OwnTerminals());
}

CTerminalDevices CTerminalDevices::Parse(std::string_view table, std::vector<dev_t> own) {
    CTerminalDevices devices;
    devices.m_own = std::move(own);
    // Each line: driver name, device name, major, minor or first-last minors, type.
    std::istringstream lines{std::string(table)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name, path, major, minors, type;
        if (!(words >> name >> path >> major >> minors >> type)) continue;
        Range range{};
        const auto dash = minors.find('-');
        const std::string_view minorText(minors);
        if (!ParseNumber(major, range.major) ||
            !ParseNumber(minorText.substr(0, dash), range.firstMinor))
            continue;
        range.lastMinor = range.firstMinor;
        if (dash != std::string::npos &&
            (!ParseNumber(minorText.substr(dash + 1), range.lastMinor) ||
             range.lastMinor < range.firstMinor))
            continue;
        range.system = IsSystemType(type);
        devices.m_ranges.push_back(range);
    }
    return devices;
}

TerminalUse CTerminalDevices::UseOf(dev_t device) const {
    if (std::find(m_own.begin(), m_own.end(), device) != m_own.end()) return TerminalUse::Refused;
    const unsigned major = ::major(device);
    const unsigned minor = ::minor(device);
    if (m_ranges.empty()) {
        const bool system = (major == kSystemMajor && minor <= kLastSystemMinor) ||
                            (major == kConsoleMajor && minor <= kLastConsoleMinor);
        return system ? TerminalUse::Refused : TerminalUse::Port;
    }
    for (const Range& range : m_ranges)
        if (range.major == major && minor >= range.firstMinor && minor <= range.lastMinor)
            return range.system ? TerminalUse::Refused : TerminalUse::Port;
    return TerminalUse::NotTerminal;
}
