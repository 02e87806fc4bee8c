// The recovery copy of a document in the editor: taken shortly after a change, off the
// keystroke, without touching the document; removed by Save and by No to the save question,
// kept by Cancel; and an untitled document recovered from it.

#include "app/config_document.h"
#include "app/recovery_offer.h"
#include "files/recovery_store.h"
#include "tests/app/app_fixture.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <ctime>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

class RecoveryKeeperTest : public AppTest {
protected:
    // Opens a copy of a small configuration and changes a zone name.
    CConfigDocument& ChangedDocument() {
        Start({ConfigFile("site.kvx")});
        auto& doc = *dynamic_cast<CConfigDocument*>(Documents().ActiveDocument());
        doc.m_strZoneNames[0] = "Changed";
        doc.SetModifiedFlag();
        return doc;
    }

    std::size_t Copies() const {
        std::size_t copies = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(Folder(), error))
            copies += entry.path().extension() == ".kvx";
        return copies;
    }

    fs::path Folder() const { return stateHome / "Quellton Electronics/recovery"; }
};

TEST_F(RecoveryKeeperTest, AChangeIsCopiedWithinFiveSecondsAndTheDocumentStaysAsItWas) {
    EXPECT_LE(CRecoveryKeeper::kCopyDelayMs, 5000);
    CConfigDocument& doc = ChangedDocument();
    const uint16_t version = doc.m_wVersion;
    EXPECT_TRUE(doc.Recovery().CopyPending());
    EXPECT_EQ(Copies(), 0u) << "written on the keystroke";
    // The delay is the keeper's; the wait here only has to outlast it on a busy machine.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !doc.Recovery().CopyPending(); }, 20000));
    EXPECT_EQ(Copies(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_wVersion, version);

    // The copy reads back as the changed configuration.
    CScriptedUi ui;
    CKVDoc copy(ui);
    for (const auto& entry : fs::directory_iterator(Folder()))
        if (entry.path().extension() == ".kvx") {
            ASSERT_TRUE(copy.OnOpenDocument(entry.path()));
        }
    EXPECT_EQ(copy.m_strZoneNames[0], "Changed");

    Frame().Commands().Execute(ID_FILE_SAVE);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Copies(), 0u) << "kept after Save";
}

TEST_F(RecoveryKeeperTest, NoToTheSaveQuestionRemovesTheCopyAndCancelKeepsIt) {
    ChangedDocument().Recovery().WriteNow();
    ASSERT_EQ(Copies(), 1u);
    CScriptedMessageBoxes boxes;
    boxes.answers = {MsgAnswer::Cancel, MsgAnswer::No};
    Frame().Commands().Execute(ID_FILE_CLOSE);
    EXPECT_EQ(Copies(), 1u) << "removed after Cancel";
    Frame().Commands().Execute(ID_FILE_CLOSE);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_TRUE(Documents().Documents().empty());
    EXPECT_EQ(Copies(), 0u) << "kept after No";
}

TEST_F(RecoveryKeeperTest, RecoverOpensAnUntitledCopyAsAModifiedNewDocumentWithACopyOfItsOwn) {
    {
        // The copy of a document never saved, left by an editor that is gone.
        CRecoveryStore gone(Folder().string());
        CScriptedUi ui;
        CKVDoc doc(ui);
        doc.OnNewDocument();
        doc.m_strZoneNames[0] = "Changed";
        std::vector<uint8_t> bytes;
        doc.WriteConfigFile(bytes);
        ASSERT_TRUE(gone.Write(gone.NewSlot(), bytes, {"", "Config7", 600, 1}));
    }
    Start();
    std::tm local{};
    const std::time_t time = 600;
    localtime_r(&time, &local);
    char expected[64];
    std::strftime(expected, sizeof expected, "Recover unsaved changes to Config7 from %H:%M?",
                  &local);
    CModalScript script;
    script.Then<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.text().toStdString(), expected);
        EXPECT_EQ(box.windowTitle(), "Quellton Corvantine");
        for (QAbstractButton* button : box.buttons())
            if (button->text() == "Recover") button->click();
    });
    OfferRecovery(app->m_recovery, Documents(), &Frame());
    EXPECT_TRUE(script.Done());

    const auto* doc = dynamic_cast<CConfigDocument*>(Documents().ActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "Config1");
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_strZoneNames[0], "Changed");
    // The old copy is gone; the document's own stands in for it and is no orphan.
    EXPECT_EQ(Copies(), 1u);
    EXPECT_TRUE(CRecoveryStore(Folder().string()).ClaimOrphans().empty());
}

} // namespace
