#include "platform/settings_key.h"

// own
#include "platform/decimal.h"

// Qt
#include <QDir>
#include <QSettings>
#include <QString>
#include <QVariant>

// std
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";
// A settings file holds a dozen short values; one far larger than that is not read into memory.
constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

// The stored text as single-byte text of any length, or nothing when it cannot be read.
std::optional<std::string> ReadStoredText(const std::string& name) {
    const std::string path = CSettingsKey::FilePath();
    if (!CSettingsKey::SafeToOpen(path)) return std::nullopt;
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    // A file QSettings could only partly parse is not trusted for any value.
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings.value(QString::fromLatin1(name));
    // Only plain text counts: hand-edited lists ("a,b") or @Variant forms are not a string value.
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    const QString text = value.toString();
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) return std::nullopt;
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

// The stored text, or nothing when it cannot be read or does not fit the value buffer.
std::optional<std::string> ReadValue(const std::string& name) {
    auto text = ReadStoredText(name);
    if (text && text->size() > CSettingsKey::kMaxValueBytes) return std::nullopt;
    return text;
}

} // namespace

bool CSettingsKey::SafeToOpen(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (status.type() != std::filesystem::file_type::regular) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size <= kMaxFileBytes;
}

std::string CSettingsKey::FilePath() {
    // An unset, empty or relative XDG_CONFIG_HOME is ignored, as the XDG base directories say.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base =
        xdg && xdg[0] == '/' ? std::string(xdg) : QDir::homePath().toStdString() + "/.config";
    return base + "/Quellton Electronics/Corvantine.conf";
}

std::string CSettingsKey::ReadString(const std::string& name, const std::string& def) const {
    return ReadValue(name).value_or(def);
}

int32_t CSettingsKey::ReadInt(const std::string& name, int32_t def) const {
    const auto text = ReadValue(name);
    return text ? ParseDecimal(*text) : def;
}

bool CSettingsKey::ReadBool(const std::string& name, bool def) const {
    const auto text = ReadValue(name);
    return text ? *text == kTrue : def;
}

int CSettingsKey::WriteString(const std::string& name, const std::string& text) const {
    const std::string path = FilePath();
    // Writing reads the whole file before it rewrites it, so what cannot be read is left alone.
    if (!SafeToOpen(path)) return -1;
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    // Bytes map one to one onto the first 256 code points, so every byte reads back as written.
    settings.setValue(QString::fromLatin1(name),
                      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    // sync() writes through a temporary file renamed over the old one, so a write that fails
    // leaves the file as it was.
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return 0;
    case QSettings::FormatError:
        // The old file was not clean INI, and that first error hides any later one: the value
        // counts as stored only when a fresh read gives it back.
        return ReadStoredText(name) == text ? 0 : -1;
    default:
        return -1;
    }
}

int CSettingsKey::WriteInt(const std::string& name, int32_t n) const {
    return WriteString(name, std::to_string(n));
}

int CSettingsKey::WriteBool(const std::string& name, bool b) const {
    return WriteString(name, b ? kTrue : kFalse);
}
