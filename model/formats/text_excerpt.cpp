// own
#include "model/formats/text_excerpt.h"

std::string Excerpt(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes belong to the character before them, which is never cut apart.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++characters > kExcerptCharacters) return std::string(text.substr(0, i)) + "...";
    }
    return std::string(text);
}

std::string ForTerminal(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}
