#include "app/port_choice.h"

// own
#include "platform/settings_key.h"
#include "serial/serial_port.h"

// std
#include <algorithm>

CPortChoice::CPortChoice(std::vector<std::string> entries, CProgramSettings& settings)
    : m_entries(std::move(entries)), m_settings(settings) {
    if (m_entries.empty()) m_entries.emplace_back(kPortOffline);
    const auto found = std::find(m_entries.begin(), m_entries.end(), m_settings.m_szPort);
    m_nInitialSel = found == m_entries.end() ? 0 : static_cast<int>(found - m_entries.begin());
    Select(m_nInitialSel);
}

void CPortChoice::Select(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size()) return;
    m_nSelected = index;
    m_szSelectedPort = m_entries[static_cast<size_t>(index)];
}

std::optional<std::string> CPortChoice::PortToTest() const {
    if (m_nSelected == 0) return std::nullopt;
    return m_szSelectedPort;
}

void CPortChoice::OnOK() {
    // Back on the opening entry nothing is stored, even after wandering: a stored port that has
    // gone away stays stored until the user picks another.
    if (m_nSelected == m_nInitialSel) return;
    m_settings.m_szPort = m_szSelectedPort;
    CSettingsKey().WriteString(kValuePort, m_settings.m_szPort);
}

std::vector<std::string> ListPortEntries(CSerialPort& port) {
    const int count = port.EnumeratePorts();
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(port.GetPortName(i));
    return entries;
}
