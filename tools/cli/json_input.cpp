// own
#include "tools/cli/json_input.h"
#include "tools/cli/input_file.h"
#include "model/formats/text_excerpt.h"

// std
#include <algorithm>
#include <vector>

using Json = nlohmann::ordered_json;

namespace {
struct CTooLarge {
    std::string why;
};

// Looks over the JSON before it is built, in one pass that keeps no values: refuses what would
// make building it slow or large, and a key given twice in one object, which building would
// silently resolve to its last value.
class CBoundsCheck final : public nlohmann::json_sax<Json> {
public:
    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool string(string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool start_object(std::size_t) override {
        Open();
        m_keys.emplace_back();
        return true;
    }
    bool key(string_t& key) override {
        std::vector<std::string>& keys = m_keys.back();
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            throw CTooLarge{"the key \"" + Excerpt(key) + "\" given twice refused"};
        if (keys.size() == kMaxJsonFields)
            throw CTooLarge{"an object of more than " + std::to_string(kMaxJsonFields) +
                            " fields refused"};
        keys.push_back(key);
        return true;
    }
    bool end_object() override {
        m_keys.pop_back();
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) override {
        Open();
        return true;
    }
    bool end_array() override {
        --m_depth;
        return true;
    }
    // Building the JSON then reports the same error in its own words.
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    void Open() {
        if (++m_depth > kMaxJsonDepth)
            throw CTooLarge{"nesting deeper than " + std::to_string(kMaxJsonDepth) +
                            " levels refused"};
        Value();
    }
    bool Value() {
        if (++m_values > kMaxJsonValues)
            throw CTooLarge{"more than " + std::to_string(kMaxJsonValues) + " values refused"};
        return true;
    }

    std::vector<std::vector<std::string>> m_keys; // per open object, at most kMaxJsonFields
    std::size_t m_values = 0;
    int m_depth = 0;
};

// The parser's message, with the text it quotes cut to an excerpt.
std::string ParseErrorText(const std::string& what) {
    static constexpr std::string_view kQuoteStart = "last read: '";
    const auto start = what.find(kQuoteStart);
    const auto end = what.rfind('\'');
    if (start == std::string::npos || end == std::string::npos) return what;
    const auto from = start + kQuoteStart.size();
    if (end < from) return what;
    return what.substr(0, from) + Excerpt(std::string_view(what).substr(from, end - from)) +
           what.substr(end);
}
} // namespace

std::optional<Json> ReadJsonInput(CCliContext& context, const std::string& path) {
    std::string bytes;
    if (const auto refusal = ReadInputFile(path, bytes)) {
        context.CannotRead(path + ": " + *refusal);
        return std::nullopt;
    }
    try {
        // Both passes are linear: a parse with a callback scans a long array once per element.
        CBoundsCheck bounds;
        Json::sax_parse(bytes, &bounds);
        return Json::parse(bytes);
    } catch (const CTooLarge& tooLarge) {
        context.CannotRead(path + ": " + tooLarge.why);
    } catch (const nlohmann::json::exception& e) {
        context.CannotRead(path + ": not valid JSON: " + ParseErrorText(e.what()));
    }
    return std::nullopt;
}
