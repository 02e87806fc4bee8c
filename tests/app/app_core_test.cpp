// The application's logic below the widgets: the hidden switches, the stored window placement and
// the recent-file list, each against a settings folder of its own.

#include "app/hidden_switches.h"
#include "app/recent_file_list.h"
#include "app/window_placement.h"
#include "platform/settings_key.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class AppCoreTest : public ::testing::Test {
protected:
    fs::path SettingsFile() const { return CSettingsKey::FilePath(); }
    fs::path ProfileFile() const { return CRecentFileList::ProfilePath(); }
    void WriteProfile(const std::string& text) const {
        fs::create_directories(ProfileFile().parent_path());
        std::ofstream(ProfileFile()) << text;
    }

    CXdgScope xdg;
    CSettingsKey key;
};

// --- Hidden switches --------------------------------------------------------------------------

class HiddenSwitchesTest : public AppCoreTest {
protected:
    CProgramSettings settings;
    CHiddenSwitches switches{settings};
};

TEST_F(HiddenSwitchesTest, SetWithNothingArmedChangesAndStoresNothing) {
    switches.OnSwitchTrue();
    switches.OnSwitchFalse();
    EXPECT_FALSE(settings.m_bTestEnabled);
    EXPECT_FALSE(settings.m_b48ButtonOK);
    EXPECT_FALSE(fs::exists(SettingsFile()));
}

TEST_F(HiddenSwitchesTest, SecondArmingReplacesTheFirstAndSetDisarms) {
    switches.OnSwitch48Button();
    switches.OnSwitchTest();
    EXPECT_EQ(switches.m_szPendingSwitch, "TestEnabled");
    switches.OnSwitchTrue();
    EXPECT_TRUE(settings.m_bTestEnabled);
    EXPECT_FALSE(settings.m_b48ButtonOK);
    EXPECT_EQ(key.ReadString("TestEnabled", "absent"), "TRUE");
    EXPECT_EQ(key.ReadString("48ButtonOK", "absent"), "absent");
    EXPECT_EQ(switches.m_pPendingSwitch, nullptr);

    // A second set finds nothing armed: the switch stays on.
    switches.OnSwitchFalse();
    EXPECT_TRUE(settings.m_bTestEnabled);
    EXPECT_EQ(key.ReadString("TestEnabled", "absent"), "TRUE");
}

TEST_F(HiddenSwitchesTest, SetOffStoresFalseEvenWhenAlreadyOffCreatingTheFile) {
    switches.OnSwitchTest();
    switches.OnSwitchFalse();
    EXPECT_TRUE(fs::exists(SettingsFile()));
    EXPECT_EQ(key.ReadString("TestEnabled", "absent"), "FALSE");
}

TEST_F(HiddenSwitchesTest, FortyEightButtonSwitchTurnsOnOnlyItself) {
    switches.OnSwitch48Button();
    switches.OnSwitchTrue();
    EXPECT_TRUE(settings.m_b48ButtonOK);
    EXPECT_FALSE(settings.m_bTestEnabled);
    EXPECT_EQ(key.ReadString("48ButtonOK", "absent"), "TRUE");
}

TEST_F(HiddenSwitchesTest, RoutesTheFourCommandsAndNoOther) {
    for (CommandId id : {ID_SWITCH_48BUTTON, ID_SWITCH_TEST, ID_SWITCH_TRUE, ID_SWITCH_FALSE})
        EXPECT_TRUE(switches.FindCommand(id).run) << id;
    EXPECT_FALSE(switches.FindCommand(ID_FILE_NEW));
}

// --- Stored placement -------------------------------------------------------------------------

using PlacementTest = AppCoreTest;

TEST_F(PlacementTest, StoresSixValuesInTheirForms) {
    StorePlacement({0, kShowNormal, {10, 20, 810, 620}});
    EXPECT_EQ(key.ReadString("Pos_Left", ""), "10");
    EXPECT_EQ(key.ReadString("Pos_Top", ""), "20");
    EXPECT_EQ(key.ReadString("Pos_Right", ""), "810");
    EXPECT_EQ(key.ReadString("Pos_Bottom", ""), "620");
    EXPECT_EQ(key.ReadString("Iconic", ""), "FALSE");
    EXPECT_EQ(key.ReadString("Maximized", ""), "FALSE");
}

TEST_F(PlacementTest, MinimizedStoresMaximizedOnlyWithTheRestoreFlag) {
    StorePlacement({kRestoreToMaximized, kShowMinimized, {0, 0, 100, 100}});
    EXPECT_EQ(key.ReadString("Iconic", ""), "TRUE");
    EXPECT_EQ(key.ReadString("Maximized", ""), "TRUE");
    StorePlacement({0, kShowMinimized, {0, 0, 100, 100}});
    EXPECT_EQ(key.ReadString("Maximized", ""), "FALSE");
    StorePlacement({0, kShowMaximized, {0, 0, 100, 100}});
    EXPECT_EQ(key.ReadString("Iconic", ""), "FALSE");
    EXPECT_EQ(key.ReadString("Maximized", ""), "TRUE");
}

TEST_F(PlacementTest, ReadsBackTheShowStateOfEachCase) {
    const CPlacementRect rect{5, 6, 705, 506};
    StorePlacement({0, kShowNormal, rect});
    EXPECT_EQ(ReadStoredPlacement(), (CWindowPlacement{0, kShowNormal, rect}));
    StorePlacement({0, kShowMaximized, rect});
    EXPECT_EQ(ReadStoredPlacement(), (CWindowPlacement{kRestoreToMaximized, kShowMaximized, rect}));
    StorePlacement({kRestoreToMaximized, kShowMinimized, rect});
    EXPECT_EQ(ReadStoredPlacement(),
              (CWindowPlacement{kRestoreToMaximized, kShowMinNoActive, rect}));
    StorePlacement({0, kShowMinimized, rect});
    EXPECT_EQ(ReadStoredPlacement(), (CWindowPlacement{0, kShowMinNoActive, rect}));
}

TEST_F(PlacementTest, NoneStoredWhenAnyPositionIsMissingOrMinusOne) {
    EXPECT_FALSE(ReadStoredPlacement());
    StorePlacement({0, kShowNormal, {-1, 0, 100, 100}});
    EXPECT_FALSE(ReadStoredPlacement());
    StorePlacement({0, kShowNormal, {0, 0, 100, 100}});
    key.WriteString("Pos_Bottom", "-1");
    EXPECT_FALSE(ReadStoredPlacement());
    // -2 is a real position (two pixels left of the screen).
    StorePlacement({0, kShowNormal, {-2, 0, 100, 100}});
    EXPECT_TRUE(ReadStoredPlacement());
}

TEST_F(PlacementTest, RefusesARectangleOnNoScreen) {
    const CPlacementRect screens[] = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    // On a monitor that is gone, or touching a screen only along its edge.
    EXPECT_FALSE(RestorableRect({4000, 100, 4800, 700}, screens));
    EXPECT_FALSE(RestorableRect({-900, 0, 0, 600}, screens));
    // Inverted or empty rectangles cover nothing.
    EXPECT_FALSE(RestorableRect({500, 500, 100, 100}, screens));
    EXPECT_FALSE(RestorableRect({10, 10, 10, 500}, screens));
    // One pixel on the second screen is enough.
    EXPECT_EQ(RestorableRect({3199, 1023, 3999, 1623}, screens),
              (CPlacementRect{3199, 1023, 3999, 1623}));
}

TEST_F(PlacementTest, CutsAnAbsurdSizeToAllScreensTogether) {
    const CPlacementRect screens[] = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    EXPECT_EQ(RestorableRect({0, 0, 2147483647, 2147483647}, screens),
              (CPlacementRect{0, 0, 3200, 1080}));
    EXPECT_EQ(RestorableRect({-2147483647, -2147483647, 100, 100}, screens),
              (CPlacementRect{-2147483647, -2147483647, -2147480447, -2147482567}));
}

// --- Recent-file list -------------------------------------------------------------------------

using RecentFileListTest = AppCoreTest;

TEST_F(RecentFileListTest, KeepsFourNewestFirstWithoutRepeats) {
    CRecentFileList list;
    for (const char* path : {"/a.kvx", "/b.kvx", "/c.kvx", "/d.kvx", "/e.kvx"})
        list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e.kvx", "/d.kvx", "/c.kvx", "/b.kvx"}));
    list.Add("/c.kvx");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c.kvx", "/e.kvx", "/d.kvx", "/b.kvx"}));
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c.kvx", "/d.kvx", "/b.kvx"}));
}

TEST_F(RecentFileListTest, ProfileRoundTripsApartFromTheSettingsKey) {
    CRecentFileList list;
    list.Add("/plans/one.kvx");
    list.Add("/plans/t\xC3\xA9st & two.kvx");
    list.WriteList();
    EXPECT_FALSE(fs::exists(SettingsFile()));
    CRecentFileList read;
    read.ReadList();
    EXPECT_EQ(read.Entries(), list.Entries());

    // Fewer entries later leave no stale ones behind.
    list.Remove(0);
    list.WriteList();
    read.ReadList();
    EXPECT_EQ(read.Entries(), (std::vector<std::string>{"/plans/one.kvx"}));
}

TEST_F(RecentFileListTest, IgnoresEntriesThatAreNoStoredPath) {
    WriteProfile("[Recent%20File%20List]\nFile1=relative.kvx\nFile2=/ok.kvx\nFile3=/ok.kvx\n"
                 "File4=a, b\nFile9=/beyond.kvx\n");
    CRecentFileList list;
    list.ReadList();
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/ok.kvx"}));
}

TEST_F(RecentFileListTest, NeverOpensAPipeOrAHugeFileInPlaceOfTheProfile) {
    fs::create_directories(ProfileFile().parent_path());
    ASSERT_EQ(mkfifo(ProfileFile().c_str(), 0600), 0);
    CRecentFileList list;
    list.ReadList(); // would block forever on the pipe
    list.Add("/x.kvx");
    list.WriteList();
    EXPECT_TRUE(list.Entries().size() == 1);
    fs::remove(ProfileFile());

    WriteProfile("[Recent%20File%20List]\nFile1=/big.kvx\n" + std::string(2 << 20, '#'));
    list.ReadList();
    EXPECT_TRUE(list.Entries().empty());
}

TEST_F(RecentFileListTest, MenuTextNumbersShortensAndEscapes) {
    CRecentFileList list;
    list.Add("/home/installer/sites/north/very/deep/folder/site.kvx");
    list.Add("/plans/R&D.kvx");
    EXPECT_EQ(list.MenuText(0), "&1 /plans/R&&D.kvx");
    EXPECT_EQ(list.MenuText(1), "&2 /home/.../deep/folder/site.kvx");
    // A file name longer than the limit is kept whole.
    list.Add("/x/" + std::string(40, 'n') + ".kvx");
    EXPECT_EQ(list.MenuText(0), "&1 /x/" + std::string(40, 'n') + ".kvx");
}

} // namespace
