#include "tests/serial/xdg_scope.h"

// std
#include <cstdlib>

CXdgScope::CXdgScope() {
    if (const char* previous = std::getenv("XDG_CONFIG_HOME")) m_previous = previous;
    setenv("XDG_CONFIG_HOME", m_dir.Path().c_str(), 1);
}

CXdgScope::~CXdgScope() {
    if (m_previous)
        setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
