// own
#include "tools/cli/output.h"
#include "files/safe_save.h"

// std
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {
void ReportWriteError(CCliContext& context, int error) {
    if (context.outputFailed) return;
    context.outputFailed = true;
    context.Fail(std::string("write error: ") + std::strerror(error));
}
} // namespace

bool WriteStandardOutput(CCliContext& context, std::string_view bytes) {
    if (context.outputFailed) return false;
    while (!bytes.empty()) {
        const ssize_t n = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ReportWriteError(context, n == 0 ? ENOSPC : errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteOutput(CCliContext& context, const std::string& path, std::string_view bytes) {
    if (path.empty()) return WriteStandardOutput(context, bytes);
    if (context.outputFailed) return false;
    const SaveResult saved = ReplaceFileContents(
        PosixFileLayer(), path, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    if (saved.stage == SaveResult::Done) return true;
    ReportWriteError(context, saved.error);
    return false;
}

void CloseStandardOutput(CCliContext& context) {
    // Whatever went through the streams (a library's diagnostics) is flushed first.
    std::cout.flush();
    errno = 0;
    // A stream write that failed on the way (the download's progress lines) leaves the stream's
    // error state behind even when the final flush succeeds.
    if (std::fflush(stdout) != 0 || !std::cout || std::ferror(stdout))
        ReportWriteError(context, errno != 0 ? errno : EIO);
    if (close(STDOUT_FILENO) != 0 && errno != EBADF) ReportWriteError(context, errno);
}
