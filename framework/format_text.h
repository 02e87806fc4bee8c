#pragma once
// printf-style formatting into a std::string, the way messages and labels fill in their numbers
// and names ("HB-%2.2d", "Station %d, Button %d", ...). The result is never cut.

// std
#include <cstdio>
#include <string>

template <typename... Args> std::string FormatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}
