// own
#include "model/formats/archive.h"
#include "platform/cp1252.h"

// std
#include <algorithm>

namespace {
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kBigTag = 0x7FFF;
constexpr uint16_t kClassTagBit = 0x8000;
constexpr uint32_t kBigClassTagBit = 0x80000000;
// A text length prefix of BYTE 0xFF, WORD 0xFFFE announces 16-bit characters.
constexpr uint16_t kWideTextMark = 0xFFFE;
} // namespace

const char* CArchiveException::what() const noexcept {
    switch (m_cause) {
    case EndOfFile:
        return "unexpected end of file";
    case BadClass:
        return "unknown class";
    case BadSchema:
        return "unknown schema";
    case BadIndex:
        return "unknown object or class number";
    case InvalidContent:
        return "content a configuration cannot hold";
    }
    return "archive error";
}

void CArchive::WriteByte(uint8_t value) {
    m_pSink->push_back(value);
}

void CArchive::WriteWord(uint16_t value) {
    m_pSink->push_back(static_cast<uint8_t>(value));
    m_pSink->push_back(static_cast<uint8_t>(value >> 8));
}

void CArchive::WriteDword(uint32_t value) {
    WriteWord(static_cast<uint16_t>(value));
    WriteWord(static_cast<uint16_t>(value >> 16));
}

void CArchive::WriteBytes(std::span<const uint8_t> bytes) {
    m_pSink->insert(m_pSink->end(), bytes.begin(), bytes.end());
}

void CArchive::WriteText(const std::string& text) {
    const std::size_t n = text.size();
    if (n < 0xFF) {
        WriteByte(static_cast<uint8_t>(n));
    } else if (n < kWideTextMark) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(n));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(static_cast<uint32_t>(n));
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    WriteBytes({bytes, n});
}

void CArchive::WriteCount(std::size_t count) {
    if (count < 0xFFFF) {
        WriteWord(static_cast<uint16_t>(count));
    } else {
        WriteWord(0xFFFF);
        WriteDword(static_cast<uint32_t>(count));
    }
}

void CArchive::WriteObjectTag(const CRuntimeClass& cls) {
    const auto known = std::find_if(m_classes.begin(), m_classes.end(),
                                    [&](const auto& entry) { return entry.first == &cls; });
    if (known == m_classes.end()) {
        const std::string_view name = cls.m_lpszClassName;
        WriteWord(kNewClassTag);
        WriteWord(cls.m_wSchema);
        WriteWord(static_cast<uint16_t>(name.size()));
        WriteBytes({reinterpret_cast<const uint8_t*>(name.data()), name.size()});
        m_classes.emplace_back(&cls, m_nNextNumber++);
    } else if (known->second < kBigTag) {
        WriteWord(static_cast<uint16_t>(kClassTagBit | known->second));
    } else {
        WriteWord(kBigTag);
        WriteDword(kBigClassTagBit | known->second);
    }
    ++m_nNextNumber; // the object's own number
}

void CArchive::ThrowEndOfFile() const {
    // Where the data runs out.
    throw CArchiveException(CArchiveException::EndOfFile, m_source.size());
}

void CArchive::Throw(CArchiveException::Cause cause) const {
    throw CArchiveException(cause, m_nPos);
}

uint8_t CArchive::ReadByte() {
    Need(1);
    return m_source[m_nPos++];
}

uint16_t CArchive::ReadWord() {
    Need(2);
    const uint16_t value = m_source[m_nPos] | (m_source[m_nPos + 1] << 8);
    m_nPos += 2;
    return value;
}

uint32_t CArchive::ReadDword() {
    const uint32_t low = ReadWord();
    return low | (static_cast<uint32_t>(ReadWord()) << 16);
}

std::span<const uint8_t> CArchive::ReadBytes(std::size_t n) {
    Need(n);
    const auto bytes = m_source.subspan(m_nPos, n);
    m_nPos += n;
    return bytes;
}

uint32_t CArchive::ReadTextLength(bool& wide) {
    wide = false;
    const uint8_t shortLength = ReadByte();
    if (shortLength < 0xFF) return shortLength;
    uint16_t length = ReadWord();
    if (length == kWideTextMark) {
        // A second prefix follows, counting 16-bit characters; here 0xFFFE is a plain length.
        wide = true;
        const uint8_t wideShort = ReadByte();
        if (wideShort < 0xFF) return wideShort;
        length = ReadWord();
    }
    return length < 0xFFFF ? length : ReadDword();
}

std::string CArchive::ReadText() {
    bool wide = false;
    const std::size_t length = ReadTextLength(wide);
    const auto bytes = ReadBytes(wide ? length * 2 : length);
    if (!wide) return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto single = Cp1252FromUnicode(bytes[i] | (bytes[i + 1] << 8));
        if (!single) RefuseContent();
        text += *single;
    }
    return text;
}

uint32_t CArchive::ReadCount() {
    const uint16_t count = ReadWord();
    return count < 0xFFFF ? count : ReadDword();
}

const CRuntimeClass& CArchive::ReadClassRecord() {
    const uint16_t schema = ReadWord();
    const uint16_t nameLength = ReadWord();
    if (nameLength > kMaxClassName) Throw(CArchiveException::BadClass);
    const auto name = ReadBytes(nameLength);
    const CRuntimeClass* cls =
        FindRuntimeClass({reinterpret_cast<const char*>(name.data()), name.size()});
    if (!cls) Throw(CArchiveException::BadClass);
    if (schema != cls->m_wSchema) Throw(CArchiveException::BadSchema);
    m_classes.emplace_back(cls, m_nNextNumber++);
    return *cls;
}

const CRuntimeClass* CArchive::LoadedClass(uint32_t number) const {
    // Lists repeat one class; look at the newest class first.
    if (!m_classes.empty() && m_classes.back().second == number) return m_classes.back().first;
    const auto found =
        std::lower_bound(m_classes.begin(), m_classes.end(), number,
                         [](const auto& entry, uint32_t n) { return entry.second < n; });
    return found != m_classes.end() && found->second == number ? found->first : nullptr;
}

void CArchive::ReadNewObjectTag(const CRuntimeClass& expected) {
    const uint16_t tag = ReadWord();
    const CRuntimeClass* cls = nullptr;
    if (tag == kNewClassTag) {
        cls = &ReadClassRecord();
    } else {
        bool isClass = (tag & kClassTagBit) != 0;
        uint32_t number = tag & ~kClassTagBit;
        if (tag == kBigTag) {
            const uint32_t big = ReadDword();
            isClass = (big & kBigClassTagBit) != 0;
            number = big & ~kBigClassTagBit;
        }
        if (!isClass) {
            // A null element, or an object that would sit in a list twice.
            if (number == 0 || (number < m_nNextNumber && !LoadedClass(number))) RefuseContent();
            Throw(CArchiveException::BadIndex);
        }
        cls = LoadedClass(number);
        if (!cls) Throw(CArchiveException::BadIndex);
    }
    if (cls != &expected) RefuseContent();
    ++m_nNextNumber;
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass& expected) {
    ReadNewObjectTag(expected);
    auto object = expected.m_pfnCreateObject();
    object->Serialize(*this);
    return object;
}

std::size_t CArchive::BoundedCount(uint32_t count, std::size_t minBytes) const {
    return std::min<std::size_t>(count, Remaining() / minBytes);
}

void CArchive::RefuseContent() const {
    Throw(CArchiveException::InvalidContent);
}
