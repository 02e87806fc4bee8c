#include "tests/settings/settings_fixture.h"

// std
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

void SettingsTest::SetUp() {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_oldXdg = old;
    setenv("XDG_CONFIG_HOME", m_config.Path().c_str(), 1);
}

void SettingsTest::TearDown() {
    if (m_oldXdg)
        setenv("XDG_CONFIG_HOME", m_oldXdg->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

void SettingsTest::WriteFile(const std::string& bytes) const {
    std::filesystem::create_directories(Folder());
    std::ofstream(File(), std::ios::binary | std::ios::trunc) << bytes;
}

std::optional<std::string> SettingsTest::ReadFile() const {
    std::ifstream in(File(), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int SettingsTest::RunUnprivileged(const std::function<int()>& check) {
    if (geteuid() != 0) return check();
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(100);
        _exit(check() & 0xFF);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 101;
    // Exit codes are 0-255: give -1 back as the write operations return it.
    return code == 255 ? -1 : code;
}
