// own
#include "tests/model/faulty_files.h"

// std
#include <cerrno>
#include <fcntl.h>

int CFaultyFiles::Fail() {
    errno = m_error;
    return -1;
}

int CFaultyFiles::Open(const char* path, int flags, mode_t mode) {
    if (m_step == CreateTemp && (flags & O_CREAT)) return Fail();
    return CFileLayer::Open(path, flags, mode);
}

ssize_t CFaultyFiles::Write(int fd, const void* buffer, std::size_t count) {
    ++writes;
    if (m_step == FailedWrite) return Fail();
    if (m_step == StalledWrite) return 0;
    if (m_step == ShortWrite) {
        if (writes > 1) return Fail();
        return CFileLayer::Write(fd, buffer, count / 2);
    }
    return CFileLayer::Write(fd, buffer, count);
}

int CFaultyFiles::Fchmod(int fd, mode_t mode) {
    return m_step == Chmod ? Fail() : CFileLayer::Fchmod(fd, mode);
}

int CFaultyFiles::Fsync(int fd) {
    return m_step == FsyncFile ? Fail() : CFileLayer::Fsync(fd);
}

int CFaultyFiles::Close(int fd) {
    // The descriptor is gone even when close reports an error.
    const int result = CFileLayer::Close(fd);
    return m_step == CloseFile ? Fail() : result;
}

int CFaultyFiles::Rename(const char* from, const char* to) {
    return m_step == RenameFile ? Fail() : CFileLayer::Rename(from, to);
}

int CFaultyFiles::Access(const char* path, int mode) {
    if (path == readOnlyPath && (mode & W_OK)) {
        errno = EACCES;
        return -1;
    }
    return CFileLayer::Access(path, mode);
}
