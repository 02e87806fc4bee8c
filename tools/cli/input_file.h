#pragma once
// Reading a text file given to a command (JSON, CSV): only a regular file of at most 16 MB, so
// that a FIFO or a device is refused at once, without waiting on it.

// std
#include <optional>
#include <string>

inline constexpr long long kMaxInputBytes = 16LL << 20;

// Reads the whole file into `bytes`; the reason it cannot (an errno text, "not a regular file",
// the size refused) instead.
std::optional<std::string> ReadInputFile(const std::string& path, std::string& bytes);
