#pragma once
// The POSIX file calls the document's open and save go through, one virtual function per call so
// a test can make any single step fail. Every function keeps its POSIX contract: -1 (or a
// negative count) with errno set on failure.

// own
#include "platform/file_lock.h"

// std
#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

class CFileLayer {
public:
    virtual ~CFileLayer() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* buffer, std::size_t count);
    virtual ssize_t Write(int fd, const void* buffer, std::size_t count);
    virtual int Fstat(int fd, struct stat* info);
    virtual int Stat(const char* path, struct stat* info);
    virtual int Lstat(const char* path, struct stat* info);
    virtual ssize_t Readlink(const char* path, char* buffer, std::size_t size);
    virtual int Access(const char* path, int mode);
    // TryLockOpenFile: the lock tests inject each failure of.
    virtual int Lock(int fd, LockKind kind);
    virtual int Fchown(int fd, uid_t owner, gid_t group);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
};

// The plain POSIX calls, shared by every document that is given no other layer.
CFileLayer& PosixFileLayer();
