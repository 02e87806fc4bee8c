// Copy, Cut and Paste of stations between documents, and of text in the edit boxes.

// own
#include "model/config_edits.h"
#include "model/station_paste.h"
#include "model/station_validation.h"
#include "tests/support/temp_dir.h"
#include "tests/view/editing_fixture.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

namespace {
class StationClipboard : public EditingTest {
protected:
    void SetUp() override {
        source = &NewDocumentWith(10);
        CStation& lobby = *source->m_pStations[0];
        lobby.SetName("Lobby");
        lobby.m_Buttons[0].ToggleZone(2);
        lobby.m_Buttons[0].ToggleZone(49);
        lobby.m_Buttons[1].SetName("Fire");
        sourceView = &CStationViewHarness::ViewOf(*source);
        sourceView->FillStationList();
        sourceView->ShowStation(0);
        target = &NewDocumentWith(4);
        targetView = &CStationViewHarness::ViewOf(*target);
    }
    std::vector<std::string> Names(const CKVDoc& doc) const {
        std::vector<std::string> names;
        for (const auto& station : doc.m_pStations)
            names.push_back(station->GetName());
        return names;
    }

    CKVDoc* source = nullptr;
    CKVDoc* target = nullptr;
    CStationView* sourceView = nullptr;
    CStationView* targetView = nullptr;
};
} // namespace

TEST_F(StationClipboard, CopyCarriesTheStationInBothForms) {
    sourceView->OnEditCopy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(kStationMimeType));
    EXPECT_EQ(data->data(kStationMimeType), data->text().toUtf8());
    const QJsonObject station = QJsonDocument::fromJson(data->text().toUtf8()).object();
    EXPECT_EQ(station["name"].toString(), "Lobby");
    EXPECT_EQ(station["buttons"][0]["zones"].toArray(), QJsonArray({3, 50}));
    EXPECT_EQ(station["buttons"].toArray().size(), 10);
}

TEST_F(StationClipboard, PasteIntoADocumentWithFewerZonesDropsAndSaysSo) {
    target->m_nMaxZones = 40;
    targetView->ShowStation(0);
    sourceView->OnEditCopy();
    targetView->OnEditPaste();
    ASSERT_EQ(Names(*target), (std::vector<std::string>{"Station1", "Lobby"}));
    const CStation& pasted = *target->m_pStations[1];
    EXPECT_EQ(Zones(pasted.m_Buttons[0]), std::vector<int>{2});
    EXPECT_EQ(pasted.m_Buttons[1].GetName(), "Fire");
    EXPECT_EQ(pasted.m_nPort, 2) << "port 1 address 1 is Station1's";
    EXPECT_EQ(targetView->ShownStation(), 1);
    EXPECT_EQ(harness.window.statusBar()->currentMessage(),
              "Pasted \"Lobby\" at [2-1]; 1 zone(s) above zone 40 left out of the pasted station");
    targetView->OnEditUndo();
    EXPECT_EQ(Names(*target), (std::vector<std::string>{"Station1"}));
    EXPECT_FALSE(target->IsModified());
}

TEST_F(StationClipboard, PasteWithTheNameAndPairTakenGoesAfterTheShownStation) {
    AddStation(*source, 4, "Hall").SetAddress(2);
    sourceView->FillStationList();
    sourceView->OnEditCopy();
    sourceView->OnEditPaste();
    sourceView->OnEditPaste();
    EXPECT_EQ(Names(*source), (std::vector<std::string>{"Lobby", "Lobby (2)", "Lobby (3)", "Hall"}))
        << "each after the shown one, which the paste then shows";
    EXPECT_EQ(source->m_pStations[1]->m_nPort, 2);
    EXPECT_EQ(source->m_pStations[2]->m_nPort, 3);
    EXPECT_EQ(source->m_pStations[2]->m_nAddress, 1);
}

TEST_F(StationClipboard, PasteIsRefusedWhenTheControllerIsFull) {
    sourceView->OnEditCopy();
    while (ControllerHasRoomFor(*target, 10))
        AddStation(*target, 10, "Big");
    const std::size_t count = target->m_pStations.size();
    targetView->OnEditPaste();
    EXPECT_EQ(target->m_pStations.size(), count);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"There is not enough memory in the PA Controller to add "
                                       "this station"});
    EXPECT_FALSE(target->IsModified());
}

TEST_F(StationClipboard, CutAsksCopiesAndDeletesAsOneStep) {
    AddStation(*source, 4, "Hall").SetAddress(2);
    sourceView->FillStationList();
    boxes.answers = {MsgAnswer::Cancel};
    sourceView->OnEditCut();
    EXPECT_EQ(source->m_pStations.size(), 2u);
    sourceView->OnEditCut();
    EXPECT_EQ(boxes.Texts().back(), "Are you sure you want to delete Station \"Lobby\" ?");
    EXPECT_EQ(Names(*source), (std::vector<std::string>{"Hall"}));
    targetView->OnEditPaste();
    EXPECT_EQ(Names(*target), (std::vector<std::string>{"Station1", "Lobby"}));
    sourceView->OnEditUndo();
    EXPECT_EQ(Names(*source), (std::vector<std::string>{"Lobby", "Hall"}));
}

TEST_F(StationClipboard, InTheEditBoxesTheCommandsWorkOnText) {
    sourceView->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sourceView->window()));
    sourceView->m_ZoneNameEdit.setFocus();
    sourceView->m_ZoneNameEdit.selectAll();
    sourceView->OnEditCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), "Zone1");
    sourceView->m_ZoneNameEdit.end(false);
    sourceView->OnEditPaste();
    EXPECT_EQ(source->m_strZoneNames[0], "Zone1Zone1");
    EXPECT_EQ(source->m_pStations.size(), 1u);
}

namespace {
// Rejects every dialog but a message box, counting them: a refused Add opens none.
class CDialogCounter : public CModalWatcher {
public:
    int opened = 0;

protected:
    std::function<void()> OnModal(QWidget& widget) override {
        auto* dialog = qobject_cast<QDialog*>(&widget);
        if (dialog == nullptr || qobject_cast<QMessageBox*>(&widget) != nullptr) return {};
        ++opened;
        return [dialog] { dialog->reject(); };
    }
};
} // namespace

// A file may hold 240 stations with one pair used twice, so one pair is still free; a 241st
// station would make a file the reader refuses.
TEST_F(StationClipboard, A240StationDocumentTakesNoMoreAndItsSavedFileOpensAgain) {
    target->m_pStations.clear();
    for (int a = 1; a <= kMaxAddress; ++a)
        for (int p = 1; p <= kMaxPort; ++p) {
            CStation& station =
                AddStation(*target, 3, "S" + std::to_string(p) + "-" + std::to_string(a));
            station.SetPort(p);
            station.SetAddress(a);
        }
    target->m_pStations.back()->SetPort(1);
    target->m_pStations.back()->SetAddress(1);
    targetView->FillStationList();
    targetView->ShowStation(0);
    const std::string full =
        "A configuration holds at most 240 stations.  Please delete a Station before adding "
        "another.";

    sourceView->OnEditCopy();
    targetView->OnEditPaste();
    {
        CDialogCounter dialogs;
        commands.OnAddStation(*targetView);
        commands.OnInsertStation(*targetView);
        EXPECT_EQ(dialogs.opened, 0);
    }
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{full, full, full}));
    EXPECT_EQ(target->m_pStations.size(), 240u);
    EXPECT_FALSE(target->IsModified());

    // With one station gone, the copy goes to the pair left free and the status bar says where.
    target->Perform(CStationListEdit::Remove(*target, 5, "Delete Station"));
    targetView->OnEditPaste();
    ASSERT_EQ(target->m_pStations.size(), 240u);
    EXPECT_EQ(harness.window.statusBar()->currentMessage(), "Pasted \"Lobby\" at [6-1]");
    targetView->OnEditPaste();
    EXPECT_EQ(boxes.Texts().back(), full);

    CTempDir dir;
    const std::string path = (dir / "full.kvx").string();
    ASSERT_TRUE(target->OnSaveDocument(path));
    CKVDoc reopened(harness.ui);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(reopened.m_pStations.size(), 240u);
    EXPECT_EQ(boxes.Texts().size(), 4u) << "no message about the file";
}

// A clipboard without a station leaves Paste disabled; one whose station breaks a limit names it.
TEST_F(StationClipboard, PasteIsOfferedOnlyForAStationAndNamesTheLimitItBreaks) {
    const auto offered = [&](const QString& text) {
        QApplication::clipboard()->setText(text);
        CCmdUI state;
        targetView->OnUpdateEditPaste(state);
        return state.IsEnabled();
    };
    for (const char* text : {"", "Lobby", "[1, 2]", "{}", "{\"what\": 1}", "{\"port\": 3,"})
        EXPECT_FALSE(offered(text)) << text;
    const std::pair<const char*, const char*> broken[] = {
        {R"({"type": 5})", "type: 5 refused (3, 4, 9, 10, 47 or 48)"},
        {R"({"port": 20})", "port: 20 refused (1 to 16)"},
        {R"({"buttons": [{"zones": [150]}]})",
         "buttons[0].zones[0]: zone 150 refused (1 to maxZones 99)"},
    };
    for (const auto& [text, limit] : broken) {
        ASSERT_TRUE(offered(text)) << text;
        targetView->OnEditPaste();
        EXPECT_EQ(boxes.Texts().back(),
                  std::string("The Station on the clipboard cannot be pasted: ") + limit + ".");
    }
    EXPECT_EQ(target->m_pStations.size(), 1u);
}
