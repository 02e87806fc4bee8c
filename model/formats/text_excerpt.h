#pragma once
// Texts of a configuration shown on a terminal. A refusal quotes a value, never all of it: a
// 10 MB name must not make a 10 MB line; and no text of a file may drive the terminal.

// std
#include <string>
#include <string_view>

inline constexpr std::size_t kExcerptCharacters = 60;

// `text` (UTF-8) when it has at most 60 characters, otherwise its first 60 followed by "...".
std::string Excerpt(std::string_view text);

// The one way a text that came from a file, JSON or the line reaches a terminal: `utf8` with
// every control character (C0, DEL and the C1 controls U+0080 to U+009F) and every byte that is
// not part of valid UTF-8 shown as visible escapes, one per byte: "\x1b", "\xc2\x9d".
std::string ForTerminal(std::string_view utf8);
