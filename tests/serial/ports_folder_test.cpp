// The per-user ports folder and the discovery of the machine's serial devices.

#include "platform/file_lock.h"
#include "platform/serial_device_discovery.h"
#include "platform/serial_device_posix.h"
#include "platform/serial_ports_folder.h"
#include "tests/serial/manual_clock.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PortsFolderTest : public ::testing::Test {
protected:
    // A sources tree of its own: ttyS entries in sys, their devices in dev, adapters in by-id.
    PortsFolderTest() {
        for (const fs::path& dir : {sources.sysClassTty, sources.devFolder, sources.byIdFolder})
            fs::create_directories(dir);
    }

    CXdgScope xdg;
    SerialDeviceSources sources{xdg.Path() / "sys", xdg.Path() / "dev", xdg.Path() / "by-id"};
};

TEST_F(PortsFolderTest, FolderFollowsXdgConfigHome) {
    EXPECT_EQ(CPortsFolder::ForUser().Path(), xdg.Path() / "Quellton Electronics" / "ports");
    EXPECT_EQ(CPortsFolder::ForUser().LinkPath(3).filename(), "com3");
}

TEST_F(PortsFolderTest, RelativeXdgConfigHomeIsIgnoredForHome) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    setenv("HOME", xdg.Path().c_str(), 1);
    const fs::path folder = CPortsFolder::ForUser().Path();
    setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(folder, xdg.Path() / ".config" / "Quellton Electronics" / "ports");
}

TEST_F(PortsFolderTest, RelinkReplacesAnExistingLink) {
    const CPortsFolder folder = CPortsFolder::ForUser();
    ASSERT_TRUE(folder.Relink(2, "/dev/a"));
    ASSERT_TRUE(folder.Relink(2, "/dev/b"));
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(2)), "/dev/b");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST_F(PortsFolderTest, NewDevicesTakeTheLowestFreeNumbersInOrder) {
    const CPortsFolder folder = CPortsFolder::ForUser();
    CPtyPair taken;
    folder.Relink(1, taken.SlavePath());
    folder.Relink(3, xdg.Path() / "unplugged-adapter");
    folder.LinkNewDevices({"/dev/x", taken.SlavePath(), "/dev/y", "/dev/z"});
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(1)), taken.SlavePath());
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(2)), "/dev/x");
    // An unplugged adapter keeps its number.
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(3)), xdg.Path() / "unplugged-adapter");
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(4)), "/dev/y");
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(5)), "/dev/z");
}

TEST_F(PortsFolderTest, DeviceAlreadyLinkedUnderAnotherNameIsNotLinkedTwice) {
    const CPortsFolder folder = CPortsFolder::ForUser();
    CPtyPair pty;
    fs::create_symlink(pty.SlavePath(), sources.byIdFolder / "usb-Acme_1");
    folder.Relink(4, pty.SlavePath());
    folder.LinkNewDevices({sources.byIdFolder / "usb-Acme_1"});
    folder.LinkNewDevices({sources.byIdFolder / "usb-Acme_1"});
    for (unsigned n : {1u, 2u, 3u, 5u})
        EXPECT_FALSE(folder.HasLink(n)) << n;
}

TEST_F(PortsFolderTest, NumbersStopAtCom9) {
    const CPortsFolder folder = CPortsFolder::ForUser();
    std::vector<fs::path> devices;
    for (int i = 0; i < 12; ++i)
        devices.push_back("/dev/d" + std::to_string(i));
    folder.LinkNewDevices(devices);
    EXPECT_TRUE(folder.HasLink(9));
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(9)), "/dev/d8");
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.LinkPath(10))));
}

TEST_F(PortsFolderTest, LinkingWaitsForAnotherProgramsLockAndLinksNothingUnderIt) {
    CManualClock clock;
    const CPortsFolder folder(CPortsFolder::ForUser().Path(), clock);
    fs::create_directories(folder.Path());
    const int holder = open((folder.Path() / ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(TryLockOpenFile(holder, LockKind::Exclusive), 0);
    folder.LinkNewDevices({"/dev/x"});
    EXPECT_FALSE(folder.HasLink(1));
    EXPECT_GE(clock.GetTickCount(), 2000u) << "waited for the holder before giving up";
    close(holder);
    folder.LinkNewDevices({"/dev/x"});
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(1)), "/dev/x");
}

TEST_F(PortsFolderTest, DiscoveryKeepsOnlyUartsThenAdaptersByStableName) {
    CPtyPair first;
    CPtyPair second;
    // ttyS10 has a UART (type 4, a 16550A); ttyS2 reports type 0 and ttyS3 no type: no ports.
    // On-board ports come first, in number order.
    auto onBoard = [&](const std::string& name, const char* type, const fs::path& device) {
        fs::create_directories(sources.sysClassTty / name);
        if (type) std::ofstream(sources.sysClassTty / name / "type") << type << "\n";
        fs::create_symlink(device, sources.devFolder / name);
    };
    onBoard("ttyS10", "4", second.SlavePath());
    onBoard("ttyS2", "0", first.SlavePath());
    onBoard("ttyS3", nullptr, first.SlavePath());
    onBoard("ttyS9", "4", first.SlavePath());
    fs::create_directories(sources.sysClassTty / "ttySx");
    fs::create_symlink(second.SlavePath(), sources.byIdFolder / "usb-B_Serial");
    fs::create_symlink(first.SlavePath(), sources.byIdFolder / "usb-A_Serial");
    fs::create_symlink(xdg.Path() / "gone", sources.byIdFolder / "usb-0_Gone");
    EXPECT_EQ(FindSerialDevices(sources),
              (std::vector<fs::path>{sources.devFolder / "ttyS9", sources.devFolder / "ttyS10",
                                     sources.byIdFolder / "usb-A_Serial",
                                     sources.byIdFolder / "usb-B_Serial"}));
}

TEST_F(PortsFolderTest, DiscoveryOfMissingFoldersFindsNothing) {
    EXPECT_TRUE(
        FindSerialDevices({xdg.Path() / "no", xdg.Path() / "no", xdg.Path() / "no"}).empty());
}

TEST_F(PortsFolderTest, HostLinksAdaptersWhenListingAndWhenOpeningAnUnknownName) {
    CPtyPair adapter;
    CPtyPair mine;
    const CPortsFolder folder = CPortsFolder::ForUser();
    folder.Relink(1, mine.SlavePath());
    CPosixSerialDeviceHost host(sources);
    EXPECT_FALSE(host.Open(2));
    fs::create_symlink(adapter.SlavePath(), sources.byIdFolder / "usb-Acme");
    EXPECT_TRUE(host.Open(2));
    EXPECT_EQ(fs::read_symlink(folder.LinkPath(2)), sources.byIdFolder / "usb-Acme");
    EXPECT_EQ(host.ListPorts(), (std::vector<unsigned>{1, 2}));
}

} // namespace
