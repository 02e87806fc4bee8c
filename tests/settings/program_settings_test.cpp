// own
#include "platform/program_settings.h"
#include "platform/settings_key.h"
#include "tests/settings/settings_fixture.h"

// std
#include <tuple>

using ProgramSettings = SettingsTest;

namespace {

// Port, time-out, line speed, test switch, 48-button switch, station addresses.
using Fields = std::tuple<std::string, int32_t, int32_t, bool, bool, bool>;

Fields FieldsOf(const CProgramSettings& s) {
    return {s.m_szPort,       s.m_nTimeoutMs,  s.m_nBaud,
            s.m_bTestEnabled, s.m_b48ButtonOK, s.m_bShowAddresses};
}

} // namespace

TEST_F(ProgramSettings, NoStoredSettingsGiveOfflineAnd3000And19200AndSwitchesOff) {
    CProgramSettings settings;
    settings.m_szPort = "COM1";
    settings.m_bTestEnabled = true;
    settings.LoadSettings();
    EXPECT_EQ(FieldsOf(settings), Fields("OFFLINE", 3000, 19200, false, false, false));
}

TEST_F(ProgramSettings, StoredValuesLoadUnchangedAndAddressesStartHidden) {
    const CSettingsKey key;
    key.WriteString("Port", "COM3");
    key.WriteInt("Timeout mS", 2500); // not one of the five: normalised only by its dialog
    key.WriteInt("Baud", 123);        // not a line speed: refused only when the port opens
    key.WriteBool("TestEnabled", true);
    key.WriteBool("48ButtonOK", true);
    CProgramSettings settings;
    settings.m_bShowAddresses = true;
    settings.LoadSettings();
    EXPECT_EQ(FieldsOf(settings), Fields("COM3", 2500, 123, true, true, false));
}

TEST_F(ProgramSettings, PortNameLongerThan15IsNeverCutIntoAnotherPort) {
    const CSettingsKey key;
    CProgramSettings settings;
    key.WriteString("Port", "COM123456789012"); // 15 characters fit
    settings.LoadSettings();
    EXPECT_EQ(settings.m_szPort, "COM123456789012");
    key.WriteString("Port", "COM1234567890123"); // 16 would have been cut to another name
    settings.LoadSettings();
    EXPECT_EQ(settings.m_szPort, "OFFLINE");
}
