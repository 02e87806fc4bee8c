#pragma once
// Where a command's output goes: standard output, or a file replaced as saves replace
// configurations. Every write is checked; the first failure is reported as the one line
// "write error: <reason>" (exit status 1) and any later output is dropped, so a full disk or a
// closed pipe never passes for a complete result.

// own
#include "tools/cli/cli_context.h"

// std
#include <string>
#include <string_view>

// Writes `bytes` to standard output now. False once output has failed.
bool WriteStandardOutput(CCliContext& context, std::string_view bytes);

// Writes `bytes` to the file `path` (the previous file stays intact unless every byte reached the
// disk), or to standard output when `path` is empty. False after a failure.
bool WriteOutput(CCliContext& context, const std::string& path, std::string_view bytes);

// Closes standard output, reporting a failed final flush or close. main calls it last.
void CloseStandardOutput(CCliContext& context);
