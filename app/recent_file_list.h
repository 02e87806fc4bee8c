#pragma once
// CRecentFileList: the four most recently opened or saved files, newest first, kept in the
// toolkit's own profile (section "Recent File List", values "File1" to "File4") beside the settings
// key: $XDG_CONFIG_HOME/Quellton Electronics/Corvantine Profile.conf. Read once at start-up,
// written at exit. A profile that cannot be read gives an empty list; failures to write are not
// reported.

// std
#include <cstddef>
#include <string>
#include <vector>

class CRecentFileList {
public:
    static constexpr std::size_t kSize = 4;
    // Menu entries show paths up to this length; longer ones are shortened in the middle.
    static constexpr std::size_t kMaxDisplayLength = 30;

    // Puts `path` first; an entry of the same path moves up, the oldest falls off.
    void Add(const std::string& path);
    // Drops the entry at `index` (0-based), e.g. a file that no longer opens; out of range:
    // nothing.
    void Remove(std::size_t index);
    const std::vector<std::string>& Entries() const { return m_entries; }

    void ReadList();
    void WriteList() const;
    static std::string ProfilePath();

    // The menu text of entry `index` (0-based): "&1 " and the path, shortened to
    // kMaxDisplayLength by leaving out folders after the first ("/home/.../plans/site.kvx"), with
    // every '&' doubled so that it shows as itself.
    std::string MenuText(std::size_t index) const;

private:
    std::vector<std::string> m_entries;
};
