#pragma once
// Windows-1252, the single-byte character set of the configuration texts, to and from Unicode.
// Every byte has a Unicode form (the five bytes the code page leaves undefined map to the C1
// control characters of the same value), so Cp1252ToUtf8 never fails.

// std
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The single byte of `codePoint`, or nothing when Windows-1252 has no such character.
std::optional<char> Cp1252FromUnicode(char32_t codePoint);
char32_t Cp1252ToUnicode(uint8_t byte);

std::string Cp1252ToUtf8(std::string_view text);
// Nothing when `utf8` is malformed or holds a character Windows-1252 has not.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);
