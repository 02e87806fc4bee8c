// own
#include "model/disk_stamp.h"
#include "model/file_reading.h"

// std
#include <vector>

namespace {
// FNV-1a: enough to tell two versions of one file apart; nobody gains by forging a collision.
uint64_t Digest(std::span<const uint8_t> bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const uint8_t b : bytes)
        hash = (hash ^ b) * 1099511628211ull;
    return hash;
}

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameFileAndTimes(const CDiskStamp& a, const CDiskStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           SameTime(a.modified, b.modified) && SameTime(a.changed, b.changed);
}
} // namespace

CDiskStamp StampOf(const struct stat& info, std::span<const uint8_t> bytes) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim, Digest(bytes)};
}

bool ChangedOnDisk(CFileLayer& files, const std::string& path, const CDiskStamp& stamp) {
    const int fd = OpenForReading(files, path);
    if (fd < 0) return false;
    bool changed = false;
    struct stat info {};
    if (files.Fstat(fd, &info) == 0) {
        std::vector<uint8_t> bytes;
        changed = !SameFileAndTimes(StampOf(info, {}), stamp) ||
                  (ReadWholeFile(files, fd, bytes) && Digest(bytes) != stamp.digest);
    }
    files.Close(fd);
    return changed;
}
