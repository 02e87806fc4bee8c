#pragma once
// Reads a configuration's JSON form one value at a time, knowing where each value is, and turns
// the first problem into one refusal line ("stations[0].port: 17 refused (1 to 16)"), thrown as
// CJsonRefusal. The JSON value must outlive the reader.

// own
#include "model/formats/text_excerpt.h"
#include "platform/cp1252.h"

// std
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

struct CJsonRefusal {
    std::string line;
};

class CJsonReader {
public:
    CJsonReader(const nlohmann::ordered_json& value, std::string path)
        : m_value(value), m_path(std::move(path)) {}

    [[noreturn]] void Refuse(const std::string& why) const {
        throw CJsonRefusal{(m_path.empty() ? std::string("top level") : m_path) + ": " + why};
    }
    // A refused setter.
    void Check(bool accepted, const std::string& accepts) const {
        if (!accepted) Refuse(Excerpt(m_value.dump()) + " refused (" + accepts + ")");
    }

    bool Has(const char* key) const { return m_value.contains(key); }
    CJsonReader operator[](const char* key) const {
        return {m_value.at(key), m_path.empty() ? key : m_path + "." + key};
    }
    CJsonReader operator[](std::size_t i) const {
        return {m_value.at(i), m_path + "[" + std::to_string(i) + "]"};
    }

    // An object with no keys but these.
    void Object(std::initializer_list<const char*> keys) const {
        if (!m_value.is_object()) Refuse("expected an object, found " + Type());
        for (const auto& item : m_value.items()) {
            bool known = false;
            for (const char* key : keys)
                known = known || item.key() == key;
            if (!known) Refuse("unknown field \"" + Excerpt(item.key()) + "\"");
        }
    }
    // An array of `min` to `max` elements; returns its size.
    std::size_t Array(std::size_t min, std::size_t max) const {
        if (!m_value.is_array()) Refuse("expected an array, found " + Type());
        if (m_value.size() < min || m_value.size() > max) {
            const std::string accepts = max == SIZE_MAX
                                            ? "at least " + std::to_string(min)
                                            : std::to_string(min) + " to " + std::to_string(max);
            Refuse(std::to_string(m_value.size()) + " elements refused (" + accepts + ")");
        }
        return m_value.size();
    }
    int Int() const {
        if (m_value.is_number_unsigned() && m_value.get<uint64_t>() <= INT_MAX)
            return static_cast<int>(m_value.get<uint64_t>());
        if (m_value.is_number_integer() && !m_value.is_number_unsigned() &&
            m_value.get<int64_t>() >= INT_MIN && m_value.get<int64_t>() <= INT_MAX)
            return static_cast<int>(m_value.get<int64_t>());
        if (m_value.is_number_integer()) Refuse(m_value.dump() + " refused (out of range)");
        Refuse("expected an integer, found " + Type());
    }
    // The text in Windows-1252; never with a control character, which no name or text the
    // editor takes can hold.
    std::string Text() const {
        if (!m_value.is_string()) Refuse("expected a text, found " + Type());
        const std::string& utf8 = m_value.get_ref<const std::string&>();
        if (ForTerminal(utf8) != utf8)
            Refuse(Excerpt(m_value.dump()) + " refused (a control character)");
        auto text = Utf8ToCp1252(utf8);
        if (!text)
            Refuse(Excerpt(m_value.dump()) + " refused (a character without a Windows-1252 form)");
        return *text;
    }

private:
    std::string Type() const { return m_value.type_name(); }

    const nlohmann::ordered_json& m_value;
    std::string m_path;
};
