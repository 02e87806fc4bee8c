// own
#include "tools/cli/config_source.h"
#include "download/controller_image.h"
#include "download/image_decoder.h"
#include "files/file_reading.h"

// std
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
// Every .kvx file starts with this text.
constexpr std::string_view kKvxStart = "; KVX";
constexpr int kCannotRead = 2;
// Far above any .kvx file the editor writes (240 stations of 48 buttons of 99 zones).
constexpr off_t kLargestInput = 16 * 1024 * 1024;

// The whole regular file; a folder, a pipe or a device is refused before anything is read.
std::optional<std::vector<uint8_t>> ReadRegularFile(CCliContext& context,
                                                    const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        context.Fail(path + ": " + std::strerror(errno));
        context.exitCode = kCannotRead;
        return std::nullopt;
    }
    struct stat info {};
    std::vector<uint8_t> bytes;
    const char* refusal = nullptr;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        refusal = "not a regular file";
    } else if (info.st_size > kLargestInput) {
        refusal = "larger than 16 MB";
    } else {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        const long got = ReadFully(PosixFileLayer(), fd, bytes.data(), bytes.size());
        if (got != static_cast<long>(bytes.size())) refusal = "could not be read to its end";
    }
    close(fd);
    if (refusal == nullptr) return bytes;
    context.Fail(path + ": " + refusal);
    context.exitCode = kCannotRead;
    return std::nullopt;
}

std::optional<ConfigContents> Decode(CCliContext& context, const std::string& path,
                                     const std::vector<uint8_t>& bytes) {
    ImageDecoding decoded = DecodeControllerImage(bytes);
    // A damaged image is an input that cannot be read, from decode as from diff.
    if (!decoded.contents)
        context.CannotRead(path + ": not a valid controller image: " + decoded.refusal);
    return std::move(decoded.contents);
}
} // namespace

std::optional<ConfigContents> ReadImageFile(CCliContext& context, const std::string& path) {
    const auto bytes = ReadRegularFile(context, path);
    if (!bytes) return std::nullopt;
    return Decode(context, path, *bytes);
}

std::optional<ConfigContents> ReadConfigOrImage(CCliContext& context, const std::string& path) {
    const auto bytes = ReadRegularFile(context, path);
    if (!bytes) return std::nullopt;
    if (!std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())
             .starts_with(kKvxStart))
        return Decode(context, path, *bytes);
    const auto doc = context.OpenConfig(path);
    if (!doc) return std::nullopt;
    return ContentsOf(*doc);
}
