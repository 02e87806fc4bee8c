#pragma once
// The inputs of decode and diff: a controller image, or either a .kvx file or an image told
// apart by the file's first bytes. Refusals are reported through the context, with exit code 2
// for a file that cannot be read at all and 1 for one whose contents are refused.

// own
#include "model/config_contents.h"
#include "tools/cli/cli_context.h"

// std
#include <optional>
#include <string>

// The contents of the image in `path`; nothing after a reported refusal.
std::optional<ConfigContents> ReadImageFile(CCliContext& context, const std::string& path);
// The contents of the .kvx file or the image in `path`; nothing after a reported refusal.
std::optional<ConfigContents> ReadConfigOrImage(CCliContext& context, const std::string& path);
