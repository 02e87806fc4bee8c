#pragma once
// Single-byte (Windows-1252) text, as the model stores it, in and out of widgets. Every byte has a
// character, so showing never fails; a character without a byte is refused where it is typed or
// imported rather than stored mangled.

// Qt
#include <QString>
#include <QValidator>

// std
#include <optional>
#include <string>
#include <string_view>

QString FromCp1252(std::string_view bytes);
// The bytes of `text`, or nothing when a character of it has no single-byte form.
std::optional<std::string> ToCp1252(const QString& text);

// Refuses any input holding a character without a single-byte form, so a line edit never takes
// one, whether typed or pasted.
class CCp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
