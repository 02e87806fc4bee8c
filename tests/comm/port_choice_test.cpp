// CPortChoice: which entry opens selected, how the selection follows the list, and when OK stores.

// own
#include "app/port_choice.h"
#include "platform/settings_key.h"
#include "serial/serial_port.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

class PortChoiceTest : public ::testing::Test {
protected:
    static std::string StoredPort() { return CSettingsKey().ReadString(kValuePort, "<none>"); }

    CXdgScope xdg;
    CProgramSettings settings;
};

TEST_F(PortChoiceTest, StoredPortMatchesOnlyWithTheSameCase) {
    settings.m_szPort = "COM3";
    EXPECT_EQ(CPortChoice(Entries{"OFFLINE", "COM1", "COM3"}, settings).InitialSel(), 2);
    settings.m_szPort = "com3";
    const CPortChoice choice(Entries{"OFFLINE", "COM1", "COM3"}, settings);
    EXPECT_EQ(choice.InitialSel(), 0);
    EXPECT_EQ(choice.SelectedPort(), "OFFLINE");
    EXPECT_FALSE(choice.ShowsTimeout());
}

TEST_F(PortChoiceTest, IndexOutsideTheListKeepsTheSelection) {
    settings.m_szPort = "COM1";
    CPortChoice choice(Entries{"OFFLINE", "COM1"}, settings);
    choice.Select(-1);
    choice.Select(2);
    EXPECT_EQ(choice.Selected(), 1);
    EXPECT_EQ(choice.SelectedPort(), "COM1");
}

TEST_F(PortChoiceTest, EmptyListStillOffersOffline) {
    settings.m_szPort = "COM1";
    CPortChoice choice(Entries{}, settings);
    EXPECT_EQ(choice.Entries(), Entries{"OFFLINE"});
    choice.OnOK();
    EXPECT_EQ(settings.m_szPort, "COM1");
    EXPECT_EQ(StoredPort(), "<none>");
}

TEST_F(PortChoiceTest, TestIsOfferedForEveryPortButOffline) {
    CPortChoice choice(Entries{"OFFLINE", "COM2"}, settings);
    EXPECT_EQ(choice.PortToTest(), std::nullopt);
    choice.Select(1);
    EXPECT_EQ(choice.PortToTest(), "COM2");
}

TEST_F(PortChoiceTest, ListsOfflineThenThePortsPresentInAscendingOrder) {
    CManualClock clock;
    CFakeSerialLine line1{clock};
    CFakeSerialLine line3{clock};
    CFakeSerialDeviceHost host;
    host.Attach(3, line3);
    host.Attach(1, line1);
    CSerialPort port({&host, &clock});
    EXPECT_EQ(ListPortEntries(port), (Entries{"OFFLINE", "COM1", "COM3"}));
}

} // namespace
