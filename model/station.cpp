// own
#include "model/station.h"
#include "model/archive.h"

// std
#include <algorithm>

namespace {
constexpr std::array<int, 6> kTypesByCode = {4, 10, 48, 3, 9, 47};
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

bool CStation::SetName(const std::string& name) {
    if (name.size() > kMaxName) return false;
    m_strName = name;
    return true;
}

bool CStation::SetType(int type) {
    if (TypeCode(type) < 0) return false;
    m_nType = type;
    return true;
}

bool CStation::SetPort(int port) {
    if (port < 1 || port > kMaxPort) return false;
    m_nPort = port;
    return true;
}

bool CStation::SetAddress(int address) {
    if (address < 1 || address > kMaxAddress) return false;
    m_nAddress = address;
    return true;
}

bool CStation::SetGroup(int group) {
    if (group < 0 || group > kMaxGroup) return false;
    m_nGroup = group;
    return true;
}

bool CStation::SetLcdText(const std::string& text) {
    if (text.size() > kMaxLcdText) return false;
    m_strLcdText = text;
    return true;
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
