#pragma once
// Where a command's result goes: standard output, or the file named by -o, which is replaced
// only once every byte is on disk. Every command that prints a result writes it here once.

// own
#include "tools/cli/cli_context.h"

// std
#include <string>
#include <string_view>

// Writes `text` to `path`, or to standard output when `path` is empty. A failed write is
// reported ("write error: ...") and makes the exit code 1; returns false then.
bool WriteCommandOutput(CCliContext& context, const std::string& path, std::string_view text);
