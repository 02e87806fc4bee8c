#include "framework/qt/cp1252.h"

// own
#include "platform/cp1252.h"

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<uint8_t>(byte)))));
    return text;
}

std::optional<std::string> ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    // Each UTF-16 unit on its own: a surrogate half never has a byte, so characters beyond the
    // basic plane are refused as they should be.
    for (const QChar c : text) {
        const auto byte = Cp1252FromUnicode(c.unicode());
        if (!byte) return std::nullopt;
        bytes.push_back(*byte);
    }
    return bytes;
}

QValidator::State CCp1252Validator::validate(QString& input, int&) const {
    return ToCp1252(input) ? Acceptable : Invalid;
}
