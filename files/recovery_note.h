#pragma once
// The note kept beside a recovery copy: which file the copy belongs to, when it was taken and by
// which editor. It is a few lines of text; the reader refuses anything it did not write.

// std
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

struct CRecoveryNote {
    std::string path;      // the document's file; empty for an untitled document
    std::string title;     // the document's title when the copy was taken
    std::int64_t time = 0; // seconds since the epoch
    long pid = 0;          // the editor that took the copy
};

std::string FormatRecoveryNote(const CRecoveryNote& note);
// Nothing for text that is not a whole note.
std::optional<CRecoveryNote> ParseRecoveryNote(std::string_view text);

// "Recover unsaved changes to site.kvx from 10:42?": the file's name (the title when untitled)
// and the note's time of day in `local`; "Recover an unsaved configuration from 10:42?" for a
// note with neither (a copy whose own note could not be read).
std::string RecoveryQuestion(const CRecoveryNote& note, const std::tm& local);
// "The copy of unsaved changes to site.kvx from 10:42 cannot be read.", for a copy that Recover
// could not open.
std::string RecoveryUnreadable(const CRecoveryNote& note, const std::tm& local);
