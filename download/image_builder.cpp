// own
#include "download/image_builder.h"
#include "download/image_layout.h"
#include "files/safe_save.h"
#include "framework/format_text.h"

// std
#include <algorithm>
#include <cstring>
#include <numeric>

using namespace image_layout;

namespace {

constexpr uint8_t kFormatByte = 0x01;
constexpr uint8_t kTextPad = ' ';

// Writes into the exact span of one image: fields at fixed offsets, and the zone maps and texts
// one after the other from a cursor. Nothing is ever written outside the span.
class CImageWriter {
public:
    explicit CImageWriter(std::span<uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Position() const { return m_pos; }
    void Seek(std::size_t pos) { m_pos = std::min(pos, m_bytes.size()); }

    void PutByte(std::size_t at, int value) {
        if (at < m_bytes.size()) m_bytes[at] = static_cast<uint8_t>(value);
    }
    void PutWord(std::size_t at, std::size_t value) {
        PutByte(at, static_cast<int>(value & 0xFF));
        PutByte(at + 1, static_cast<int>((value >> 8) & 0xFF));
    }

    // The next `count` bytes, zero as the image starts out; fewer only at the end of the span.
    std::span<uint8_t> Take(std::size_t count) {
        count = std::min(count, m_bytes.size() - m_pos);
        const auto taken = m_bytes.subspan(m_pos, count);
        m_pos += count;
        return taken;
    }

private:
    std::span<uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

class CImagePacker {
public:
    CImagePacker(const CKVDoc& doc, std::span<uint8_t> bytes)
        : m_doc(doc), m_out(bytes), m_nZoneMapSize(ZoneMapSize(doc.m_nMaxZones)) {}

    void Pack() {
        const auto& stations = m_doc.m_pStations;
        m_out.PutByte(4, kFormatByte);
        m_out.PutByte(5, kFormatByte);
        m_out.PutByte(6, static_cast<int>(stations.size()));
        m_out.PutByte(7, m_doc.m_nMaxZones);

        m_out.Seek(kHeaderSize + kStationRecordSize * stations.size());
        for (std::size_t i = 0; i < stations.size(); ++i) {
            const CStation& station = *stations[i];
            const std::size_t record = kHeaderSize + kStationRecordSize * i;
            m_out.PutByte(record, (station.m_nPort - 1) * 16 + station.m_nAddress);
            m_out.PutByte(record + 1, ImageTypeCode(station));
            m_out.PutWord(record + 2, m_out.Position());
            m_out.PutByte(record + 6, station.m_nGroup);
            for (int n = 0; n < ButtonsInUse(station); ++n)
                WriteZoneMap(station.m_Buttons[n]);
        }
        m_out.PutWord(8, m_out.Position());
        for (const CBtn& button : m_doc.m_SoftButtons)
            WriteZoneMap(button);

        for (std::size_t i = 0; i < stations.size(); ++i)
            WriteStationTexts(*stations[i], i);
        m_out.PutWord(10, m_out.Position());
        for (int k = 0; k < kSoftButtonCount; ++k)
            if (!WriteText(m_doc.m_SoftButtons[k].m_strName))
                Report("The length of the LCD message for Global Button %d is too long", k + 1);
    }

private:
    // Bits by zone index, whatever the list's order; zones the configuration does not use have
    // no bit, so every map is exactly one zone map long.
    void WriteZoneMap(const CBtn& button) {
        const auto map = m_out.Take(m_nZoneMapSize);
        for (const CZone& zone : button.m_pZones) {
            const int z = zone.m_nZone;
            if (z < 0 || z >= m_doc.m_nMaxZones || static_cast<std::size_t>(z / 8) >= map.size())
                continue;
            map[static_cast<std::size_t>(z / 8)] |= static_cast<uint8_t>(0x80 >> (z % 8));
        }
    }

    // Returns false for a text longer than its slot, which keeps the first 16 bytes of it: every
    // later offset depends on each slot being exactly 16 bytes.
    bool WriteText(const std::string& text) {
        const auto slot = m_out.Take(kTextSlotSize);
        const std::size_t kept = std::min(text.size(), slot.size());
        std::copy_n(text.begin(), kept, slot.begin());
        std::fill(slot.begin() + static_cast<std::ptrdiff_t>(kept), slot.end(), kTextPad);
        return text.size() <= kTextSlotSize;
    }

    void WriteStationTexts(const CStation& station, std::size_t index) {
        const std::size_t record = kHeaderSize + kStationRecordSize * index;
        const int number = static_cast<int>(index) + 1;
        if (!HasLcdTexts(station)) {
            m_out.PutWord(record + 4, 0);
            return;
        }
        m_out.PutWord(record + 4, m_out.Position());
        for (int n = 0; n < ButtonsInUse(station); ++n)
            if (!WriteText(station.m_Buttons[n].m_strName))
                Report("The length of the LCD message for Station %d, Button %d is too long",
                       number, n + 1);
        if (ImageTypeCode(station) == kTenButtonBreakOutCode && !WriteText(station.m_strLcdText))
            Report("The length of the LCD message for Station %d, Break-Out Button is too long",
                   number);
    }

    template <typename... Args> void Report(const char* format, Args... args) {
        m_doc.Ui().MessageBox(FormatText(format, args...));
    }

    const CKVDoc& m_doc;
    CImageWriter m_out;
    const std::size_t m_nZoneMapSize;
};

void FinishHeader(std::span<uint8_t> bytes) {
    const std::size_t length = bytes.size() - 4;
    const unsigned sum = std::accumulate(bytes.begin() + 4, bytes.end(), 0u) & 0xFFFF;
    bytes[0] = static_cast<uint8_t>(length & 0xFF);
    bytes[1] = static_cast<uint8_t>(length >> 8);
    bytes[2] = static_cast<uint8_t>(sum & 0xFF);
    bytes[3] = static_cast<uint8_t>(sum >> 8);
}

// A message for a configuration the image cannot hold, or an empty text.
std::string RefusalText(const CKVDoc& doc, std::size_t size) {
    if (doc.m_pStations.size() > kMaxImageStations)
        return FormatText("The PA Controller takes at most %zu stations, and this configuration "
                          "has %zu.  The controller image was not built.",
                          kMaxImageStations, doc.m_pStations.size());
    if (size > kImageBufferBytes)
        return FormatText("The controller image of this configuration would take %zu bytes, "
                          "more than the %zu bytes it may have.  The controller image was not "
                          "built.",
                          size, kImageBufferBytes);
    return {};
}

} // namespace

std::string PackControllerImage(const CKVDoc& doc, ControllerImage& image) {
    const std::size_t size = ControllerImage::SizeOf(doc);
    std::string refusal = RefusalText(doc, size);
    if (!refusal.empty()) {
        image.Clear();
        return refusal;
    }
    const auto bytes = image.Reset(size);
    CImagePacker(doc, bytes).Pack();
    FinishHeader(bytes);
    return refusal;
}

ImageBuild BuildControllerImage(const CKVDoc& doc, ControllerImage& image,
                                const std::string& file) {
    CUiServices& ui = doc.Ui();
    CWaitCursor wait(ui);
    if (const std::string refusal = PackControllerImage(doc, image); !refusal.empty()) {
        ui.MessageBox(refusal);
        return ImageBuild::Refused;
    }
    const SaveResult saved = ReplaceFileContents(PosixFileLayer(), file, image.Bytes());
    if (saved.stage == SaveResult::Done) return ImageBuild::Built;
    ui.MessageBox("The controller image could not be written to " + file + ": " +
                  std::strerror(saved.error) + ".");
    return ImageBuild::FileNotWritten;
}
