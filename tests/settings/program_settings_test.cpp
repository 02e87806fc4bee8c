// own
#include "platform/program_settings.h"
#include "platform/settings_key.h"
#include "tests/settings/settings_fixture.h"

using ProgramSettings = SettingsTest;

TEST_F(ProgramSettings, NoStoredSettingsGiveOfflineAnd3000And19200AndSwitchesOff) {
    CProgramSettings settings;
    settings.m_szPort = "COM1";
    settings.m_bTestEnabled = true;
    settings.LoadSettings();
    EXPECT_EQ(settings.m_szPort, "OFFLINE");
    EXPECT_EQ(settings.m_nTimeoutMs, 3000);
    EXPECT_EQ(settings.m_nBaud, 19200);
    EXPECT_FALSE(settings.m_bTestEnabled);
    EXPECT_FALSE(settings.m_b48ButtonOK);
    EXPECT_FALSE(settings.m_bShowAddresses);
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
    EXPECT_EQ(settings.m_szPort, "COM3");
    EXPECT_EQ(settings.m_nTimeoutMs, 2500);
    EXPECT_EQ(settings.m_nBaud, 123);
    EXPECT_TRUE(settings.m_bTestEnabled);
    EXPECT_TRUE(settings.m_b48ButtonOK);
    EXPECT_FALSE(settings.m_bShowAddresses);
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
