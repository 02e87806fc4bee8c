#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for the lifetime of the object, so that the
// ports folder of a test is its own; the previous value comes back afterwards.

// own
#include "platform/serial_ports_folder.h"
#include "tests/support/temp_dir.h"

// std
#include <optional>
#include <string>

class CXdgScope {
public:
    CXdgScope();
    ~CXdgScope();
    CXdgScope(const CXdgScope&) = delete;
    CXdgScope& operator=(const CXdgScope&) = delete;

    CPortsFolder Ports() const { return CPortsFolder::ForUser(); }
    const std::filesystem::path& Path() const { return m_dir.Path(); }

private:
    CTempDir m_dir;
    std::optional<std::string> m_previous;
};
