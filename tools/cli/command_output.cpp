// own
#include "tools/cli/command_output.h"
#include "model/safe_save.h"

// std
#include <cstdio>
#include <cstring>
#include <span>

bool WriteCommandOutput(CCliContext& context, const std::string& path, std::string_view text) {
    if (path.empty()) {
        const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                             std::fflush(stdout) == 0;
        if (!written) context.Fail(std::string("write error: ") + std::strerror(errno));
        return written;
    }
    const std::span bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    const SaveResult saved = ReplaceFileContents(PosixFileLayer(), path, bytes);
    if (saved.stage != SaveResult::Done)
        context.Fail(path + ": write error: " + std::strerror(saved.error));
    return saved.stage == SaveResult::Done;
}
