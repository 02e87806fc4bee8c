#pragma once
// The per-user folder of COM port names, $XDG_CONFIG_HOME/Quellton Electronics/ports (default
// ~/.config/...). Each name is a symbolic link, comN -> the device that COMn stands for; the user
// may relink comN by hand to any device. Failures to read or write the folder leave it as it is.

#include <filesystem>
#include <vector>

class CPortsFolder {
public:
    static constexpr unsigned kLastComNumber = 9;

    explicit CPortsFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    // The folder of the current user, read from the environment now.
    static CPortsFolder ForUser();

    const std::filesystem::path& Path() const { return m_folder; }
    std::filesystem::path LinkPath(unsigned comNumber) const;
    // True when comN exists as a link, even one whose device is unplugged.
    bool HasLink(unsigned comNumber) const;
    // True when comN resolves to an existing character device.
    bool NamesCharacterDevice(unsigned comNumber) const;
    // Points comN at target, replacing any link of that name at once; false on failure.
    bool Relink(unsigned comNumber, const std::filesystem::path& target) const;
    // Gives each device that no link points at yet the lowest COM number from 1 to 9 that has no
    // link, in the order given; devices that find no free number stay unlinked.
    void LinkNewDevices(const std::vector<std::filesystem::path>& devices) const;

private:
    bool IsLinked(const std::filesystem::path& device) const;

    std::filesystem::path m_folder;
};
