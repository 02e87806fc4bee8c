// own
#include "download/config_check.h"
#include "download/controller_image.h"
#include "download/image_layout.h"
#include "framework/format_text.h"
#include "platform/cp1252.h"

// std
#include <cctype>
#include <cstdio>

namespace {
using Severity = CheckFinding::Severity;

// What the controller accepts.
constexpr std::size_t kLcdSlot = image_layout::kTextSlotSize;
// The firmware that has no 4 and 10 button break-out panels, and the newest one we know.
constexpr ControllerVersion kNoBreakOutVersion{1, 0};
constexpr ControllerVersion kNewestVersion{1, 1};
// An LCD shows printable ASCII only.
constexpr unsigned char kFirstShown = 0x20;
constexpr unsigned char kLastShown = 0x7E;

int VersionValue(ControllerVersion v) {
    return v.major * 256 + v.minor;
}

std::string PortAddress(const CStation& station) {
    return FormatText("[%d-%d]", station.m_nPort, station.m_nAddress);
}

class CChecker {
public:
    CChecker(const CKVDoc& doc, ControllerVersion version) : m_doc(doc), m_version(version) {}

    std::vector<CheckFinding> Run() {
        CheckWhole();
        for (std::size_t i = 0; i < m_doc.m_pStations.size(); ++i)
            CheckStation(static_cast<int>(i));
        for (int k = 0; k < kSoftButtonCount; ++k)
            CheckButton(m_doc.m_SoftButtons[k], -1, k, true);
        return std::move(m_findings);
    }

private:
    void Add(Severity severity, std::string text, int station = -1, int button = -1,
             int zone = -1) {
        m_findings.push_back({severity, std::move(text), station, button, zone});
    }

    void CheckWhole() {
        if (VersionValue(m_version) > VersionValue(kNewestVersion))
            Add(Severity::Error,
                FormatText("a %d.%d PA Controller is newer than this software can handle",
                           m_version.major, m_version.minor));
        const std::size_t stations = m_doc.m_pStations.size();
        if (stations > kMaxStations)
            Add(Severity::Error,
                FormatText("%zu stations, more than the controller's %zu", stations, kMaxStations));
        const std::size_t size = ControllerImage::SizeOf(m_doc);
        if (size > kMaxImageBytes)
            Add(Severity::Error,
                FormatText("the controller image is %zu bytes, %zu more than the controller's ",
                           size, size - kMaxImageBytes) +
                    GroupedNumber(kMaxImageBytes));
    }

    void CheckStation(int index) {
        const CStation& station = *m_doc.m_pStations[index];
        for (int j = 0; j < index; ++j) {
            const CStation& other = *m_doc.m_pStations[j];
            if (other.m_nPort == station.m_nPort && other.m_nAddress == station.m_nAddress)
                Add(Severity::Error,
                    "port and address also used by " + Cp1252ToUtf8(other.m_strName) + " " +
                        PortAddress(other),
                    index);
        }
        if (station.m_strName.empty()) {
            Add(Severity::Warning, "the station has no name", index);
        } else {
            for (int j = 0; j < index; ++j) {
                const CStation& other = *m_doc.m_pStations[j];
                if (other.m_strName == station.m_strName) {
                    Add(Severity::Warning, "the name is also used by " + PortAddress(other), index);
                    break;
                }
            }
        }
        const int code = image_layout::ImageTypeCode(station);
        if (VersionValue(m_version) == VersionValue(kNoBreakOutVersion) &&
            (station.m_nType == 3 || station.m_nType == 9))
            Add(Severity::Error,
                FormatText("a %d button break-out, which a 1.0 controller does not support",
                           station.m_nType + 1),
                index);
        const bool lcd = image_layout::HasLcdTexts(station);
        for (int n = 0; n < image_layout::ButtonsInUse(station); ++n)
            CheckButton(station.m_Buttons[n], index, n, lcd);
        if (code == image_layout::kTenButtonBreakOutCode)
            CheckLcdText(station.m_strLcdText, "break-out LCD text", index, -1);
    }

    void CheckButton(const CBtn& button, int station, int index, bool lcd) {
        for (const CZone& zone : button.m_pZones)
            if (zone.m_nZone >= m_doc.m_nMaxZones)
                Add(Severity::Error,
                    FormatText("zone %d is beyond the %d zones in use", zone.m_nZone + 1,
                               m_doc.m_nMaxZones),
                    station, index, zone.m_nZone);
        if (lcd) CheckLcdText(button.m_strName, "LCD text", station, index);
    }

    // The text is not quoted: the place names the button, and a text from a file may be long.
    void CheckLcdText(const std::string& text, const char* what, int station, int button) {
        if (text.size() > kLcdSlot)
            Add(Severity::Error,
                FormatText("%s is %zu characters, longer than its %zu", what, text.size(),
                           kLcdSlot),
                station, button);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte >= kFirstShown && byte <= kLastShown) continue;
            Add(Severity::Error,
                FormatText("%s has a character an LCD cannot show: %s at %zu", what,
                           Shown(byte).c_str(), i + 1),
                station, button);
            break;
        }
    }

    // A character as the user would recognise it; a control character by its code.
    static std::string Shown(unsigned char byte) {
        const char32_t unicode = Cp1252ToUnicode(byte);
        if (unicode < 0x20 || (unicode >= 0x7F && unicode < 0xA0))
            return FormatText("0x%02X", byte);
        return "\"" + Cp1252ToUtf8(std::string(1, static_cast<char>(byte))) + "\"";
    }

    const CKVDoc& m_doc;
    const ControllerVersion m_version;
    std::vector<CheckFinding> m_findings;
};
} // namespace

std::optional<ControllerVersion> ParseControllerVersion(const std::string& text) {
    unsigned major = 0, minor = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%3u.%3u%n", &major, &minor, &used) != 2 ||
        static_cast<std::size_t>(used) != text.size() ||
        !std::isdigit(static_cast<unsigned char>(text.front())) || major > 255 || minor > 255)
        return std::nullopt;
    return ControllerVersion{static_cast<int>(major), static_cast<int>(minor)};
}

std::string ControllerVersionText(ControllerVersion version) {
    return FormatText("%d.%d", version.major, version.minor);
}

std::vector<CheckFinding> CheckConfiguration(const CKVDoc& doc, ControllerVersion version) {
    return CChecker(doc, version).Run();
}

std::string CheckPlace(const CKVDoc& doc, const CheckFinding& finding) {
    std::string place;
    const auto station = static_cast<std::size_t>(finding.station);
    if (finding.station >= 0 && station < doc.m_pStations.size()) {
        const CStation& s = *doc.m_pStations[station];
        place = (s.m_strName.empty() ? std::string() : Cp1252ToUtf8(s.m_strName) + " ") +
                PortAddress(s);
        if (finding.button >= 0) place += FormatText(" HB-%2.2d", finding.button + 1);
    } else if (finding.button >= 0) {
        place = FormatText("SB-%2.2d", finding.button + CKVDoc::kFirstSoftButtonNumber);
    }
    if (finding.zone >= 0)
        place += (place.empty() ? "" : " ") + FormatText("zone %d", finding.zone + 1);
    return place;
}

std::string CheckLine(const CKVDoc& doc, const CheckFinding& finding) {
    const std::string place = CheckPlace(doc, finding);
    return (finding.severity == Severity::Error ? "error: " : "warning: ") +
           (place.empty() ? "" : place + ": ") + finding.text;
}
