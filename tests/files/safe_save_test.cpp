// own
#include "model/kv_doc.h"
#include "files/safe_save.h"
#include "tests/model/bytes.h"
#include "tests/model/faulty_files.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew(5000, 0x42);

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveFault : public testing::TestWithParam<CFaultyFiles::Step> {};
} // namespace

TEST_P(SaveFault, FailedStepLeavesAnExistingTargetUntouchedAndNoTemporaryFile) {
    CTempDir dir;
    const fs::path target = dir / "site.kvx";
    WriteFileBytes(target, kOld);
    CFaultyFiles files(GetParam());
    const SaveResult result = ReplaceFileContents(files, target, kNew);
    EXPECT_NE(result.stage, SaveResult::Done);
    EXPECT_NE(result.error, 0);
    EXPECT_EQ(ReadFileBytes(target), kOld);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"site.kvx"});
}

TEST_P(SaveFault, FailedStepLeavesNoNewTargetAndNoTemporaryFile) {
    CTempDir dir;
    CFaultyFiles files(GetParam());
    const SaveResult result = ReplaceFileContents(files, dir / "new.kvx", kNew);
    EXPECT_NE(result.stage, SaveResult::Done);
    EXPECT_TRUE(Entries(dir.Path()).empty());
}

INSTANTIATE_TEST_SUITE_P(EachStep, SaveFault,
                         testing::Values(CFaultyFiles::CreateTemp, CFaultyFiles::ShortWrite,
                                         CFaultyFiles::StalledWrite, CFaultyFiles::FailedWrite,
                                         CFaultyFiles::FsyncFile, CFaultyFiles::CloseFile,
                                         CFaultyFiles::RenameFile));

TEST(SafeSave, ChmodFailureOfAReplacementKeepsTheOldFile) {
    CTempDir dir;
    WriteFileBytes(dir / "a.kvx", kOld);
    CFaultyFiles files(CFaultyFiles::Chmod);
    EXPECT_EQ(ReplaceFileContents(files, dir / "a.kvx", kNew).stage, SaveResult::Write);
    EXPECT_EQ(ReadFileBytes(dir / "a.kvx"), kOld);
    EXPECT_EQ(Entries(dir.Path()).size(), 1u);
}

TEST(SafeSave, ShortWritesAreContinued) {
    CTempDir dir;
    CFileLayer& posix = PosixFileLayer();
    const std::vector<uint8_t> big(3 << 20, 7);
    ASSERT_EQ(ReplaceFileContents(posix, dir / "big.kvx", big).stage, SaveResult::Done);
    EXPECT_EQ(ReadFileBytes(dir / "big.kvx"), big);
}

TEST(SafeSave, ReplacementKeepsThePermissionBits) {
    CTempDir dir;
    const fs::path target = dir / "a.kvx";
    WriteFileBytes(target, kOld);
    fs::permissions(target, fs::perms(0640));
    ASSERT_EQ(ReplaceFileContents(PosixFileLayer(), target, kNew).stage, SaveResult::Done);
    EXPECT_EQ(ReadFileBytes(target), kNew);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
}

TEST(SafeSave, SavingThroughASymbolicLinkReplacesTheFileItPointsTo) {
    CTempDir dir;
    fs::create_directory(dir / "real");
    WriteFileBytes(dir / "real" / "a.kvx", kOld);
    fs::create_symlink("real/a.kvx", dir / "link.kvx");
    fs::create_symlink(dir / "link.kvx", dir / "link2.kvx");
    ASSERT_EQ(ReplaceFileContents(PosixFileLayer(), dir / "link2.kvx", kNew).stage,
              SaveResult::Done);
    EXPECT_TRUE(fs::is_symlink(dir / "link.kvx"));
    EXPECT_TRUE(fs::is_symlink(dir / "link2.kvx"));
    EXPECT_EQ(ReadFileBytes(dir / "real" / "a.kvx"), kNew);
    EXPECT_EQ(Entries(dir / "real"), std::vector<std::string>{"a.kvx"});

    fs::create_symlink("missing.kvx", dir / "dangling.kvx");
    ASSERT_EQ(ReplaceFileContents(PosixFileLayer(), dir / "dangling.kvx", kNew).stage,
              SaveResult::Done);
    EXPECT_EQ(ReadFileBytes(dir / "missing.kvx"), kNew);
}

TEST(SafeSave, RefusesLinkLoopsFoldersAndMissingFolders) {
    CTempDir dir;
    fs::create_symlink("b", dir / "a");
    fs::create_symlink("a", dir / "b");
    EXPECT_EQ(ReplaceFileContents(PosixFileLayer(), dir / "a", kNew).error, ELOOP);
    fs::create_directory(dir / "folder");
    EXPECT_EQ(ReplaceFileContents(PosixFileLayer(), dir / "folder", kNew).error, EISDIR);
    EXPECT_EQ(ReplaceFileContents(PosixFileLayer(), dir / "no" / "a.kvx", kNew).stage,
              SaveResult::Create);
}

TEST(SafeSave, FullDiskIsReportedAndKeepsTheOldFile) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    CTempDir dir;
    const fs::path mnt = dir / "small";
    fs::create_directory(mnt);
    if (mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "tmpfs mount refused: " << std::strerror(errno);
    {
        CScriptedUi ui;
        CKVDoc doc(ui);
        doc.OnNewDocument();
        const fs::path target = mnt / "site.kvx";
        ASSERT_TRUE(doc.OnSaveDocument(target));
        const auto before = ReadFileBytes(target);
        for (int i = 0; i < 40; ++i) {
            auto s = std::make_unique<CStation>();
            s->SetType(48);
            for (CBtn& b : s->m_Buttons)
                for (int z = 0; z < 99; ++z)
                    b.ToggleZone(z);
            doc.m_pStations.push_back(std::move(s));
        }
        EXPECT_FALSE(doc.OnSaveDocument(target));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Disk full while accessing " + target.string() + ".");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(ReadFileBytes(target), before);
        EXPECT_EQ(Entries(mnt), std::vector<std::string>{"site.kvx"});
    }
    umount(mnt.c_str());
}

namespace {
// Logs the calls that make a save durable, in their order.
class CDurabilityLog : public CFileLayer {
public:
    int Fsync(int fd) override {
        struct stat info {};
        fstat(fd, &info);
        steps.push_back(S_ISDIR(info.st_mode) ? "sync folder" : "sync file");
        return CFileLayer::Fsync(fd);
    }
    int Rename(const char* from, const char* to) override {
        steps.push_back("rename");
        return CFileLayer::Rename(from, to);
    }
    std::vector<std::string> steps;
};
} // namespace

// A power cut after the save must find the old file or the whole new one, never an empty one.
TEST(SafeSave, NewFileReachesTheDiskBeforeTheRenameAndTheRenameAfter) {
    CTempDir dir;
    WriteFileBytes(dir / "a.kvx", kOld);
    CDurabilityLog log;
    ASSERT_EQ(ReplaceFileContents(log, dir / "a.kvx", kNew).stage, SaveResult::Done);
    EXPECT_EQ(log.steps, (std::vector<std::string>{"sync file", "rename", "sync folder"}));
}

// The document asks for another name first, but Save As and the image go straight here.
TEST(SafeSave, AFileWeMayNotWriteIsNotReplaced) {
    CTempDir dir;
    WriteFileBytes(dir / "a.kvx", kOld);
    CFaultyFiles files(CFaultyFiles::None);
    files.readOnlyPath = dir / "a.kvx";
    const SaveResult result = ReplaceFileContents(files, dir / "a.kvx", kNew);
    EXPECT_EQ(result.stage, SaveResult::Create);
    EXPECT_EQ(result.error, EACCES);
    EXPECT_EQ(ReadFileBytes(dir / "a.kvx"), kOld);
}
