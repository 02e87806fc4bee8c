// own
#include "tools/cli/json_input.h"
#include "tools/cli/input_file.h"
#include "model/formats/text_excerpt.h"

// std
#include <vector>

using Json = nlohmann::ordered_json;

namespace {
struct CTooLarge {
    std::string why;
};

// Refuses, while parsing, what would make the parse slow or large.
class CParseBounds {
public:
    bool operator()(int depth, Json::parse_event_t event, const Json&) {
        using Event = Json::parse_event_t;
        switch (event) {
        case Event::object_start:
            m_fields.push_back(0);
            [[fallthrough]];
        case Event::array_start:
            if (depth >= kMaxJsonDepth)
                throw CTooLarge{"nesting deeper than " + std::to_string(kMaxJsonDepth) +
                                " levels refused"};
            [[fallthrough]];
        case Event::value:
            if (++m_values > kMaxJsonValues)
                throw CTooLarge{"more than " + std::to_string(kMaxJsonValues) + " values refused"};
            break;
        case Event::key:
            if (++m_fields.back() > kMaxJsonFields)
                throw CTooLarge{"an object of more than " + std::to_string(kMaxJsonFields) +
                                " fields refused"};
            break;
        case Event::object_end:
            m_fields.pop_back();
            break;
        case Event::array_end:
            break;
        }
        return true;
    }

private:
    std::vector<std::size_t> m_fields; // per open object
    std::size_t m_values = 0;
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
        return Json::parse(bytes, CParseBounds());
    } catch (const CTooLarge& tooLarge) {
        context.CannotRead(path + ": " + tooLarge.why);
    } catch (const nlohmann::json::exception& e) {
        context.CannotRead(path + ": not valid JSON: " + ParseErrorText(e.what()));
    }
    return std::nullopt;
}
