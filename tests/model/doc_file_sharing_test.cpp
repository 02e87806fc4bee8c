// A document's file shared with other programs: the lock taken to read it, and a file changed
// on disk behind the document's back.

// own
#include "model/kv_doc.h"
#include "tests/model/bytes.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Real files, with the read lock failing as a given file system makes it fail.
class CLockFailure : public CFileLayer {
public:
    explicit CLockFailure(int error) : m_error(error) {}
    int Lock(int, LockKind) override {
        errno = m_error;
        return -1;
    }

private:
    int m_error;
};

struct SavedDoc {
    SavedDoc() {
        doc.OnNewDocument();
        EXPECT_TRUE(doc.OnSaveDocument(path));
        doc.SetPathName(path);
    }
    CTempDir dir;
    const std::string path = dir / "site.kvx";
    CScriptedUi ui;
    CKVDoc doc{ui};
};

const std::string kChangedQuestion =
    "site.kvx was changed by another program since it was opened.  Replace it with this version?";

// Another program's version of `path`: `doc`'s file with its first station renamed, the same
// size as before.
std::vector<uint8_t> OtherVersion(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    const auto at =
        std::search(bytes.begin(), bytes.end(), std::begin("Station1"), std::end("Station1") - 1);
    EXPECT_NE(at, bytes.end());
    *(at + 7) = '9';
    return bytes;
}

// Rewrites the file in place, as a program without safe saves does.
void RewriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    close(fd);
}

class LockFailure : public testing::TestWithParam<std::pair<int, bool>> {};
} // namespace

TEST_P(LockFailure, OnlyAHolderElsewhereRefusesTheOpen) {
    const auto [error, opens] = GetParam();
    SavedDoc saved;
    CLockFailure files(error);
    CScriptedUi ui;
    CKVDoc doc(ui, files);
    EXPECT_EQ(doc.OnOpenDocument(saved.path), opens) << std::strerror(error);
    // A refusal says why.
    EXPECT_EQ(ui.messages.empty(), opens);
}

INSTANTIATE_TEST_SUITE_P(EachError, LockFailure,
                         testing::Values(std::pair{EWOULDBLOCK, false}, std::pair{EAGAIN, false},
                                         std::pair{ENOLCK, true}, std::pair{EBADF, true},
                                         std::pair{EOPNOTSUPP, true}, std::pair{EINVAL, true}));

TEST(DocFileSharing, SaveAsksBeforeReplacingAFileAnotherProgramReplaced) {
    SavedDoc d;
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.OnOpenDocument(d.path));
    doc.SetPathName(d.path);
    doc.SetModifiedFlag();
    const auto theirs = OtherVersion(d.path);
    const std::string fresh = d.dir / "fresh";
    WriteFileBytes(fresh, theirs);
    fs::rename(fresh, d.path);

    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(doc.OnSaveDocument(d.path));
    ASSERT_EQ(ui.Texts(), std::vector<std::string>{kChangedQuestion});
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ReadFileBytes(d.path), theirs);
    EXPECT_TRUE(doc.IsModified());

    ui.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(doc.OnSaveDocument(d.path));
    EXPECT_NE(ReadFileBytes(d.path), theirs);
    EXPECT_TRUE(doc.OnSaveDocument(d.path)) << "its own write is no change";
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(DocFileSharing, SaveNoticesARewriteInPlaceWithTheSameSizeAndTimes) {
    SavedDoc d;
    d.ui.answers = {MsgAnswer::No};
    EXPECT_TRUE(d.doc.OnSaveDocument(d.path)) << "unchanged: no question";
    struct stat before {};
    ASSERT_EQ(stat(d.path.c_str(), &before), 0);
    const auto theirs = OtherVersion(d.path);
    RewriteInPlace(d.path, theirs);
    const struct timespec same[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, d.path.c_str(), same, 0), 0); // same second, same nanosecond
    EXPECT_FALSE(d.doc.OnSaveDocument(d.path));
    EXPECT_EQ(d.ui.Texts(), std::vector<std::string>{kChangedQuestion});
    EXPECT_EQ(ReadFileBytes(d.path), theirs);

    // Times alone are no change: nothing of another program's would be lost.
    ASSERT_EQ(utimensat(AT_FDCWD, d.path.c_str(), nullptr, 0), 0);
    d.ui.answers = {MsgAnswer::Yes};
    ASSERT_TRUE(d.doc.OnSaveDocument(d.path));
    ASSERT_EQ(utimensat(AT_FDCWD, d.path.c_str(), nullptr, 0), 0);
    EXPECT_TRUE(d.doc.OnSaveDocument(d.path));
    EXPECT_EQ(d.ui.messages.size(), 2u);
}
