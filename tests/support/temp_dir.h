#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.

#include <filesystem>

class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Writes a small file `name` in `dir`, last changed two hours ago: older than any clean-up spares.
void PlantStaleFile(const CTempDir& dir, const std::string& name);
