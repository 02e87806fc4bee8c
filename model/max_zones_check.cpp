// own
#include "model/max_zones_check.h"
#include "framework/format_text.h"
#include "model/kv_doc.h"
#include "platform/decimal.h"

namespace {
constexpr const char* kDisableFirst =
    " is enabled.\n\nYou must disable it before reducing the number of maximum zones below it.";

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks, one optional sign, at least one digit, blanks, and nothing else.
bool IsWholeInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t digits = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == digits) return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i == text.size();
}

// The first zone of `button` above `maxZones`, as its 1-based number.
std::optional<int> FirstZoneAbove(const CBtn& button, int maxZones) {
    for (const CZone& zone : button.m_pZones)
        if (zone.m_nZone + 1 > maxZones) return zone.m_nZone + 1;
    return std::nullopt;
}
} // namespace

std::variant<int, std::string> ReadIntegerEntry(std::string_view text, int low, int high) {
    if (!IsWholeInteger(text)) return std::string(kNotAnInteger);
    const int value = ParseDecimal(text);
    if (value < low || value > high)
        return "Please enter an integer between " + std::to_string(low) + " and " +
               std::to_string(high) + ".";
    return value;
}

std::optional<std::string> FindZoneAbove(const CKVDoc& doc, int maxZones) {
    for (const auto& station : doc.m_pStations)
        for (int n = 0; n < station->m_nType; ++n)
            if (const auto zone = FirstZoneAbove(station->m_Buttons[n], maxZones))
                return "Station \"" + station->GetName() + "\" Button HB-" +
                       FormatText("%2.2d", n + 1) + " Zone " + std::to_string(*zone) +
                       kDisableFirst;
    for (int k = 0; k < kSoftButtonCount; ++k)
        if (const auto zone = FirstZoneAbove(doc.m_SoftButtons[k], maxZones))
            return "Global Button SB-" + FormatText("%2.2d", k + CKVDoc::kFirstSoftButtonNumber) +
                   " Zone " + std::to_string(*zone) + kDisableFirst;
    return std::nullopt;
}
