#include "platform/program_settings.h"

// own
#include "platform/settings_key.h"

void CProgramSettings::LoadSettings() {
    const CSettingsKey key;
    m_szPort = key.ReadString(kValuePort, kPortOffline);
    if (m_szPort.size() > kMaxPortLength) m_szPort = kPortOffline;
    m_nTimeoutMs = key.ReadInt(kValueTimeout, kDefaultTimeoutMs);
    m_nBaud = key.ReadInt(kValueBaud, kDefaultBaud);
    m_bTestEnabled = key.ReadBool(kValueTestEnabled, false);
    m_b48ButtonOK = key.ReadBool(kValue48ButtonOK, false);
    m_bShowAddresses = false;
}
