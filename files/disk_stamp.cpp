// own
#include "files/disk_stamp.h"
#include "files/file_reading.h"

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
} // namespace

CDiskStamp StampOf(std::span<const uint8_t> bytes) {
    return {bytes.size(), Digest(bytes)};
}

std::optional<CDiskStamp> StampOfFile(CFileLayer& files, const std::string& path) {
    const int fd = OpenForReading(files, path);
    if (fd < 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    const bool read = ReadWholeFile(files, fd, bytes);
    files.Close(fd);
    if (!read) return std::nullopt;
    return StampOf(bytes);
}

bool ChangedOnDisk(CFileLayer& files, const std::string& path, const CDiskStamp& stamp) {
    const int fd = OpenForReading(files, path);
    if (fd < 0) return false;
    bool changed = false;
    struct stat info {};
    if (files.Fstat(fd, &info) == 0) {
        // Another size needs no reading.
        std::vector<uint8_t> bytes;
        changed = static_cast<uint64_t>(info.st_size) != stamp.size ||
                  (ReadWholeFile(files, fd, bytes) && Digest(bytes) != stamp.digest);
    }
    files.Close(fd);
    return changed;
}
