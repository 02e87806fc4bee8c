// own
#include "files/file_reading.h"

// std
#include <cerrno>
#include <fcntl.h>

namespace {
// Far above the largest configuration (240 stations of 48 buttons paging 99 zones, about 5 MB);
// a larger file is no configuration, and reading it whole could exhaust memory.
constexpr off_t kMaxFileSize = off_t{64} << 20;
} // namespace

int OpenForReading(CFileLayer& files, const std::string& path) {
    return files.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
}

long ReadFully(CFileLayer& files, int fd, void* data, std::size_t size) {
    auto* const bytes = static_cast<uint8_t*>(data);
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t n = files.Read(fd, bytes + filled, size - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    return static_cast<long>(filled);
}

bool ReadWholeFile(CFileLayer& files, int fd, std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (files.Fstat(fd, &info) != 0) return false;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
        errno = EINVAL;
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    const long filled = ReadFully(files, fd, bytes.data(), bytes.size());
    if (filled < 0) return false;
    // The file may have shrunk since fstat.
    bytes.resize(static_cast<std::size_t>(filled));
    return true;
}
