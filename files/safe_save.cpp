// own
#include "files/safe_save.h"
#include "files/temp_files.h"

// std
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {
// Hops of symbolic links followed before giving up, as the kernel does.
constexpr int kMaxLinkHops = 40;
constexpr int kTempNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// False with EACCES when `path`, owned by `owner`, lies in a sticky world-writable folder and
// belongs neither to the user nor to the folder's owner; false with errno when the folder cannot
// be examined.
bool OwnerMayBeTrusted(CFileLayer& files, const std::string& path, uid_t owner) {
    struct stat folder {};
    if (files.Stat(FolderOf(path).c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (!shared || owner == geteuid() || owner == folder.st_uid) return true;
    errno = EACCES;
    return false;
}

// The file a save of `path` replaces: `path` with every symbolic link followed, also when the
// last link points to a file not yet there. Sets errno and returns false on failure.
bool ResolveTarget(CFileLayer& files, std::string& path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (files.Lstat(path.c_str(), &info) != 0) return errno == ENOENT;
        if (!OwnerMayBeTrusted(files, path, info.st_uid)) return false;
        if (!S_ISLNK(info.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = files.Readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return false;
        link.resize(static_cast<std::size_t>(n));
        path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

// Writes everything, retrying interrupted and partial writes; a write that makes no progress
// counts as a full disk.
bool WriteAll(CFileLayer& files, int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = files.Write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

class CTempFile {
public:
    explicit CTempFile(CFileLayer& files) : m_files(files) {}
    ~CTempFile() {
        if (m_fd >= 0) m_files.Close(m_fd);
        if (!m_path.empty()) m_files.Unlink(m_path.c_str());
    }
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    // Creates a fresh file named after `target` in its folder; false with errno on failure.
    bool Create(const std::string& target) {
        std::random_device seed;
        std::mt19937 random(seed());
        const std::string folder = FolderOf(target);
        const std::string base = target.substr(target.find_last_of('/') + 1);
        for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
            const std::string name = TempFileName(folder, base, random());
            m_fd = m_files.Open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                                0666);
            if (m_fd >= 0) {
                m_path = name;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }
    // Closes the file; false with errno on failure.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return m_files.Close(fd) == 0;
    }
    // Renames the file to `target`; afterwards it is no longer removed.
    bool RenameTo(const std::string& target) {
        if (m_files.Rename(m_path.c_str(), target.c_str()) != 0) return false;
        m_path.clear();
        return true;
    }
    int Fd() const { return m_fd; }

private:
    CFileLayer& m_files;
    int m_fd = -1;
    std::string m_path;
};

// Makes the rename durable. File systems that cannot sync a folder refuse it; the new file is
// in place by then either way, so the result does not decide the save.
void SyncFolder(CFileLayer& files, const std::string& folder) {
    const int fd = files.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0) return;
    files.Fsync(fd);
    files.Close(fd);
}

// Gives the new file the owner, group and permission bits of the one it replaces. The owner and
// group are kept where the user may set them (the superuser always; others the group, when
// they belong to it); the bits always, after the owner, since a change of owner clears set-id
// bits.
bool TakeOverAttributes(CFileLayer& files, int fd, const struct stat& old) {
    if (files.Fchown(fd, old.st_uid, old.st_gid) != 0)
        files.Fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return files.Fchmod(fd, old.st_mode & 07777) == 0;
}
} // namespace

SaveResult ReplaceFileContents(CFileLayer& files, const std::string& path,
                               std::span<const uint8_t> bytes) {
    const auto failed = [](SaveResult::Stage stage) { return SaveResult{stage, errno}; };
    std::string target = path;
    if (!ResolveTarget(files, target)) return failed(SaveResult::Create);

    struct stat existing {};
    const bool replacing = files.Lstat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return failed(SaveResult::Create);
    }
    // The old file may be renamed over only when it could be written in place.
    if (replacing && files.Access(target.c_str(), W_OK) != 0) return failed(SaveResult::Create);

    RemoveStaleTempFiles(files, FolderOf(target));
    CTempFile temp(files);
    if (!temp.Create(target)) return failed(SaveResult::Create);
    if (replacing && !TakeOverAttributes(files, temp.Fd(), existing))
        return failed(SaveResult::Write);
    if (!WriteAll(files, temp.Fd(), bytes) || files.Fsync(temp.Fd()) != 0 || !temp.Close() ||
        !temp.RenameTo(target))
        return failed(SaveResult::Write);
    SyncFolder(files, FolderOf(target));
    return {};
}
