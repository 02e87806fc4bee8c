// own
#include "files/file_layer.h"

// std
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int CFileLayer::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t CFileLayer::Read(int fd, void* buffer, std::size_t count) {
    return ::read(fd, buffer, count);
}

ssize_t CFileLayer::Write(int fd, const void* buffer, std::size_t count) {
    return ::write(fd, buffer, count);
}

int CFileLayer::Fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}

int CFileLayer::Stat(const char* path, struct stat* info) {
    return ::stat(path, info);
}

int CFileLayer::Lstat(const char* path, struct stat* info) {
    return ::lstat(path, info);
}

ssize_t CFileLayer::Readlink(const char* path, char* buffer, std::size_t size) {
    return ::readlink(path, buffer, size);
}

int CFileLayer::Access(const char* path, int mode) {
    return ::access(path, mode);
}

int CFileLayer::Lock(int fd, LockKind kind) {
    return TryLockOpenFile(fd, kind);
}

int CFileLayer::Fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int CFileLayer::Fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int CFileLayer::Fsync(int fd) {
    return ::fsync(fd);
}

int CFileLayer::Close(int fd) {
    return ::close(fd);
}

int CFileLayer::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int CFileLayer::Unlink(const char* path) {
    return ::unlink(path);
}

CFileLayer& PosixFileLayer() {
    static CFileLayer layer; // stateless
    return layer;
}
