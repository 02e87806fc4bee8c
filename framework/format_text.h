#pragma once
// printf-style formatting into a std::string, the way messages and labels fill in their numbers
// and names ("HB-%2.2d", "Station %d, Button %d", ...). The result is never cut.

// std
#include <cstddef>
#include <cstdio>
#include <string>

template <typename... Args> std::string FormatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

// "1,234": a number as the report's title block, the check's findings and loopback show it.
inline std::string GroupedNumber(std::size_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}
