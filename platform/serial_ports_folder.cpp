#include "platform/serial_ports_folder.h"

// own
#include "platform/file_lock.h"

// std
#include <cerrno>
#include <cstdlib>
#include <string>

// POSIX
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The ports folder's lock: a file of its own, since a folder cannot be locked for writing on
// every file system.
constexpr const char* kLockName = ".lock";
constexpr uint32_t kLockWaitMs = 2000;
constexpr uint32_t kLockPollMs = 10;

// Holds the folder's lock for its lifetime, once Acquire has said so.
class CFolderLock {
public:
    CFolderLock(const fs::path& folder, CClock& clock) : m_folder(folder), m_clock(clock) {}
    ~CFolderLock() {
        if (m_fd >= 0) close(m_fd);
    }
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // False only while another program holds the lock; a lock file that cannot be made, or a
    // file system without locks, lets the caller go on as before locks were taken.
    bool Acquire() {
        m_fd = open((m_folder / kLockName).c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_CLOEXEC, 0600);
        if (m_fd < 0) return true;
        const uint32_t start = m_clock.GetTickCount();
        while (TryLockOpenFile(m_fd, LockKind::Exclusive) != 0) {
            if (!LockHeldElsewhere(errno)) return true;
            if (m_clock.GetTickCount() - start >= kLockWaitMs) return false;
            m_clock.Sleep(kLockPollMs);
        }
        return true;
    }

private:
    const fs::path& m_folder;
    CClock& m_clock;
    int m_fd = -1;
};

fs::path ConfigHome() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return fs::path(home) / ".config";
    const passwd* entry = getpwuid(getuid());
    return fs::path(entry ? entry->pw_dir : "/") / ".config";
}

} // namespace

CPortsFolder CPortsFolder::ForUser() {
    return CPortsFolder(ConfigHome() / "Quellton Electronics" / "ports");
}

fs::path CPortsFolder::LinkPath(unsigned comNumber) const {
    return m_folder / ("com" + std::to_string(comNumber));
}

bool CPortsFolder::HasLink(unsigned comNumber) const {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(LinkPath(comNumber), error));
}

bool CPortsFolder::NamesPort(unsigned comNumber, const CTerminalDevices& terminals) const {
    struct stat info {};
    return stat(LinkPath(comNumber).c_str(), &info) == 0 && S_ISCHR(info.st_mode) &&
           terminals.UseOf(info.st_rdev) == TerminalUse::Port;
}

bool CPortsFolder::Relink(unsigned comNumber, const fs::path& target) const {
    std::error_code error;
    fs::create_directories(m_folder, error);
    // A link made beside the name and renamed over it replaces the old one without a moment in
    // which the name is missing.
    const fs::path link = LinkPath(comNumber);
    const fs::path fresh = link.string() + ".new-" + std::to_string(getpid());
    fs::remove(fresh, error);
    if (symlink(target.c_str(), fresh.c_str()) != 0) return false;
    if (rename(fresh.c_str(), link.c_str()) != 0) {
        fs::remove(fresh, error);
        return false;
    }
    return true;
}

bool CPortsFolder::IsLinked(const fs::path& device) const {
    struct stat wanted {};
    const bool present = stat(device.c_str(), &wanted) == 0 && S_ISCHR(wanted.st_mode);
    std::error_code error;
    for (unsigned n = 1; n <= kLastComNumber; ++n) {
        if (!HasLink(n)) continue;
        const fs::path link = LinkPath(n);
        if (fs::read_symlink(link, error) == device) return true;
        // Any other name of the same device node counts too (the user may have linked
        // /dev/ttyUSB0 where we would have used the adapter's stable name).
        struct stat linked {};
        if (present && stat(link.c_str(), &linked) == 0 && S_ISCHR(linked.st_mode) &&
            linked.st_rdev == wanted.st_rdev)
            return true;
    }
    return false;
}

void CPortsFolder::LinkNewDevices(const std::vector<fs::path>& devices) const {
    if (devices.empty()) return;
    std::error_code error;
    fs::create_directories(m_folder, error);
    CFolderLock lock(m_folder, *m_clock);
    if (!lock.Acquire()) return;
    unsigned next = 1;
    for (const fs::path& device : devices) {
        if (IsLinked(device)) continue;
        while (next <= kLastComNumber && HasLink(next))
            ++next;
        if (next > kLastComNumber) return;
        // symlink() refuses a name that another process took meanwhile; that number is then
        // taken and the next free one is tried.
        while (next <= kLastComNumber && symlink(device.c_str(), LinkPath(next).c_str()) != 0) {
            if (errno != EEXIST) return;
            ++next;
        }
    }
}
