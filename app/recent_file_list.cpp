// own
#include "app/recent_file_list.h"
#include "platform/settings_key.h"

// Qt
#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>

// std
#include <algorithm>
#include <filesystem>

namespace {
constexpr const char* kSection = "Recent File List/File";
constexpr std::size_t kMaxPathBytes = 4096;

QString Key(std::size_t index) {
    return QString::fromLatin1(kSection) + QString::number(index + 1);
}

// "/a/b/c/d/name" with folders after the first left out until it fits, as "/a/.../d/name". The
// file name is kept whole even when it alone is longer.
std::string Shortened(const std::string& path, std::size_t limit) {
    if (path.size() <= limit) return path;
    const std::size_t firstEnd = path.find('/', 1);
    if (firstEnd == std::string::npos) return path;
    const std::string head = path.substr(0, firstEnd + 1) + "...";
    std::size_t tailStart = path.rfind('/');
    if (tailStart == std::string::npos || tailStart <= firstEnd) return path;
    // Take whole folders from the end while they fit.
    while (true) {
        const std::size_t previous = path.rfind('/', tailStart - 1);
        if (previous == std::string::npos || previous <= firstEnd) break;
        if (head.size() + path.size() - previous > limit) break;
        tailStart = previous;
    }
    return head + path.substr(tailStart);
}
} // namespace

void CRecentFileList::Add(const std::string& path) {
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > kSize) m_entries.resize(kSize);
}

void CRecentFileList::Remove(std::size_t index) {
    if (index < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<long>(index));
}

std::string CRecentFileList::ProfilePath() {
    const std::filesystem::path key = CSettingsKey::FilePath();
    return (key.parent_path() / "Corvantine Profile.conf").string();
}

void CRecentFileList::ReadList() {
    m_entries.clear();
    const std::string path = ProfilePath();
    if (!CSettingsKey::SafeToOpen(path)) return;
    const QSettings profile(QString::fromStdString(path), QSettings::IniFormat);
    if (profile.status() != QSettings::NoError) return;
    for (std::size_t i = 0; i < kSize; ++i) {
        const QVariant value = profile.value(Key(i));
        if (value.typeId() != QMetaType::QString) continue;
        const std::string entry = QFile::encodeName(value.toString()).toStdString();
        // Only absolute paths of a sane length; anything else is no file this program stored.
        if (entry.empty() || entry.front() != '/' || entry.size() > kMaxPathBytes) continue;
        if (std::find(m_entries.begin(), m_entries.end(), entry) == m_entries.end())
            m_entries.push_back(entry);
    }
}

void CRecentFileList::WriteList() const {
    const std::string path = ProfilePath();
    if (!CSettingsKey::SafeToOpen(path)) return;
    QSettings profile(QString::fromStdString(path), QSettings::IniFormat);
    for (std::size_t i = 0; i < kSize; ++i) {
        if (i < m_entries.size())
            profile.setValue(Key(i), QFile::decodeName(QByteArray::fromStdString(m_entries[i])));
        else
            profile.remove(Key(i));
    }
    profile.sync();
}

std::string CRecentFileList::MenuText(std::size_t index) const {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (const char c : Shortened(m_entries.at(index), kMaxDisplayLength)) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}
