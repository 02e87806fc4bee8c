// Copy, Cut and Paste of stations between documents, and of text in the edit boxes.

// own
#include "model/station_paste.h"
#include "model/station_validation.h"
#include "tests/view/editing_fixture.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
              "1 zone(s) above zone 40 left out of the pasted station");
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
