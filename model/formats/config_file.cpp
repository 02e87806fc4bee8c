// The .kvx layout: header field, version word, zone names, station list, soft buttons.

// own
#include "model/formats/archive.h"
#include "model/kv_doc.h"

// std
#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kHeaderField = 62;
constexpr std::string_view kHeaderText =
    "; KVX Corvantine source file, Quellton/Vintrella Inc. \r\n\r\n";
constexpr uint16_t kFirstTooNewVersion = 259;
// A CStation record needs at least its tag, type, name, port and address.
constexpr std::size_t kMinStationRecord = 2 + 1 + 1 + 2 + 2;

constexpr const char* kNotValidMessage = "This file is not a valid KVX file.  File Open Aborted...";
constexpr const char* kTooNewMessage =
    "The version of this KVX file is newer than this version of Corvantine supports";

bool HeaderMatches(std::span<const uint8_t> field) {
    const auto nul = std::find(field.begin(), field.end(), 0);
    if (nul == field.end()) return false;
    const std::string_view text(reinterpret_cast<const char*>(field.data()),
                                static_cast<std::size_t>(nul - field.begin()));
    return text == kHeaderText;
}
} // namespace

// Close above the size of the file, so that the buffer of a large configuration grows once.
std::size_t CKVDoc::EstimatedFileSize() const {
    constexpr std::size_t kPrefixes = 8; // text prefix, count, tag, words
    const auto button = [](const CBtn& b) {
        return kPrefixes + b.m_strName.size() + b.m_pZones.size() * 4;
    };
    std::size_t size = kHeaderField + 2 + 1 + kPrefixes;
    for (int n = 0; n < m_nMaxZones; ++n)
        size += kPrefixes + m_strZoneNames[n].size();
    for (const auto& s : m_pStations) {
        size += 4 * kPrefixes + s->m_strName.size() + s->m_strLcdText.size();
        for (int n = 0; n < s->m_nType; ++n)
            size += button(s->m_Buttons[n]);
    }
    for (const CBtn& b : m_SoftButtons)
        size += button(b);
    return size;
}

void CKVDoc::WriteConfigFile(std::vector<uint8_t>& sink) {
    sink.reserve(sink.size() + EstimatedFileSize());
    CArchive ar(CArchive::Store{}, sink);
    std::array<uint8_t, kHeaderField> header{};
    std::memcpy(header.data(), kHeaderText.data(), kHeaderText.size());
    ar.WriteBytes(header);
    m_wVersion = kFileVersion;
    ar.WriteWord(m_wVersion);
    ar.WriteByte(static_cast<uint8_t>(m_nMaxZones));
    for (int n = 0; n < m_nMaxZones; ++n)
        ar.WriteText(m_strZoneNames[n]);
    ar.WriteCount(m_pStations.size());
    for (const auto& station : m_pStations) {
        ar.WriteObjectTag(CStation::classCStation);
        station->Serialize(ar);
    }
    ar.WriteWord(kSoftButtonCount);
    for (CBtn& button : m_SoftButtons)
        button.Serialize(ar);
}

bool CKVDoc::ReadConfigFile(std::span<const uint8_t> source) {
    CArchive ar(source);
    const bool headerMatches = HeaderMatches(ar.ReadBytes(kHeaderField));
    m_wVersion = ar.ReadWord();
    if (!headerMatches) {
        m_ui.MessageBox(kNotValidMessage);
        return false;
    }
    if (m_wVersion >= kFirstTooNewVersion) {
        m_ui.MessageBox(kTooNewMessage);
        return false;
    }
    ar.SetFileVersion(m_wVersion);
    try {
        m_nCurStation = 0;
        const int zones = ar.ReadByte();
        if (zones == 0 || zones > kMaxZones) ar.RefuseContent();
        m_nMaxZones = zones;
        for (int n = 0; n < zones; ++n)
            m_strZoneNames[n] = ar.ReadText();

        // The editor and its views need at least one station, and no two stations share a
        // port/address pair, so there cannot be more stations than pairs.
        const uint32_t stations = ar.ReadCount();
        if (stations == 0 || stations > kMaxStations) ar.RefuseContent();
        m_pStations.reserve(ar.BoundedCount(stations, kMinStationRecord));
        for (uint32_t i = 0; i < stations; ++i) {
            auto object = ar.ReadObject(CStation::classCStation);
            m_pStations.push_back(
                std::unique_ptr<CStation>(static_cast<CStation*>(object.release())));
        }

        const uint16_t softButtons = ar.ReadWord();
        if (softButtons > kSoftButtonCount) ar.RefuseContent();
        for (int k = 0; k < softButtons; ++k)
            m_SoftButtons[k].Serialize(ar);
    } catch (const CArchiveException& e) {
        if (e.m_cause != CArchiveException::InvalidContent) throw;
        m_ui.MessageBox(kNotValidMessage);
        return false;
    }
    return true;
}
