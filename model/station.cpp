// own
#include "model/station.h"
#include "model/formats/archive.h"

// std
#include <algorithm>

namespace {
constexpr std::array<int, 6> kTypesByCode = {4, 10, 48, 3, 9, 47};

// The setters' rule: an accepted value is stored, a refused one leaves the field as it was.
template <class T> bool Store(T& field, const T& value, bool accepted) {
    if (accepted) field = value;
    return accepted;
}
} // namespace

const CRuntimeClass CStation::classCStation = {"CStation", 0, &CreateObjectOf<CStation>};

CStation::CStation() {
    for (int n = 0; n < kButtonSlots; ++n)
        m_Buttons[n].m_strName = "HardButton" + std::to_string(n + 1);
}

int CStation::TypeCode(int type) {
    const auto found = std::find(kTypesByCode.begin(), kTypesByCode.end(), type);
    return found == kTypesByCode.end() ? -1 : static_cast<int>(found - kTypesByCode.begin());
}

int CStation::TypeOfCode(int code) {
    return code >= 0 && code < static_cast<int>(kTypesByCode.size())
               ? kTypesByCode[static_cast<std::size_t>(code)]
               : 0;
}

bool CStation::SetName(const std::string& name) {
    return Store(m_strName, name, name.size() <= kMaxStationName);
}

bool CStation::SetType(int type) {
    return Store(m_nType, type, TypeCode(type) >= 0);
}

bool CStation::SetPort(int port) {
    return Store(m_nPort, port, port >= 1 && port <= kMaxPort);
}

bool CStation::SetAddress(int address) {
    return Store(m_nAddress, address, address >= 1 && address <= kMaxAddress);
}

bool CStation::SetGroup(int group) {
    return Store(m_nGroup, group, group >= 0 && group <= kMaxGroup);
}

bool CStation::SetLcdText(const std::string& text) {
    return Store(m_strLcdText, text, text.size() <= kMaxLcdText);
}

void CStation::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteByte(static_cast<uint8_t>(m_nType));
        for (int n = 0; n < m_nType; ++n)
            m_Buttons[n].Serialize(ar);
        ar.WriteText(m_strName);
        ar.WriteWord(static_cast<uint16_t>(m_nPort));
        ar.WriteWord(static_cast<uint16_t>(m_nAddress));
        ar.WriteWord(static_cast<uint16_t>(m_nGroup));
        if (m_nType == kLcdTextType) ar.WriteText(m_strLcdText);
        return;
    }
    // The stored byte, not the accepted type, tells how many buttons and whether an LCD text
    // follow; a byte above 48 would address buttons the station does not have.
    const int storedType = ar.ReadByte();
    if (storedType > kButtonSlots) ar.RefuseContent();
    SetType(storedType);
    for (int n = 0; n < storedType; ++n)
        m_Buttons[n].Serialize(ar);
    SetName(ar.ReadText());
    SetPort(ar.ReadWord());
    SetAddress(ar.ReadWord());
    if (ar.FileVersion() > 257) SetGroup(ar.ReadWord());
    if (storedType == kLcdTextType) SetLcdText(ar.ReadText());
}
