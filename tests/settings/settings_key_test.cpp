// own
#include "platform/settings_key.h"
#include "tests/settings/settings_fixture.h"

// std
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string AllHighBytes() {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

std::string RandomBytes(size_t n, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

} // namespace

using SettingsKey = SettingsTest;

TEST_F(SettingsKey, FollowsXdgConfigHomeAndFallsBackToHomeConfig) {
    EXPECT_EQ(CSettingsKey::FilePath(), File().string());
    const char* home = std::getenv("HOME");
    const std::string oldHome = home ? home : "";
    setenv("HOME", "/home/installer", 1);
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(CSettingsKey::FilePath(),
              "/home/installer/.config/Quellton Electronics/Corvantine.conf");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CSettingsKey::FilePath(),
              "/home/installer/.config/Quellton Electronics/Corvantine.conf");
    setenv("HOME", oldHome.c_str(), 1);
}

TEST_F(SettingsKey, MissingFileGivesDefaultsAndReadingCreatesNothing) {
    const CSettingsKey key;
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "OFFLINE");
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), 3000);
    EXPECT_TRUE(key.ReadBool("TestEnabled", true));
    EXPECT_FALSE(key.ReadBool("TestEnabled", false));
    EXPECT_FALSE(fs::exists(Folder()));
}

TEST_F(SettingsKey, WritesPlainTextValuesThatAHumanCanRead) {
    const CSettingsKey key;
    EXPECT_EQ(key.WriteString("Port", "COM3"), 0);
    EXPECT_EQ(key.WriteInt("Timeout mS", -500), 0);
    EXPECT_EQ(key.WriteBool("TestEnabled", true), 0);
    EXPECT_EQ(key.WriteBool("48ButtonOK", false), 0);
    // No quotes, no @Variant: the blank in the value name is the INI file's own escape.
    EXPECT_EQ(ReadFile(), "[General]\n48ButtonOK=FALSE\nPort=COM3\nTestEnabled=TRUE\n"
                          "Timeout%20mS=-500\n");
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), -500);
}

TEST_F(SettingsKey, ReadsAHandEditedValueNameWithABlank) {
    WriteFile("[General]\nTimeout mS=2500abc\n");
    EXPECT_EQ(CSettingsKey().ReadInt("Timeout mS", 3000), 2500);
}

TEST_F(SettingsKey, SwitchIsOnOnlyForExactlyTRUE) {
    const CSettingsKey key;
    for (const char* off : {"true", "1", "TRUE ", " TRUE", "TRUEx", "", "FALSE"}) {
        key.WriteString("TestEnabled", off);
        // A value that was read never falls back to the default, even when it says nothing.
        EXPECT_FALSE(key.ReadBool("TestEnabled", true)) << '"' << off << '"';
    }
    key.WriteString("TestEnabled", "TRUE");
    EXPECT_TRUE(key.ReadBool("TestEnabled", false));
}

TEST_F(SettingsKey, NumbersReadAsTheCLibraryReadsThemButSaturate) {
    const CSettingsKey key;
    const std::pair<const char*, int32_t> cases[] = {
        {"2500abc", 2500}, {"abc", 0},   {"", 0},
        {"  -12", -12},    {"+7 ms", 7}, {"99999999999", std::numeric_limits<int32_t>::max()},
    };
    for (const auto& [text, expected] : cases) {
        key.WriteString("Baud", text);
        EXPECT_EQ(key.ReadInt("Baud", 19200), expected) << '"' << text << '"';
    }
}

TEST_F(SettingsKey, ValueLongerThan512BytesReadsAsTheDefault) {
    const CSettingsKey key;
    key.WriteString("Port", std::string(512, 'A'));
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), std::string(512, 'A'));
    key.WriteString("Port", std::string(513, 'A'));
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "OFFLINE");
    key.WriteString("Baud", "9600" + std::string(600, ' '));
    EXPECT_EQ(key.ReadInt("Baud", 19200), 19200);
}

TEST_F(SettingsKey, EverySingleByteTextReadsBackAsWritten) {
    const CSettingsKey key;
    const std::string text = "Lobby \x80\xA9\xE9" + AllHighBytes() + " ,;=\"@x";
    EXPECT_EQ(key.WriteString("Port", text), 0);
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), text);
    EXPECT_EQ(key.WriteString("Port", "@@COM1"), 0);
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "@@COM1");
}

TEST_F(SettingsKey, ValuesThatAreNotPlainSingleByteTextReadAsTheDefault) {
    // A hand-edited list, serialised variants, a character beyond one byte, invalid UTF-8.
    WriteFile("[General]\nPort=COM1,COM2\nBaud=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QSize\\0)\n"
              "48ButtonOK=@ByteArray(TRUE)\nTestEnabled=\xE2\x82\xAC\n");
    const CSettingsKey key;
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "OFFLINE");
    EXPECT_EQ(key.ReadInt("Baud", 19200), 19200);
    EXPECT_TRUE(key.ReadBool("48ButtonOK", true));
    EXPECT_TRUE(key.ReadBool("TestEnabled", true));
}

TEST_F(SettingsKey, EmptyOrCorruptFileGivesDefaultsWithoutACrash) {
    const CSettingsKey key;
    WriteFile("");
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "OFFLINE");
    for (unsigned seed = 1; seed <= 20; ++seed) {
        WriteFile(RandomBytes(4000, seed));
        EXPECT_EQ(key.ReadInt("Baud", 19200), 19200) << "seed " << seed;
        EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "OFFLINE") << "seed " << seed;
    }
}

TEST_F(SettingsKey, OversizedFileIsNeitherReadNorRewritten) {
    WriteFile("[General]\nBaud=1200\n");
    fs::resize_file(File(), 64 << 20); // sparse: a huge file that costs nothing to make
    const CSettingsKey key;
    EXPECT_EQ(key.ReadInt("Baud", 19200), 19200);
    EXPECT_EQ(key.WriteInt("Baud", 9600), -1);
    EXPECT_EQ(fs::file_size(File()), 64u << 20);
}

TEST_F(SettingsKey, FolderPipeOrDeviceInPlaceOfTheFileGivesDefaultsWithoutBlocking) {
    const CSettingsKey key;
    fs::create_directories(File());
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), 3000);
    EXPECT_EQ(key.WriteInt("Timeout mS", 500), -1);
    fs::remove(File());
    ASSERT_EQ(mkfifo(File().c_str(), 0600), 0); // opening it to read would wait for a writer
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), 3000);
    EXPECT_EQ(key.WriteInt("Timeout mS", 500), -1);
    fs::remove(File());
    fs::create_symlink("/dev/zero", File()); // endless bytes
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), 3000);
    EXPECT_EQ(key.WriteInt("Timeout mS", 500), -1);
}

TEST_F(SettingsKey, WriteOverACorruptFileStoresTheValue) {
    WriteFile(RandomBytes(3000, 7));
    const CSettingsKey key;
    EXPECT_EQ(key.WriteString("Port", "COM2"), 0);
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "COM2");
}

TEST_F(SettingsKey, WriteCreatesTheFolderAndKeepsTheOtherValues) {
    const CSettingsKey key;
    EXPECT_EQ(key.WriteString("Port", "COM4"), 0);
    EXPECT_TRUE(fs::is_regular_file(File()));
    EXPECT_EQ(key.WriteInt("Timeout mS", 10000), 0);
    EXPECT_EQ(key.WriteString("Port", "COM5"), 0);
    EXPECT_EQ(key.ReadString("Port", "OFFLINE"), "COM5");
    EXPECT_EQ(key.ReadInt("Timeout mS", 3000), 10000);
}

TEST_F(SettingsKey, WriteWhereTheFolderCannotBeMadeFailsAndCreatesNothing) {
    std::ofstream(Folder()) << "a file in the way";
    const CSettingsKey key;
    EXPECT_EQ(key.WriteBool("TestEnabled", true), -1);
    EXPECT_EQ(key.WriteString("Port", "COM1"), -1);
    EXPECT_TRUE(fs::is_regular_file(Folder()));
    EXPECT_FALSE(key.ReadBool("TestEnabled", false));
}

TEST_F(SettingsKey, WriteToAReadOnlyFileFailsAndChangesNothing) {
    const std::string before = "[General]\nPort=COM1\n";
    WriteFile(before);
    fs::permissions(m_config.Path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_exec | fs::perms::others_read |
                                  fs::perms::others_exec);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::others_read);

    EXPECT_EQ(RunUnprivileged([] { return CSettingsKey().WriteString("Port", "COM9"); }), -1);
    EXPECT_EQ(RunUnprivileged([] { return CSettingsKey().WriteInt("Baud", 9600); }), -1);
    EXPECT_EQ(ReadFile(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1)
        << "no temporary or lock file left behind";

    // The same user can write once the folder and file allow it.
    fs::permissions(Folder(), fs::perms::all);
    fs::permissions(File(), fs::perms::all);
    EXPECT_EQ(RunUnprivileged([] { return CSettingsKey().WriteString("Port", "COM9"); }), 0);
    EXPECT_EQ(CSettingsKey().ReadString("Port", "OFFLINE"), "COM9");
}
