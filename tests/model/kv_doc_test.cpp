// own
#include "model/kv_doc.h"
#include "framework/view.h"
#include "tests/model/bytes.h"
#include "tests/model/faulty_files.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
class CCountingView : public CView {
public:
    void OnUpdate() override { ++updates; }
    int updates = 0;
};

struct NewDoc {
    NewDoc() { doc.OnNewDocument(); }
    CScriptedUi ui;
    CKVDoc doc{ui};
};

std::unique_ptr<CStation> StationAt(int port, int address) {
    auto s = std::make_unique<CStation>();
    s->SetPort(port);
    s->SetAddress(address);
    return s;
}
} // namespace

TEST(KVDoc, NewDocumentHasItsDefaults) {
    NewDoc d;
    const CKVDoc& doc = d.doc;
    EXPECT_EQ(doc.m_wVersion, 257);
    ASSERT_EQ(doc.m_pStations.size(), 1u);
    const CStation& s = *doc.m_pStations[0];
    EXPECT_EQ(s.GetName(), "Station1");
    EXPECT_EQ(s.m_nType, 4);
    EXPECT_EQ(s.m_nPort, 1);
    EXPECT_EQ(s.m_nAddress, 1);
    EXPECT_EQ(s.m_nGroup, 1);
    EXPECT_EQ(doc.m_nCurStation, 0);
    EXPECT_EQ(doc.m_nMaxZones, 99);
    EXPECT_EQ(doc.m_strZoneNames[0], "Zone1");
    EXPECT_EQ(doc.m_strZoneNames[98], "Zone99");
    EXPECT_EQ(doc.m_SoftButtons[0].GetName(), "SoftButton11");
    EXPECT_EQ(doc.m_SoftButtons[88].GetName(), "SoftButton99");
    EXPECT_FALSE(doc.IsModified());
}

TEST(KVDoc, FreshDocumentHasEmptySoftButtonsAndZoneNames) {
    CScriptedUi ui;
    const CKVDoc doc(ui);
    EXPECT_TRUE(doc.m_pStations.empty());
    EXPECT_EQ(doc.m_SoftButtons[5].GetName(), "");
    EXPECT_EQ(doc.m_strZoneNames[5], "");
}

TEST(KVDoc, SaveOfANewDocumentProposesItsTitleAsFileName) {
    NewDoc d;
    d.doc.SetUntitledNumber(1);
    EXPECT_EQ(d.doc.GetTitle(), "Config1");
    d.doc.OnFileSave(); // cancelled: the script has no answer
    ASSERT_EQ(d.ui.fileDialogs.size(), 1u);
    const FileDialogRequest& r = d.ui.fileDialogs[0];
    EXPECT_EQ(r.title, "File Save As");
    EXPECT_EQ(r.initialName, "Config1.kvx");
    ASSERT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0].first, "Corvantine Files (*.kvx)");
    EXPECT_EQ(r.filters[0].second, "*.kvx");
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_TRUE(d.ui.messages.empty());
    EXPECT_EQ(d.doc.GetPathName(), "");
}

TEST(KVDoc, ProposedNameIsCutTo8CharactersAndAtTheFirstStopCharacter) {
    NewDoc d;
    d.doc.SetUntitledNumber(123);
    EXPECT_FALSE(d.doc.DoSave("", true));
    d.doc.SetTitle("Ab;cdefghij");
    d.doc.DoSave("", true);
    d.doc.SetTitle("Hall 2#x");
    d.doc.DoSave("", true);
    d.doc.SetTitle("abcdefg\\hij");
    d.doc.DoSave("", true);
    ASSERT_EQ(d.ui.fileDialogs.size(), 4u);
    EXPECT_EQ(d.ui.fileDialogs[0].initialName, "Config12.kvx");
    EXPECT_EQ(d.ui.fileDialogs[1].initialName, "Ab.kvx");
    EXPECT_EQ(d.ui.fileDialogs[2].initialName, "Hall.kvx");
    EXPECT_EQ(d.ui.fileDialogs[3].initialName, "abcdefg.kvx");
}

TEST(KVDoc, SaveAsWritesAdoptsThePathAndUpdatesTheViews) {
    CTempDir dir;
    NewDoc d;
    CCountingView view;
    d.doc.AddView(&view);
    d.doc.SetUntitledNumber(2);
    d.doc.SetModifiedFlag(true);
    const std::string path = dir / "hotel";
    d.ui.fileAnswers.push_back(path);
    d.doc.OnFileSaveAs();
    EXPECT_EQ(d.doc.GetPathName(), path);
    EXPECT_EQ(d.doc.GetTitle(), "hotel"); // typed without extension: saved as typed
    EXPECT_FALSE(d.doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(d.doc.m_wVersion, 258);
    EXPECT_EQ(ReadFileBytes(path), Saved(d.doc));
    EXPECT_EQ(d.ui.waitCursorDepth, 0);
    EXPECT_GT(d.ui.waitCursorShown, 0);
}

TEST(KVDoc, SaveWritesAWritableFileWithoutAsking) {
    CTempDir dir;
    NewDoc d;
    const std::string path = dir / "a.kvx";
    ASSERT_TRUE(d.doc.DoSave(path, true));
    d.doc.m_pStations[0]->SetName("Changed");
    d.doc.OnFileSave();
    EXPECT_TRUE(d.ui.fileDialogs.empty());
    CScriptedUi ui;
    CKVDoc back(ui);
    ASSERT_TRUE(back.OnOpenDocument(path));
    EXPECT_EQ(back.m_pStations[0]->GetName(), "Changed");
}

TEST(KVDoc, SaveOfAReadOnlyOrVanishedFileAsksForAName) {
    CTempDir dir;
    CScriptedUi ui;
    CFaultyFiles files(CFaultyFiles::None);
    CKVDoc doc(ui, files);
    doc.OnNewDocument();
    const std::string path = dir / "a.kvx";
    ASSERT_TRUE(doc.DoSave(path, true));
    files.readOnlyPath = path;
    doc.OnFileSave();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].initialName, path);
    files.readOnlyPath.clear();
    fs::remove(path);
    doc.OnFileSave();
    EXPECT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_FALSE(fs::exists(path));
}

TEST(KVDoc, FailedSaveAsKeepsPathTitleAndLeavesNoFile) {
    CTempDir dir;
    CScriptedUi ui;
    CFaultyFiles files(CFaultyFiles::FailedWrite);
    CKVDoc doc(ui, files);
    doc.OnNewDocument();
    doc.SetUntitledNumber(4);
    ui.fileAnswers.push_back((dir / "b.kvx").string());
    doc.OnFileSaveAs();
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Config4");
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Failed to save document.");
    EXPECT_EQ(ui.messages[0].caption, "Quellton Corvantine");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

TEST(KVDoc, FailedSaveOverAnExistingFileKeepsItAsItWas) {
    CTempDir dir;
    const std::string path = dir / "keep.kvx";
    const std::vector<uint8_t> old = {1, 2, 3};
    WriteFileBytes(path, old);
    CScriptedUi ui;
    CFaultyFiles files(CFaultyFiles::RenameFile);
    CKVDoc doc(ui, files);
    doc.OnNewDocument();
    EXPECT_FALSE(doc.DoSave(path, true));
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST(KVDoc, SaveErrorTextFollowsTheCause) {
    CTempDir dir;
    const std::string path = dir / "x.kvx";
    const auto reportFor = [&](CFaultyFiles::Step step, int error) {
        CScriptedUi ui;
        CFaultyFiles files(step, error);
        CKVDoc doc(ui, files);
        doc.OnNewDocument();
        doc.OnSaveDocument(path);
        return ui.Texts();
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(reportFor(CFaultyFiles::CreateTemp, EACCES), V{"Access to " + path + " was denied."});
    EXPECT_EQ(reportFor(CFaultyFiles::CreateTemp, EROFS), V{"Access to " + path + " was denied."});
    EXPECT_EQ(reportFor(CFaultyFiles::FailedWrite, ENOSPC),
              V{"Disk full while accessing " + path + "."});
    EXPECT_EQ(reportFor(CFaultyFiles::FsyncFile, EDQUOT),
              V{"Disk full while accessing " + path + "."});
    EXPECT_EQ(reportFor(CFaultyFiles::CreateTemp, ENAMETOOLONG), V{"Invalid filename."});
    EXPECT_EQ(reportFor(CFaultyFiles::CloseFile, EIO), V{"Failed to save document."});
    EXPECT_EQ(reportFor(CFaultyFiles::StalledWrite, EIO),
              V{"Disk full while accessing " + path + "."});
}

TEST(KVDoc, OpenThatFailsNamesTheFileAndWhy) {
    CTempDir dir;
    NewDoc source;
    const std::string path = dir / "a.kvx";
    ASSERT_TRUE(source.doc.OnSaveDocument(path));
    CScriptedUi ui;
    // The last message: "Cannot open NAME." over "PATH: why".
    const auto told = [&](const std::string& file) {
        if (ui.messages.empty()) return std::string("nothing");
        const RecordedMessage& last = ui.messages.back();
        const std::string name = file.substr(file.find_last_of('/') + 1);
        EXPECT_EQ(last.text, "Cannot open " + name + ".");
        EXPECT_EQ(last.facts.rfind(file + ": ", 0), 0u) << last.facts;
        return last.facts.substr(std::min(last.facts.size(), file.size() + 2));
    };

    // Held for writing by another program, with the record lock every program understands.
    const int holder = open(path.c_str(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(fcntl(holder, F_SETLK, &lock), 0);
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(path));
    EXPECT_EQ(told(path), "held by another program that is writing it; open it again once it "
                          "has finished");
    close(holder);
    ui.messages.clear();
    EXPECT_TRUE(CKVDoc(ui).OnOpenDocument(path));
    EXPECT_EQ(told(path), "nothing");

    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir / "missing.kvx"));
    EXPECT_EQ(told(dir / "missing.kvx"), "No such file or directory");
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir.Path()));
    EXPECT_NE(told(dir.Path()), "nothing");
    const std::string fifo = dir / "fifo.kvx";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(fifo)); // no writer: must not wait for one
    EXPECT_NE(told(fifo), "nothing");
    const auto whole = Saved(source.doc);
    WriteFileBytes(dir / "huge.kvx", whole);
    fs::resize_file(dir / "huge.kvx", (std::uintmax_t{64} << 20) + 1); // sparse: costs nothing
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir / "huge.kvx"));
    EXPECT_NE(told(dir / "huge.kvx"), "nothing");
    WriteFileBytes(dir / "short.kvx", {1, 2, 3});
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir / "short.kvx"));
    EXPECT_EQ(told(dir / "short.kvx"), "shorter than a configuration file (3 bytes)");
    // Cut inside its zone names, and with its station's class name spoilt.
    WriteFileBytes(dir / "cut.kvx", std::vector<uint8_t>(whole.begin(), whole.begin() + 200));
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir / "cut.kvx"));
    EXPECT_EQ(told(dir / "cut.kvx"), "damaged at byte 200, where the file ends inside its data");
    std::vector<uint8_t> spoilt = whole;
    const std::string_view className = "CStation";
    const auto at = std::search(spoilt.begin(), spoilt.end(), className.begin(), className.end());
    ASSERT_NE(at, spoilt.end());
    *at = 'X';
    WriteFileBytes(dir / "spoilt.kvx", spoilt);
    EXPECT_FALSE(CKVDoc(ui).OnOpenDocument(dir / "spoilt.kvx"));
    EXPECT_EQ(told(dir / "spoilt.kvx"),
              "damaged at byte " + std::to_string(at - spoilt.begin() + className.size()));
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

TEST(KVDoc, OpenOfAForeignFileShowsTheNotValidMessage) {
    CTempDir dir;
    WriteFileBytes(dir / "notes.kvx", std::vector<uint8_t>(100, 'x'));
    CScriptedUi ui;
    CKVDoc doc(ui);
    EXPECT_FALSE(doc.OnOpenDocument(dir / "notes.kvx"));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"This file is not a valid KVX file.  File Open Aborted..."});
}

TEST(KVDoc, PortAddressUseSkipsTheGivenStation) {
    NewDoc d;
    CStation* first = d.doc.m_pStations[0].get();
    EXPECT_TRUE(d.doc.IsPortAddressUsed(1, 1, nullptr));
    EXPECT_FALSE(d.doc.IsPortAddressUsed(1, 1, first));
    EXPECT_FALSE(d.doc.IsPortAddressUsed(2, 1, nullptr));
    d.doc.m_pStations.push_back(StationAt(1, 1));
    EXPECT_TRUE(d.doc.IsPortAddressUsed(1, 1, first));
}

TEST(KVDoc, FreePortAddressRunsThroughPortsBeforeAddresses) {
    NewDoc d;
    int port = 0, address = 0;
    d.doc.FindFreePortAddress(port, address);
    EXPECT_EQ(port, 2);
    EXPECT_EQ(address, 1);
    for (int p = 2; p <= 16; ++p)
        d.doc.m_pStations.push_back(StationAt(p, 1));
    d.doc.FindFreePortAddress(port, address);
    EXPECT_EQ(port, 1);
    EXPECT_EQ(address, 2);
    for (int a = 2; a <= 15; ++a)
        for (int p = 1; p <= 16; ++p)
            d.doc.m_pStations.push_back(StationAt(p, a));
    port = 7, address = 9;
    d.doc.FindFreePortAddress(port, address);
    EXPECT_EQ(port, 7); // all 240 taken: left as they were
    EXPECT_EQ(address, 9);
}
