// own
#include "app/hidden_switches.h"
#include "platform/settings_key.h"

const CommandEntry<CHiddenSwitches> CHiddenSwitches::kCommands[] = {
    {ID_SWITCH_48BUTTON, &CHiddenSwitches::OnSwitch48Button},
    {ID_SWITCH_TEST, &CHiddenSwitches::OnSwitchTest},
    {ID_SWITCH_TRUE, &CHiddenSwitches::OnSwitchTrue},
    {ID_SWITCH_FALSE, &CHiddenSwitches::OnSwitchFalse},
};

CommandHandlers CHiddenSwitches::FindCommand(CommandId id) {
    return FindInTable(*this, kCommands, id);
}

void CHiddenSwitches::OnSwitch48Button() {
    Arm(kValue48ButtonOK, m_settings.m_b48ButtonOK);
}

void CHiddenSwitches::OnSwitchTest() {
    Arm(kValueTestEnabled, m_settings.m_bTestEnabled);
}

void CHiddenSwitches::OnSwitchTrue() {
    Set(true);
}

void CHiddenSwitches::OnSwitchFalse() {
    Set(false);
}

void CHiddenSwitches::Arm(const char* valueName, bool& field) {
    m_szPendingSwitch = valueName;
    m_pPendingSwitch = &field;
}

void CHiddenSwitches::Set(bool value) {
    if (m_pPendingSwitch) {
        *m_pPendingSwitch = value;
        CSettingsKey().WriteBool(m_szPendingSwitch, value);
    }
    m_pPendingSwitch = nullptr;
}
