#include "tools/sim/sim_options.h"

// std
#include <charconv>

namespace {

std::optional<unsigned> ParseNumber(std::string_view text, int base, unsigned maximum) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end || value > maximum) return {};
    return value;
}

} // namespace

std::optional<unsigned> ParseComName(std::string_view text) {
    if (text.size() != 4 || text.substr(0, 3) != "COM") return {};
    const auto number = ParseNumber(text.substr(3), 10, 9);
    if (!number || *number == 0) return {};
    return number;
}

std::optional<uint8_t> ParseAnswerCode(std::string_view text) {
    if (text.size() > 2 && (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X"))
        text.remove_prefix(2);
    if (text.size() > 2) return {};
    const auto value = ParseNumber(text, 16, 0xFF);
    if (!value) return {};
    return static_cast<uint8_t>(*value);
}

bool ParseVersion(std::string_view text, SimOptions& options) {
    std::string_view numbers = text;
    std::optional<std::string_view> versionText;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        numbers = text.substr(0, colon);
        versionText = text.substr(colon + 1);
        if (versionText->size() > 0xFF) return false;
    }
    const auto dot = numbers.find('.');
    if (dot == std::string_view::npos) return false;
    const auto major = ParseNumber(numbers.substr(0, dot), 10, 0xFF);
    const auto minor = ParseNumber(numbers.substr(dot + 1), 10, 0xFF);
    if (!major || !minor) return false;
    options.nMajor = static_cast<uint8_t>(*major);
    options.nMinor = static_cast<uint8_t>(*minor);
    if (versionText) options.strVersionText = std::string(*versionText);
    return true;
}
