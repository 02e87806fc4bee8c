// The recovery copies below the widgets: the note beside each copy, the question that offers it,
// and which copies an editor may take.

#include "files/recovery_store.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kBytes = {'K', 'V', 'X', 0, 1};

CRecoveryNote Note(const std::string& path, std::int64_t time) {
    return {path, "site.kvx", time, 4242};
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RecoveryNoteTest, RoundTripsAnyPathAndRefusesWhatItDidNotWrite) {
    const CRecoveryNote note{"/srv/a\\b\nc.kvx", "a\\b\nc.kvx", 1796640120, 31337};
    const auto read = ParseRecoveryNote(FormatRecoveryNote(note));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path, note.path);
    EXPECT_EQ(read->title, note.title);
    EXPECT_EQ(read->time, note.time);
    EXPECT_EQ(read->pid, note.pid);
    EXPECT_TRUE(ParseRecoveryNote(FormatRecoveryNote({"", "Config1", 0, 1})));

    const std::string good = FormatRecoveryNote(note);
    for (const std::string& bad : std::vector<std::string>{
             std::string(),
             good.substr(0, good.size() - 1),                                // cut short
             good + "more=1\n",                                              // a field too many
             "Corvantine recovery copy\npath=\ntime=1\ntitle=t\npid=2\n",    // out of order
             "Corvantine recovery copy\npath=\\x\ntitle=t\ntime=1\npid=2\n", // unknown escape
             "Corvantine recovery copy\npath=\\\ntitle=t\ntime=1\npid=2\n",  // escape at the end
             "Corvantine recovery copy\npath=\ntitle=t\ntime=1x\npid=2\n",
             "Corvantine recovery copy\npath=\ntitle=t\ntime=1\npid=0\n",
             "Corvantine recovery copy\npath=a.kvx\ntitle=t\ntime=1\npid=2\n", // relative
             "Corvantine recovery copy\npath=\ntitle=t\ntime=-1\npid=2\n",
             "Corvantine recovery copy\npath=\ntitle=t\ntime=1\npid=99999999999999999999\n",
             "Something else\npath=\ntitle=t\ntime=1\npid=2\n",
             std::string("Corvantine recovery copy\0", 25),
         })
        EXPECT_FALSE(ParseRecoveryNote(bad)) << bad;
}

TEST(RecoveryNoteTest, QuestionNamesTheFileOrTheUntitledTitleAndTheTimeOfDay) {
    std::tm local{};
    local.tm_hour = 10;
    local.tm_min = 42;
    EXPECT_EQ(RecoveryQuestion(Note("/home/ann/site.kvx", 0), local),
              "Recover unsaved changes to site.kvx from 10:42?");
    local.tm_hour = 7;
    local.tm_min = 5;
    EXPECT_EQ(RecoveryQuestion({"", "Config3", 0, 1}, local),
              "Recover unsaved changes to Config3 from 07:05?");
    EXPECT_EQ(RecoveryQuestion({}, local), "Recover an unsaved configuration from 07:05?");
    EXPECT_EQ(RecoveryUnreadable(Note("/home/ann/site.kvx", 0), local),
              "The copy of unsaved changes to site.kvx from 07:05 cannot be read.");
}

class RecoveryStoreTest : public ::testing::Test {
protected:
    fs::path Folder() const { return dir / "state/Quellton Electronics/recovery"; }
    CTempDir dir;
};

TEST_F(RecoveryStoreTest, MakesAPrivateFolderAndWritesAndRemovesACopyWithItsNote) {
    CRecoveryStore store(Folder().string());
    ASSERT_TRUE(store.Usable());
    EXPECT_EQ(fs::status(Folder()).permissions() & fs::perms::all, fs::perms::owner_all);
    const std::string slot = store.NewSlot();
    EXPECT_NE(store.NewSlot(), slot);
    ASSERT_TRUE(store.Write(slot, kBytes, Note("/x/site.kvx", 5)));
    const std::string copy = ReadWholeFile(store.CopyPath(slot));
    EXPECT_EQ(std::vector<uint8_t>(copy.begin(), copy.end()), kBytes);
    const auto note = ParseRecoveryNote(ReadWholeFile(Folder() / (slot + ".note")));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->path, "/x/site.kvx");
    store.Remove(slot);
    store.Remove(slot);
    EXPECT_EQ(Names(Folder()).size(), 1u) << "only the editor's lock is left";
}

TEST_F(RecoveryStoreTest, TwoRunningEditorsNeverTakeEachOthersCopies) {
    CRecoveryStore first(Folder().string());
    CRecoveryStore second(Folder().string());
    ASSERT_TRUE(first.Write(first.NewSlot(), kBytes, Note("/a.kvx", 1)));
    ASSERT_TRUE(second.Write(second.NewSlot(), kBytes, Note("/b.kvx", 2)));
    EXPECT_TRUE(first.ClaimOrphans().empty());
    EXPECT_TRUE(second.ClaimOrphans().empty());
}

TEST_F(RecoveryStoreTest, CopiesOfAnEditorThatIsGoneGoToOneEditorOldestFirst) {
    {
        // An editor ends (or is killed) with copies kept: its lock goes, its lock file stays.
        CRecoveryStore gone(Folder().string());
        ASSERT_TRUE(gone.Write(gone.NewSlot(), kBytes, Note("/newer.kvx", 20)));
        ASSERT_TRUE(gone.Write(gone.NewSlot(), kBytes, Note("/older.kvx", 10)));
    }
    CRecoveryStore first(Folder().string());
    CRecoveryStore second(Folder().string());
    const auto orphans = first.ClaimOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].note.path, "/older.kvx");
    EXPECT_EQ(orphans[1].note.path, "/newer.kvx");
    EXPECT_TRUE(fs::exists(first.CopyPath(orphans[0].slot)));
    EXPECT_TRUE(second.ClaimOrphans().empty()) << "claimed by the first editor";
    EXPECT_EQ(first.ClaimOrphans().size(), 2u) << "a second look keeps the claim";

    // Later for one, Discard for the other: the one left is offered again afterwards.
    first.Remove(orphans[0].slot);
    first.ReleaseClaims();
    const auto again = second.ClaimOrphans();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].note.path, "/newer.kvx");
    second.Remove(again[0].slot);
    second.ReleaseClaims();
    // Nothing of the editor that is gone is left: two locks of the running ones.
    EXPECT_EQ(Names(Folder()).size(), 2u);
}

TEST_F(RecoveryStoreTest, AnEditorEndingWithoutCopiesLeavesNothing) {
    {
        CRecoveryStore store(Folder().string());
        const std::string slot = store.NewSlot();
        ASSERT_TRUE(store.Write(slot, kBytes, Note("/a.kvx", 1)));
        store.Remove(slot);
    }
    EXPECT_TRUE(Names(Folder()).empty());
}

TEST_F(RecoveryStoreTest, CopiesWithoutAReadableNoteAreOfferedUntitledNotesWithoutARealCopyGo) {
    fs::create_directories(Folder());
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(Folder() / name, std::ios::binary) << text;
    };
    // An editor that is gone and had no lock file at all, so nothing but its files tell of it.
    write("7-1-1.note", FormatRecoveryNote(Note("/kept.kvx", 3)));
    write("7-1-1.kvx", "copy");
    write("7-1-2.note", FormatRecoveryNote(Note("/no-copy.kvx", 3)));
    write("7-1-3.kvx", "no note");
    write("7-1-4.note", "garbage");
    write("7-1-4.kvx", "copy");
    write("7-1-5.note", std::string(70000, 'x'));
    write("7-1-5.kvx", "copy");
    write("7-1-6.note", FormatRecoveryNote(Note("relative.kvx", 3)));
    write("7-1-6.kvx", "copy");
    // A link or a folder where a copy belongs is no copy: the link goes, what it points at stays.
    write("7-1-7.note", FormatRecoveryNote(Note("/linked.kvx", 3)));
    fs::create_symlink(Folder() / "readme.txt", Folder() / "7-1-7.kvx");
    write("7-1-8.note", FormatRecoveryNote(Note("/folder.kvx", 3)));
    fs::create_directory(Folder() / "7-1-8.kvx");
    write(".7-1-1.kvx.123.tmp", "a save cut short");
    write("readme.txt", "not ours");
    const std::time_t copied = std::time(nullptr);
    CRecoveryStore store(Folder().string());
    const auto orphans = store.ClaimOrphans();
    ASSERT_EQ(orphans.size(), 5u);
    EXPECT_EQ(orphans[0].note.path, "/kept.kvx");
    for (std::size_t i = 1; i < orphans.size(); ++i) {
        EXPECT_EQ(orphans[i].note.path, "") << orphans[i].slot;
        EXPECT_EQ(orphans[i].note.title, "") << orphans[i].slot;
        EXPECT_NEAR(static_cast<double>(orphans[i].note.time), static_cast<double>(copied), 60.0)
            << "the copy's own time";
    }
    EXPECT_FALSE(fs::exists(Folder() / "7-1-2.note"));
    EXPECT_FALSE(fs::is_symlink(Folder() / "7-1-7.kvx"));
    EXPECT_TRUE(fs::exists(Folder() / "readme.txt"));
    EXPECT_TRUE(fs::exists(Folder() / ".7-1-1.kvx.123.tmp"));
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeLeavesTheStoreUnusableAndQuiet) {
    std::ofstream(dir / "file") << "x";
    CRecoveryStore store((dir / "file/recovery").string());
    EXPECT_FALSE(store.Usable());
    EXPECT_FALSE(store.Write(store.NewSlot(), kBytes, Note("/a.kvx", 1)));
    EXPECT_NE(store.LastError(), 0);
    EXPECT_TRUE(store.ClaimOrphans().empty());
    CRecoveryStore none("");
    EXPECT_FALSE(none.Usable());
}

TEST_F(RecoveryStoreTest, DefaultFolderFollowsAnAbsoluteXdgStateHomeElseHome) {
    const auto restore = [](const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    };
    const std::optional<std::string> xdg =
        std::getenv("XDG_STATE_HOME") ? std::optional(std::string(getenv("XDG_STATE_HOME")))
                                      : std::nullopt;
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/ann", 1);
    setenv("XDG_STATE_HOME", "/var/state", 1);
    EXPECT_EQ(CRecoveryStore::DefaultFolder(), "/var/state/Quellton Electronics/recovery");
    setenv("XDG_STATE_HOME", "relative", 1);
    EXPECT_EQ(CRecoveryStore::DefaultFolder(),
              "/home/ann/.local/state/Quellton Electronics/recovery");
    unsetenv("XDG_STATE_HOME");
    unsetenv("HOME");
    EXPECT_EQ(CRecoveryStore::DefaultFolder(), "");
    restore("HOME", home.empty() ? nullptr : home.c_str());
    restore("XDG_STATE_HOME", xdg ? xdg->c_str() : nullptr);
}

} // namespace
