// own
#include "files/recovery_store.h"
#include "files/safe_save.h"

// std
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

// POSIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kNoteSuffix = ".note";
constexpr const char* kCopySuffix = ".kvx";
// A note is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kMaxNoteSize = 64 * 1024;

bool ProcessRunning(long pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The process id at the front of an instance name, 0 when there is none.
long PidOf(const std::string& instance) {
    char* end = nullptr;
    const long pid = std::strtol(instance.c_str(), &end, 10);
    return end != instance.c_str() && *end == '-' ? pid : 0;
}

// The names in the folder that belong to the store: neither hidden (temporary files) nor
// anything but the three kinds, split into stem and suffix.
struct Entry {
    std::string stem;
    std::string suffix;
};

std::vector<Entry> Entries(const std::string& folder) {
    std::vector<Entry> entries;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        const std::string suffix = item.path().extension().string();
        if (name.starts_with('.') ||
            (suffix != kLockSuffix && suffix != kNoteSuffix && suffix != kCopySuffix))
            continue;
        entries.push_back({name.substr(0, name.size() - suffix.size()), suffix});
    }
    return entries;
}

// The instance a slot belongs to: the slot without its "-<n>".
std::string InstanceOf(const std::string& slot) {
    const auto dash = slot.rfind('-');
    return dash == std::string::npos ? std::string() : slot.substr(0, dash);
}
} // namespace

CRecoveryStore::CRecoveryStore(std::string folder) : m_folder(std::move(folder)) {
    // The instance name is chosen once, so that the slots handed out before the folder could be
    // made still belong to this editor when a later Write makes it.
    std::random_device seed;
    m_instance = std::to_string(getpid()) + "-" + std::to_string(std::mt19937(seed())());
    Open();
}

bool CRecoveryStore::Open() {
    if (m_folder.empty()) {
        m_nError = ENOENT;
        return false;
    }
    std::error_code error;
    if (!fs::is_directory(m_folder, error)) {
        fs::create_directories(m_folder, error);
        if (error) {
            m_nError = error.value();
            return false;
        }
        fs::permissions(m_folder, fs::perms::owner_all, error);
    }
    // The lock is taken under a hidden name and only then given its own, so that no editor ever
    // sees the lock file of a running one unlocked.
    const std::string hidden = PathOf("." + m_instance + kLockSuffix);
    const std::string lock = PathOf(m_instance + kLockSuffix);
    struct stat existing {};
    if (m_files.Lstat(lock.c_str(), &existing) == 0) {
        m_nError = EEXIST;
        return false;
    }
    const int fd = m_files.Open(hidden.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_nError = errno;
        return false;
    }
    // Without locks on this file system the process id stands in (see Claim).
    m_files.Lock(fd, LockKind::Exclusive);
    if (m_files.Rename(hidden.c_str(), lock.c_str()) != 0) {
        m_nError = errno;
        m_files.Unlink(hidden.c_str());
        m_files.Close(fd);
        return false;
    }
    m_lockFd = fd;
    return true;
}

CRecoveryStore::~CRecoveryStore() {
    ReleaseClaims();
    if (!Usable()) return;
    if (!HasFilesOf(m_instance)) m_files.Unlink(PathOf(m_instance + kLockSuffix).c_str());
    m_files.Close(m_lockFd);
}

std::string CRecoveryStore::DefaultFolder() {
    // An unset, empty or relative XDG_STATE_HOME is ignored, as the XDG base directories say.
    std::string base;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && xdg[0] == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        base = std::string(home) + "/.local/state";
    } else {
        return {};
    }
    return base + "/Quellton Electronics/recovery";
}

std::string CRecoveryStore::NewSlot() {
    return m_instance + "-" + std::to_string(++m_nNextSlot);
}

std::string CRecoveryStore::CopyPath(const std::string& slot) const {
    return PathOf(slot + kCopySuffix);
}

bool CRecoveryStore::Write(const std::string& slot, std::span<const uint8_t> kvx,
                           const CRecoveryNote& note) {
    if (!Usable() && !Open()) return false;
    // The copy first: a note is never left telling of a copy that is not there, and a copy
    // without its note is still offered.
    SaveResult result = ReplaceFileContents(m_files, CopyPath(slot), kvx);
    if (result.stage == SaveResult::Done) {
        const std::string text = FormatRecoveryNote(note);
        const auto bytes = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        result = ReplaceFileContents(m_files, PathOf(slot + kNoteSuffix), bytes);
    }
    const bool written = result.stage == SaveResult::Done;
    m_nError = written ? 0 : (result.error != 0 ? result.error : EIO);
    return written;
}

void CRecoveryStore::Remove(const std::string& slot) {
    m_files.Unlink(CopyPath(slot).c_str());
    m_files.Unlink(PathOf(slot + kNoteSuffix).c_str());
}

bool CRecoveryStore::HasFilesOf(const std::string& instance) const {
    const auto entries = Entries(m_folder);
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) {
        return entry.suffix != kLockSuffix && InstanceOf(entry.stem) == instance;
    });
}

bool CRecoveryStore::Claim(const std::string& instance) {
    const std::string lock = PathOf(instance + kLockSuffix);
    const int fd = m_files.Open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    if (m_files.Lock(fd, LockKind::Exclusive) == 0) {
        m_claimed[instance] = fd;
        return true;
    }
    const bool held = LockHeldElsewhere(errno);
    m_files.Close(fd);
    if (held || ProcessRunning(PidOf(instance))) return false;
    m_claimed[instance] = -1;
    return true;
}

std::vector<CRecoveryStore::Orphan> CRecoveryStore::ClaimOrphans() {
    std::vector<Orphan> orphans;
    if (!Usable()) return orphans;
    std::set<std::string> slots;
    for (const Entry& entry : Entries(m_folder)) {
        const std::string instance =
            entry.suffix == kLockSuffix ? entry.stem : InstanceOf(entry.stem);
        if (instance.empty() || instance == m_instance) continue;
        if (!m_claimed.contains(instance) && !Claim(instance)) continue;
        if (entry.suffix != kLockSuffix) slots.insert(entry.stem);
    }
    for (const std::string& slot : slots) {
        std::string text(kMaxNoteSize + 1, '\0');
        ssize_t size = -1;
        const std::string note = PathOf(slot + kNoteSuffix);
        if (const int fd =
                m_files.Open(note.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0);
            fd >= 0) {
            size = m_files.Read(fd, text.data(), text.size());
            m_files.Close(fd);
        }
        std::optional<CRecoveryNote> parsed;
        if (size >= 0 && static_cast<std::size_t>(size) <= kMaxNoteSize)
            parsed = ParseRecoveryNote(std::string_view(text).substr(0, size));
        struct stat copy {};
        if (m_files.Lstat(CopyPath(slot).c_str(), &copy) != 0 || !S_ISREG(copy.st_mode)) {
            Remove(slot);
            continue;
        }
        // Without a note that can be read the copy is still offered, from the time it was taken.
        orphans.push_back({slot, parsed.value_or(CRecoveryNote{"", "", copy.st_mtim.tv_sec, 0})});
    }
    std::stable_sort(orphans.begin(), orphans.end(),
                     [](const Orphan& a, const Orphan& b) { return a.note.time < b.note.time; });
    return orphans;
}

void CRecoveryStore::ReleaseClaims() {
    for (const auto& [instance, fd] : m_claimed) {
        if (!HasFilesOf(instance)) m_files.Unlink(PathOf(instance + kLockSuffix).c_str());
        if (fd >= 0) m_files.Close(fd);
    }
    m_claimed.clear();
}
