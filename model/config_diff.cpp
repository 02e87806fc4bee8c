// own
#include "model/config_diff.h"
#include "platform/cp1252.h"
#include "framework/format_text.h"

// std
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

using DifferenceKind = ConfigDifference::Kind;

std::string Shown(const std::string& text) {
    return text.empty() ? "\"\"" : Cp1252ToUtf8(text);
}

std::string WithoutTrailingBlanks(const std::string& text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

class CComparer {
public:
    std::vector<ConfigDifference> Compare(const ConfigContents& a, const ConfigContents& b) {
        if (a.maxZones != b.maxZones)
            Add({}, "number of zones", std::to_string(a.maxZones), std::to_string(b.maxZones));
        if (a.zoneNames && b.zoneNames) {
            const std::size_t common = std::min(a.zoneNames->size(), b.zoneNames->size());
            for (std::size_t z = 0; z < common; ++z)
                Text({}, FormatText("zone %zu name", z + 1), (*a.zoneNames)[z], (*b.zoneNames)[z]);
        }
        CompareStations(a.stations, b.stations);
        const std::size_t soft = std::min(a.softButtons.size(), b.softButtons.size());
        for (std::size_t k = 0; k < soft; ++k)
            Buttons({}, FormatText("SB-%2.2zu", k + CKVDoc::kFirstSoftButtonNumber),
                    a.softButtons[k], b.softButtons[k]);
        return std::move(m_found);
    }

private:
    // Port, address and which station on that pair it is (0 for the first).
    using Key = std::tuple<int, int, int>;

    static std::vector<Key> Keys(const std::vector<ContentsStation>& stations) {
        std::map<std::pair<int, int>, int> seen;
        std::vector<Key> keys;
        for (const ContentsStation& s : stations)
            keys.emplace_back(s.port, s.address, seen[{s.port, s.address}]++);
        return keys;
    }

    void CompareStations(const std::vector<ContentsStation>& a,
                         const std::vector<ContentsStation>& b) {
        const std::vector<Key> keysA = Keys(a);
        const std::vector<Key> keysB = Keys(b);
        std::map<Key, std::size_t> indexB;
        for (std::size_t j = 0; j < keysB.size(); ++j)
            indexB[keysB[j]] = j;
        std::set<Key> matched;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto found = indexB.find(keysA[i]);
            if (found == indexB.end()) {
                AddStation(DifferenceKind::Removed, a[i]);
                continue;
            }
            matched.insert(keysA[i]);
            CompareStation(a[i], b[found->second]);
        }
        for (std::size_t j = 0; j < b.size(); ++j)
            if (!matched.contains(keysB[j])) AddStation(DifferenceKind::Added, b[j]);
    }

    void CompareStation(const ContentsStation& a, const ContentsStation& b) {
        const ConfigDifference::Station where{a.port, a.address, a.name ? a.name : b.name};
        if (a.name && b.name) Text(where, "name", *a.name, *b.name);
        if (a.type != b.type)
            Add(where, "type", std::to_string(a.type), std::to_string(b.type));
        if (a.group != b.group)
            Add(where, "group", std::to_string(a.group), std::to_string(b.group));
        // The break-out text is only stored for a 10 Button Break-Out on both sides.
        if (a.type == CStation::kLcdTextType && b.type == CStation::kLcdTextType && a.lcdText &&
            b.lcdText)
            Text(where, "LCD text", WithoutTrailingBlanks(*a.lcdText),
                 WithoutTrailingBlanks(*b.lcdText));
        const std::size_t common = std::min(a.buttons.size(), b.buttons.size());
        for (std::size_t n = 0; n < common; ++n)
            Buttons(where, FormatText("HB-%2.2zu", n + 1), a.buttons[n], b.buttons[n]);
    }

    void Buttons(const std::optional<ConfigDifference::Station>& where, const std::string& label,
                 const ContentsButton& a, const ContentsButton& b) {
        if (a.name && b.name)
            Text(where, label + " name", WithoutTrailingBlanks(*a.name),
                 WithoutTrailingBlanks(*b.name));
        const std::set<int> zonesA(a.zones.begin(), a.zones.end());
        const std::set<int> zonesB(b.zones.begin(), b.zones.end());
        std::set<int> all = zonesA;
        all.insert(zonesB.begin(), zonesB.end());
        for (int zone : all) {
            const bool onA = zonesA.contains(zone);
            const bool onB = zonesB.contains(zone);
            if (onA != onB)
                Add(where, FormatText("%s zone %d", label.c_str(), zone + 1), onA ? "on" : "off",
                    onB ? "on" : "off", DifferenceKind::Switched);
        }
    }

    void Text(const std::optional<ConfigDifference::Station>& where, const std::string& item,
              const std::string& a, const std::string& b) {
        if (a != b) Add(where, item, Shown(a), Shown(b));
    }

    void Add(const std::optional<ConfigDifference::Station>& where, std::string item,
             std::string from, std::string to, DifferenceKind kind = DifferenceKind::Changed) {
        m_found.push_back({kind, where, std::move(item), std::move(from), std::move(to)});
    }

    void AddStation(DifferenceKind kind, const ContentsStation& s) {
        m_found.push_back({kind, ConfigDifference::Station{s.port, s.address, s.name}, "station",
                           {}, {}});
    }

    std::vector<ConfigDifference> m_found;
};

std::string StationLabel(const ConfigDifference::Station& station) {
    std::string label = FormatText("[%d-%d]", station.port, station.address);
    if (station.name && !station.name->empty()) label += " " + Cp1252ToUtf8(*station.name);
    return label;
}

} // namespace

std::vector<ConfigDifference> CompareContents(const ConfigContents& a, const ConfigContents& b) {
    return CComparer().Compare(a, b);
}

std::string DifferenceLine(const ConfigDifference& difference) {
    switch (difference.kind) {
    case DifferenceKind::Added:
        return "+ station " + StationLabel(*difference.station);
    case DifferenceKind::Removed:
        return "- station " + StationLabel(*difference.station);
    case DifferenceKind::Changed:
    case DifferenceKind::Switched:
        break;
    }
    const std::string prefix =
        difference.station ? StationLabel(*difference.station) + ": " : std::string();
    const char* separator = difference.kind == DifferenceKind::Switched ? " " : ": ";
    return prefix + difference.item + separator + difference.from + " -> " + difference.to;
}
