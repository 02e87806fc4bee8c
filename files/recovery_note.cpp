// own
#include "files/recovery_note.h"
#include "framework/format_text.h"

// std
#include <charconv>

namespace {
constexpr std::string_view kHeader = "Corvantine recovery copy";

// A path or title may hold any byte but the terminating zero; a line break or backslash in it
// is written as an escape so that the note stays one line per field.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        if (text[i] == 'n')
            out += '\n';
        else if (text[i] == '\\')
            out += '\\';
        else
            return std::nullopt;
    }
    return out;
}

template <class Number> bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}
} // namespace

std::string FormatRecoveryNote(const CRecoveryNote& note) {
    return std::string(kHeader) + "\npath=" + Escaped(note.path) +
           "\ntitle=" + Escaped(note.title) + "\ntime=" + std::to_string(note.time) +
           "\npid=" + std::to_string(note.pid) + "\n";
}

std::optional<CRecoveryNote> ParseRecoveryNote(std::string_view text) {
    CRecoveryNote note;
    // Each field once, in the order they are written.
    constexpr std::string_view kKeys[] = {"path=", "title=", "time=", "pid="};
    std::size_t next = 0;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != kHeader) return std::nullopt;
            first = false;
            continue;
        }
        if (next == std::size(kKeys) || !line.starts_with(kKeys[next])) return std::nullopt;
        const std::string_view value = line.substr(kKeys[next].size());
        bool ok = true;
        if (next < 2) {
            const auto unescaped = Unescaped(value);
            ok = unescaped.has_value();
            if (ok) (next == 0 ? note.path : note.title) = *unescaped;
        } else {
            ok = next == 2 ? ParseNumber(value, note.time) : ParseNumber(value, note.pid);
        }
        if (!ok) return std::nullopt;
        ++next;
    }
    // The editor writes only absolute paths (or none, untitled) and times after the epoch.
    if (next != std::size(kKeys) || note.pid <= 0 || note.time < 0 ||
        (!note.path.empty() && !note.path.starts_with('/')))
        return std::nullopt;
    return note;
}

namespace {
// "unsaved changes to site.kvx from 10:42", or "an unsaved configuration from 10:42" for a note
// with neither path nor title.
std::string Subject(const CRecoveryNote& note, const std::tm& local) {
    const std::string time = FormatText(" from %02d:%02d", local.tm_hour, local.tm_min);
    if (note.path.empty() && note.title.empty()) return "an unsaved configuration" + time;
    const std::string name =
        note.path.empty() ? note.title : note.path.substr(note.path.find_last_of('/') + 1);
    return "unsaved changes to " + name + time;
}
} // namespace

std::string RecoveryQuestion(const CRecoveryNote& note, const std::tm& local) {
    return "Recover " + Subject(note, local) + "?";
}

std::string RecoveryUnreadable(const CRecoveryNote& note, const std::tm& local) {
    return "The copy of " + Subject(note, local) + " cannot be read.";
}
