// Saving into folders that other users share: planted links and files, owners kept, the
// temporary files that killed saves leave behind.

// own
#include "files/safe_save.h"
#include "files/temp_files.h"
#include "model/kv_doc.h"
#include "tests/model/bytes.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::vector<uint8_t> kOldBytes = {'o', 'l', 'd'};
const std::vector<uint8_t> kNewBytes(100, 0x42);
constexpr uid_t kOtherUser = 12345;
constexpr gid_t kOtherGroup = 12346;

bool IsRoot() {
    return geteuid() == 0;
}

// A folder like /tmp: sticky, writable by everyone, owned by `owner`.
fs::path SharedFolder(const CTempDir& dir, uid_t owner) {
    const fs::path folder = dir / "shared";
    fs::create_directory(folder);
    EXPECT_EQ(chown(folder.c_str(), owner, owner), 0);
    EXPECT_EQ(chmod(folder.c_str(), 01777), 0);
    return folder;
}

SaveResult Save(const fs::path& path) {
    return ReplaceFileContents(PosixFileLayer(), path, kNewBytes);
}

void Age(const fs::path& path, std::chrono::minutes age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}
} // namespace

TEST(SharedFolderSave, LinkOrFilePlantedByAnotherUserIsNotWritten) {
    if (!IsRoot()) GTEST_SKIP() << "planting a link as another user needs root";
    CTempDir dir;
    const fs::path victim = dir / "own.kvx"; // a file only its owner may write
    WriteFileBytes(victim, kOldBytes);
    fs::permissions(victim, fs::perms(0600));
    const fs::path folder = SharedFolder(dir, 0);
    fs::create_symlink(victim, folder / "CORVANTN.DAT");
    ASSERT_EQ(lchown((folder / "CORVANTN.DAT").c_str(), kOtherUser, kOtherGroup), 0);

    const SaveResult result = Save(folder / "CORVANTN.DAT");
    EXPECT_EQ(result.stage, SaveResult::Create);
    EXPECT_EQ(result.error, EACCES);
    EXPECT_EQ(ReadFileBytes(victim), kOldBytes);
    EXPECT_TRUE(fs::is_symlink(folder / "CORVANTN.DAT"));
    // The folder owner's links are trusted, as the kernel trusts them.
    ASSERT_EQ(lchown((folder / "CORVANTN.DAT").c_str(), 0, 0), 0);
    EXPECT_EQ(Save(folder / "CORVANTN.DAT").stage, SaveResult::Done);
    WriteFileBytes(victim, kOldBytes);
    ASSERT_EQ(lchown((folder / "CORVANTN.DAT").c_str(), kOtherUser, kOtherGroup), 0);

    // The document reports it as any refused access.
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    const std::string path = folder / "CORVANTN.DAT";
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Access to " + path + " was denied."});
    EXPECT_EQ(ReadFileBytes(victim), kOldBytes);

    // Nor is a planted file replaced: its owner would read the saved data.
    WriteFileBytes(folder / "site.kvx", kOldBytes);
    ASSERT_EQ(chown((folder / "site.kvx").c_str(), kOtherUser, kOtherGroup), 0);
    EXPECT_EQ(Save(folder / "site.kvx").error, EACCES);
    EXPECT_EQ(ReadFileBytes(folder / "site.kvx"), kOldBytes);
}

TEST(SharedFolderSave, ReplacementKeepsOwnerGroupAndModeWhenRunAsRoot) {
    if (!IsRoot()) GTEST_SKIP() << "giving a file away needs root";
    CTempDir dir;
    const fs::path target = dir / "users.kvx";
    WriteFileBytes(target, kOldBytes);
    ASSERT_EQ(chown(target.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(chmod(target.c_str(), 02640), 0); // a change of owner would clear the set-id bit
    ASSERT_EQ(Save(target).stage, SaveResult::Done);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_gid, kOtherGroup);
    EXPECT_EQ(info.st_mode & 07777, 02640u);
    EXPECT_EQ(ReadFileBytes(target), kNewBytes);
}

TEST(SharedFolderSave, HardLinkedFileIsReplacedUnderTheSavedNameOnly) {
    CTempDir dir;
    WriteFileBytes(dir / "a.kvx", kOldBytes);
    fs::create_hard_link(dir / "a.kvx", dir / "b.kvx");
    ASSERT_EQ(Save(dir / "a.kvx").stage, SaveResult::Done);
    EXPECT_EQ(ReadFileBytes(dir / "a.kvx"), kNewBytes);
    EXPECT_EQ(ReadFileBytes(dir / "b.kvx"), kOldBytes);
}

// Other programs' hidden temporary files (".budget.2023.tmp") look like ours but for our name.
TEST(SharedFolderSave, SavingRemovesOnlyOurTemporaryFilesOlderThanAnHour) {
    CTempDir dir;
    using std::chrono::minutes;
    const std::vector<std::pair<std::string, minutes>> files = {
        {".site.kvx.corvantine-123456.tmp", minutes(61)},
        {".old.kvx.corvantine-7.tmp", minutes(600)},
        {".site.kvx.corvantine-55.tmp", minutes(59)},
        {"notes.tmp", minutes(600)},
        {".site.kvx.corvantine-1234567.tmp", minutes(600)},
        {".t.corvantine-12a.tmp", minutes(600)},
        {".budget.2023.tmp", minutes(600)},
        {".notes.1.tmp", minutes(600)},
        {".corvantine-1.tmp", minutes(600)}};
    for (const auto& [name, age] : files) {
        WriteFileBytes(dir / name, kOldBytes);
        Age(dir / name, age);
    }
    fs::create_directory(dir / ".dir.kvx.corvantine-1.tmp");
    Age(dir / ".dir.kvx.corvantine-1.tmp", minutes(600));
    ASSERT_EQ(Save(dir / "site.kvx").stage, SaveResult::Done);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".budget.2023.tmp", ".corvantine-1.tmp",
                                              ".dir.kvx.corvantine-1.tmp", ".notes.1.tmp",
                                              ".site.kvx.corvantine-1234567.tmp",
                                              ".site.kvx.corvantine-55.tmp",
                                              ".t.corvantine-12a.tmp", "notes.tmp", "site.kvx"}));
}

TEST(SharedFolderSave, InASharedFolderOnlyTheUsersOwnTemporaryFilesAreRemoved) {
    if (!IsRoot()) GTEST_SKIP() << "files of other users need root";
    CTempDir dir;
    const fs::path folder = SharedFolder(dir, kOtherUser);
    for (const char* name : {".mine.kvx.corvantine-1.tmp", ".theirs.kvx.corvantine-2.tmp"}) {
        WriteFileBytes(folder / name, kOldBytes);
        Age(folder / name, std::chrono::minutes(120));
    }
    ASSERT_EQ(chown((folder / ".theirs.kvx.corvantine-2.tmp").c_str(), kOtherGroup, kOtherGroup),
              0);
    ASSERT_EQ(Save(folder / "site.kvx").stage, SaveResult::Done);
    EXPECT_FALSE(fs::exists(folder / ".mine.kvx.corvantine-1.tmp"));
    EXPECT_TRUE(fs::exists(folder / ".theirs.kvx.corvantine-2.tmp"));
}
