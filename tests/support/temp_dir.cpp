#include "tests/support/temp_dir.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

CTempDir::CTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corv-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

CTempDir::~CTempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void PlantStaleFile(const CTempDir& dir, const std::string& name) {
    std::ofstream(dir / name) << "kept";
    std::filesystem::last_write_time(dir / name, std::filesystem::file_time_type::clock::now() -
                                                     std::chrono::hours(2));
}
