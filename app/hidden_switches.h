#pragma once
// The four hidden switch commands, reached only through the main frame's accelerators. A switch
// changes with two keystrokes: Alt+4 or Alt+J arms "48ButtonOK" or "TestEnabled" (a second arming
// replaces the first), then Alt+K or Alt+Q sets the armed switch on or off, stores it at once and
// disarms. Nothing is ever shown. The armed switch is never stored: it starts disarmed every run.
// Refers to the application's settings, which must outlive it.

// own
#include "framework/command_target.h"
#include "platform/program_settings.h"

// std
#include <string>

class CHiddenSwitches : public CCmdTarget {
public:
    explicit CHiddenSwitches(CProgramSettings& settings) : m_settings(settings) {}

    CommandHandlers FindCommand(CommandId id) override;

    void OnSwitch48Button();
    void OnSwitchTest();
    void OnSwitchTrue();
    void OnSwitchFalse();

    // Value name of the armed switch; empty before the first arming.
    std::string m_szPendingSwitch;
    // The armed field of the settings, or null when none is armed.
    bool* m_pPendingSwitch = nullptr;

private:
    void Arm(const char* valueName, bool& field);
    // Sets the armed switch, if any, stores it and disarms.
    void Set(bool value);

    CProgramSettings& m_settings;
    static const CommandEntry<CHiddenSwitches> kCommands[];
};
