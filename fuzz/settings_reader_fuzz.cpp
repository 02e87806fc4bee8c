// Any bytes standing as the settings file give the program settings and the window placement
// values or their defaults: a port name no longer than its limit and switches that are 0 or 1.

// own
#include "platform/program_settings.h"
#include "platform/settings_key.h"

// std
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A private configuration folder for the whole run, removed at exit.
class CConfigHome {
public:
    CConfigHome() {
        std::string folder = (std::filesystem::temp_directory_path() / "corv-fuzz-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) std::abort();
        m_folder = folder;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        std::filesystem::create_directories(m_folder / "Quellton Electronics");
        m_file = CSettingsKey::FilePath();
    }
    ~CConfigHome() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    const std::string& File() const { return m_file; }

private:
    std::filesystem::path m_folder;
    std::string m_file;
};

const std::string& SettingsFile() {
    static const CConfigHome home;
    return home.File();
}

void CheckSwitch(bool value) {
    // A bool holding anything but 0 or 1 is undefined; look at its byte.
    const unsigned char byte = *reinterpret_cast<const unsigned char*>(&value);
    if (byte > 1) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    {
        std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    CProgramSettings settings;
    settings.LoadSettings();
    if (settings.m_szPort.size() > CProgramSettings::kMaxPortLength) std::abort();
    CheckSwitch(settings.m_bTestEnabled);
    CheckSwitch(settings.m_b48ButtonOK);

    const CSettingsKey key;
    for (const char* name : {"Pos_Left", "Pos_Top", "Pos_Right", "Pos_Bottom", kValuePort}) {
        if (key.ReadString(name, "").size() > CSettingsKey::kMaxValueBytes) std::abort();
        key.ReadInt(name, -1);
    }
    for (const char* name : {"Iconic", "Maximized", kValueTestEnabled, kValue48ButtonOK})
        CheckSwitch(key.ReadBool(name, false));
    return 0;
}
