#pragma once
// Reading a JSON file given to a command, through ReadInputFile. The parse is bounded so that
// any such file is read or refused in well under two seconds and a few hundred MB: an object may
// hold at most 64 fields (fields are looked up one by one, so a huge object costs quadratic time),
// nesting at most 32 levels, the whole file at most 2,000,000 values (the largest configuration
// holds about 1,150,000).

// own
#include "tools/cli/cli_context.h"

// std
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

inline constexpr std::size_t kMaxJsonFields = 64;
inline constexpr int kMaxJsonDepth = 32;
inline constexpr std::size_t kMaxJsonValues = 2'000'000;

// The JSON in `path`, or nothing after a refusal reported through `context` (exit status 2).
std::optional<nlohmann::ordered_json> ReadJsonInput(CCliContext& context, const std::string& path);
