// own
#include "download/image_decoder.h"
#include "download/controller_image.h"
#include "download/image_layout.h"
#include "framework/format_text.h"

// std
#include <numeric>

using namespace image_layout;

namespace {

struct CBroken {
    std::string why;
};

class CImageReader {
public:
    explicit CImageReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    ConfigContents Read() {
        CheckFrame();
        ConfigContents contents;
        contents.maxZones = Byte(7);
        if (contents.maxZones < 1 || contents.maxZones > kMaxZones)
            Break(7, FormatText("zone count %d (1 to %d)", contents.maxZones, kMaxZones));
        m_nZoneMapSize = ZoneMapSize(contents.maxZones);
        m_nMaxZones = contents.maxZones;
        const std::size_t stations = Byte(6);
        if (kHeaderSize + kStationRecordSize * stations > m_bytes.size())
            Break(6, FormatText("%zu stations do not fit in the image", stations));
        for (std::size_t i = 0; i < stations; ++i)
            contents.stations.push_back(ReadRecord(i));
        CheckSize(contents);

        std::size_t pos = kHeaderSize + kStationRecordSize * stations;
        for (std::size_t i = 0; i < stations; ++i) {
            ExpectOffset(Record(i) + 2, pos, "zone map offset");
            for (auto& button : contents.stations[i].buttons)
                button.zones = ReadZoneMap(pos);
        }
        ExpectOffset(8, pos, "global zone map offset");
        contents.softButtons.resize(kSoftButtonCount);
        for (auto& button : contents.softButtons)
            button.zones = ReadZoneMap(pos);

        for (std::size_t i = 0; i < stations; ++i)
            ReadStationTexts(contents.stations[i], i, pos);
        ExpectOffset(10, pos, "global LCD text offset");
        for (auto& button : contents.softButtons)
            button.name = ReadText(pos);
        return contents;
    }

private:
    [[noreturn]] static void Break(std::size_t at, const std::string& why) {
        throw CBroken{FormatText("byte %zu: ", at) + why};
    }

    int Byte(std::size_t at) const { return m_bytes[at]; }
    std::size_t Word(std::size_t at) const {
        return m_bytes[at] | static_cast<std::size_t>(m_bytes[at + 1]) << 8;
    }
    static std::size_t Record(std::size_t i) { return kHeaderSize + kStationRecordSize * i; }

    void CheckFrame() const {
        if (m_bytes.size() < kHeaderSize)
            throw CBroken{FormatText("%zu bytes, shorter than the %zu-byte header", m_bytes.size(),
                                     kHeaderSize)};
        if (m_bytes.size() > kImageBufferBytes)
            throw CBroken{FormatText("%zu bytes, more than an image may have (%zu)", m_bytes.size(),
                                     kImageBufferBytes)};
        if (Word(0) + 4 != m_bytes.size())
            Break(0, FormatText("length %zu, but %zu bytes follow the first four", Word(0),
                                m_bytes.size() - 4));
        const unsigned sum = std::accumulate(m_bytes.begin() + 4, m_bytes.end(), 0u) & 0xFFFF;
        if (Word(2) != sum)
            Break(2, FormatText("checksum 0x%04zX, but the bytes add up to 0x%04X", Word(2), sum));
        for (std::size_t at : {4u, 5u})
            if (Byte(at) != 0x01) Break(at, FormatText("format byte 0x%02X (0x01)", Byte(at)));
        for (std::size_t at = 12; at < kHeaderSize; ++at)
            if (Byte(at) != 0) Break(at, FormatText("reserved byte 0x%02X (0)", Byte(at)));
    }

    ContentsStation ReadRecord(std::size_t i) const {
        const std::size_t at = Record(i);
        const int number = static_cast<int>(i) + 1;
        ContentsStation station;
        station.port = (Byte(at) >> 4) + 1;
        station.address = Byte(at) & 0x0F;
        if (station.address < 1)
            Break(at, FormatText("station %d: address 0 (1 to %d)", number, kMaxAddress));
        const int code = Byte(at + 1);
        station.type = CStation::TypeOfCode(code);
        if (station.type == 0)
            Break(at + 1, FormatText("station %d: type code %d (0 to 5)", number, code));
        station.group = Byte(at + 6);
        if (station.group > kMaxGroup)
            Break(at + 6,
                  FormatText("station %d: group %d (0 to %d)", number, station.group, kMaxGroup));
        if (Byte(at + 7) != 0)
            Break(at + 7, FormatText("station %d: reserved byte 0x%02X (0)", number, Byte(at + 7)));
        station.buttons.resize(static_cast<std::size_t>(station.type));
        return station;
    }

    // The counts decide the size; checking it first keeps every later read inside the bytes.
    void CheckSize(const ConfigContents& contents) const {
        std::size_t buttons = kSoftButtonCount;
        std::size_t texts = 0;
        for (const ContentsStation& station : contents.stations) {
            buttons += station.buttons.size();
            if (HasTexts(station)) texts += kStationTextsSize;
        }
        const std::size_t size = kHeaderSize + kStationRecordSize * contents.stations.size() +
                                 m_nZoneMapSize * buttons + texts + kGlobalTextsSize;
        if (size != m_bytes.size())
            Break(0, FormatText("an image of these %zu stations and %d zones has %zu bytes, not "
                                "%zu",
                                contents.stations.size(), contents.maxZones, size, m_bytes.size()));
    }

    static bool HasTexts(const ContentsStation& station) {
        const int code = CStation::TypeCode(station.type);
        return code == kTenButtonCode || code == kTenButtonBreakOutCode;
    }

    void ExpectOffset(std::size_t at, std::size_t expected, const char* field) const {
        if (Word(at) != expected)
            Break(at,
                  FormatText("%s %zu, where the image has it at %zu", field, Word(at), expected));
    }

    std::vector<int> ReadZoneMap(std::size_t& pos) const {
        std::vector<int> zones;
        for (std::size_t b = 0; b < m_nZoneMapSize; ++b)
            for (int bit = 0; bit < 8; ++bit) {
                if ((m_bytes[pos + b] & (0x80 >> bit)) == 0) continue;
                const int zone = static_cast<int>(b) * 8 + bit;
                if (zone >= m_nMaxZones)
                    Break(pos + b,
                          FormatText("zone %d set, beyond the %d zones", zone + 1, m_nMaxZones));
                zones.push_back(zone);
            }
        pos += m_nZoneMapSize;
        return zones;
    }

    std::string ReadText(std::size_t& pos) const {
        const auto slot = m_bytes.subspan(pos, kTextSlotSize);
        pos += kTextSlotSize;
        std::string text(slot.begin(), slot.end());
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }

    void ReadStationTexts(ContentsStation& station, std::size_t i, std::size_t& pos) const {
        const std::size_t at = Record(i) + 4;
        if (!HasTexts(station)) {
            ExpectOffset(at, 0, "LCD text offset");
            return;
        }
        ExpectOffset(at, pos, "LCD text offset");
        for (auto& button : station.buttons)
            button.name = ReadText(pos);
        if (CStation::TypeCode(station.type) == kTenButtonBreakOutCode)
            station.lcdText = ReadText(pos);
    }

    std::span<const uint8_t> m_bytes;
    std::size_t m_nZoneMapSize = 0;
    int m_nMaxZones = 0;
};

} // namespace

ImageDecoding DecodeControllerImage(std::span<const uint8_t> bytes) {
    try {
        return {CImageReader(bytes).Read(), {}};
    } catch (const CBroken& broken) {
        return {std::nullopt, broken.why};
    }
}
