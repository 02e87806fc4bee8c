#pragma once
// Texts of a configuration shown on a terminal. A refusal quotes a value, never all of it: a
// 10 MB name must not make a 10 MB line; and no text of a file may drive the terminal.

// std
#include <string>
#include <string_view>

inline constexpr std::size_t kExcerptCharacters = 60;

// `text` (UTF-8) when it has at most 60 characters, otherwise its first 60 followed by "...".
std::string Excerpt(std::string_view text);

// `utf8` with every control character shown as '?'.
std::string ForTerminal(std::string text);
