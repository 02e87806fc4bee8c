// own
#include "tools/cli/input_file.h"
#include "files/file_reading.h"

// std
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> ReadInputFile(const std::string& path, std::string& bytes) {
    // Non-blocking, so that opening a FIFO returns at once and is refused below.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct stat info {};
    std::optional<std::string> refusal;
    if (fstat(fd, &info) != 0) {
        refusal = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        refusal = "not a regular file";
    } else if (info.st_size > kMaxInputBytes) {
        refusal = std::to_string(info.st_size) + " bytes refused (at most 16 MB)";
    } else {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        const long filled = ReadFully(PosixFileLayer(), fd, bytes.data(), bytes.size());
        if (filled < 0)
            refusal = std::strerror(errno);
        else // the file may have shrunk since fstat
            bytes.resize(static_cast<std::size_t>(filled));
    }
    close(fd);
    return refusal;
}
