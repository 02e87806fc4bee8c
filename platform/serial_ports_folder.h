#pragma once
// The per-user folder of COM port names, $XDG_CONFIG_HOME/Quellton Electronics/ports (default
// ~/.config/...). Each name is a symbolic link, comN -> the device that COMn stands for; the user
// may relink comN by hand to any device. Failures to read or write the folder leave it as it is.

// own
#include "platform/clock.h"
#include "platform/terminal_devices.h"

// std
#include <filesystem>
#include <vector>

class CPortsFolder {
public:
    static constexpr unsigned kLastComNumber = 9;

    // `clock` times the wait for another program's linking; it must outlive the folder object.
    explicit CPortsFolder(std::filesystem::path folder, CClock& clock = SystemClock())
        : m_folder(std::move(folder)), m_clock(&clock) {}
    // The folder of the current user, read from the environment now.
    static CPortsFolder ForUser();

    const std::filesystem::path& Path() const { return m_folder; }
    std::filesystem::path LinkPath(unsigned comNumber) const;
    // True when comN exists as a link, even one whose device is unplugged.
    bool HasLink(unsigned comNumber) const;
    // True when comN resolves to a terminal device that may serve as a port.
    bool NamesPort(unsigned comNumber, const CTerminalDevices& terminals) const;
    // Points comN at target, replacing any link of that name at once; false on failure.
    bool Relink(unsigned comNumber, const std::filesystem::path& target) const;
    // Gives each device that no link points at yet the lowest COM number from 1 to 9 that has no
    // link, in the order given; devices that find no free number stay unlinked. Done under the
    // folder's lock, so that two programs starting together never give one device two numbers;
    // when another program holds the lock for longer than any linking takes, nothing is linked.
    void LinkNewDevices(const std::vector<std::filesystem::path>& devices) const;

private:
    bool IsLinked(const std::filesystem::path& device) const;

    std::filesystem::path m_folder;
    CClock* m_clock;
};
