#include "app/timeout_choice.h"

// own
#include "platform/settings_key.h"

// std
#include <algorithm>

int32_t TimeoutOfIndex(int index) {
    if (index < 0 || static_cast<size_t>(index) >= kTimeoutChoicesMs.size())
        return kTimeoutChoicesMs[kDefaultTimeoutIndex];
    return kTimeoutChoicesMs[static_cast<size_t>(index)];
}

CTimeoutChoice::CTimeoutChoice(CProgramSettings& settings) : m_settings(settings) {
    const auto found =
        std::find(kTimeoutChoicesMs.begin(), kTimeoutChoicesMs.end(), m_settings.m_nTimeoutMs);
    if (found == kTimeoutChoicesMs.end()) {
        m_settings.m_nTimeoutMs = kTimeoutChoicesMs[kDefaultTimeoutIndex];
        m_nInitialSel = kDefaultTimeoutIndex;
    } else {
        m_nInitialSel = static_cast<int>(found - kTimeoutChoicesMs.begin());
    }
}

void CTimeoutChoice::OnOK(int selected) {
    if (selected == m_nInitialSel) return;
    m_settings.m_nTimeoutMs = TimeoutOfIndex(selected);
    CSettingsKey().WriteInt(kValueTimeout, m_settings.m_nTimeoutMs);
}
