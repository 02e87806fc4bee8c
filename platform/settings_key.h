#pragma once
// The per-user settings key: string values directly under one key, numbers as decimal text and
// switches as the exact words "TRUE" and "FALSE". The key lives in an INI file,
// $XDG_CONFIG_HOME/Quellton Electronics/Corvantine.conf (default ~/.config), whose path is taken
// from the environment at every operation. Every operation opens the file, does its one read or
// write and closes it again; the object holds nothing between operations.
//
// Reads never fail: a value that cannot be read (no file, unreadable or corrupt file, value absent,
// not plain text, not single-byte, longer than 512 bytes) gives the caller's default; so does every
// value when something other than a regular file of at most 1 MiB stands at the path, which is
// then never opened. Writes return 0 when the value was stored and -1 when it could not be (nor
// over such a file); a failed write leaves the file as it was.

#include <cstdint>
#include <string>

class CSettingsKey {
public:
    static constexpr size_t kMaxValueBytes = 512;

    // The stored text (Windows-1252 bytes), or `def` when the value cannot be read.
    std::string ReadString(const std::string& name, const std::string& def) const;
    // The stored text read as a C-library decimal (saturating), or `def` when it cannot be read.
    int32_t ReadInt(const std::string& name, int32_t def) const;
    // True only for exactly "TRUE", false for any other text, `def` when it cannot be read.
    bool ReadBool(const std::string& name, bool def) const;

    // 0 when stored, -1 when the key's file or folder cannot be created or written.
    int WriteString(const std::string& name, const std::string& text) const;
    int WriteInt(const std::string& name, int32_t n) const;
    int WriteBool(const std::string& name, bool b) const;

    // Where the key lives, from the environment as it is now.
    static std::string FilePath();
    // Whether a settings file may be opened: it is missing, or a regular file of at most 1 MiB. A
    // pipe or device in its place would block or flood the reader, a huge file fill memory.
    static bool SafeToOpen(const std::string& path);
};
