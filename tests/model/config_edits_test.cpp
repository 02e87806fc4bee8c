// The undoable edits of a configuration: each one's undo brings back exactly the file the
// document would have written before it, redo the one after, and both are announced.

// own
#include "model/config_edits.h"
#include "model/kv_doc.h"
#include "framework/view.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
using Kind = CConfigChange::Kind;

class CChangeLog : public CView {
public:
    void OnDocumentChanged(const CDocChange& change) override {
        const auto& config = dynamic_cast<const CConfigChange&>(change);
        kinds.push_back(config.kind);
        stations.push_back(config.station);
    }
    std::vector<Kind> kinds;
    std::vector<int> stations;
};

class ConfigEdits : public ::testing::Test {
protected:
    ConfigEdits() {
        doc.OnNewDocument();
        auto breakOut = std::make_unique<CStation>();
        breakOut->SetType(9);
        breakOut->SetName("Lobby");
        breakOut->SetAddress(2);
        breakOut->m_Buttons[2].ToggleZone(4);
        doc.m_pStations.push_back(std::move(breakOut));
        doc.AddView(&log);
    }
    ~ConfigEdits() override { doc.RemoveView(&log); }

    std::vector<uint8_t> File() {
        std::vector<uint8_t> bytes;
        doc.WriteConfigFile(bytes);
        return bytes;
    }
    // Does the edit, undoes it, does it again: the file before, after and after again.
    void ExpectInverse(CDocEdit& edit) {
        const auto before = File();
        edit.Redo();
        const auto after = File();
        EXPECT_NE(after, before);
        edit.Undo();
        EXPECT_EQ(File(), before);
        edit.Redo();
        EXPECT_EQ(File(), after);
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
    CChangeLog log;
};
} // namespace

TEST_F(ConfigEdits, EveryEditIsUndoneExactlyAndAnnouncedBothWays) {
    CSwitchZonesEdit zones(doc, {{{1, 2}, 4}, {{-1, 0}, 98}, {{0, 0}, 0}});
    ExpectInverse(zones);
    CZoneNameEdit zoneName(doc, 4, "Lobby", 0);
    ExpectInverse(zoneName);
    CButtonNameEdit buttonName(doc, {1, 2}, "Fire", 0);
    ExpectInverse(buttonName);
    CMaxZonesEdit maxZones(doc, 12);
    ExpectInverse(maxZones);
    std::vector<Kind> expected;
    for (Kind kind :
         {Kind::ZonesSwitched, Kind::ZoneRenamed, Kind::ButtonRenamed, Kind::MaxZonesChanged})
        expected.insert(expected.end(), 3, kind);
    EXPECT_EQ(log.kinds, expected);
    log.kinds.clear();
    log.stations.clear();

    auto added = std::make_unique<CStation>();
    added->SetName("Added");
    const CStation* addedStation = added.get();
    auto insert = CStationListEdit::Insert(doc, 1, std::move(added), "Insert Station");
    ExpectInverse(*insert);
    // The very station comes back, not a copy of it.
    EXPECT_EQ(doc.m_pStations[1].get(), addedStation);
    EXPECT_EQ(log.kinds, (std::vector<Kind>{Kind::StationInserted, Kind::StationRemoved,
                                            Kind::StationInserted}));
    EXPECT_EQ(log.stations, (std::vector<int>{1, 1, 1}));

    auto remove = CStationListEdit::Remove(doc, 2, "Delete Station");
    ExpectInverse(*remove);
    EXPECT_EQ(doc.m_pStations.size(), 2u);
}

// A window opened afterwards shows the current station, so it must be one that exists.
TEST_F(ConfigEdits, UndoingTheAddedLastStationMakesTheNewLastOneCurrent) {
    auto add = CStationListEdit::Insert(doc, 2, std::make_unique<CStation>(), "Add Station");
    add->Redo();
    doc.m_nCurStation = 2;
    add->Undo();
    EXPECT_EQ(doc.m_nCurStation, 1);
}

TEST_F(ConfigEdits, EditStationUndoBringsBackZonesTheNewTypeDropped) {
    CStation& lobby = *doc.m_pStations[1];
    lobby.m_Buttons[5].ToggleZone(30); // HB-06 of the break-out
    CStation changed = lobby;
    changed.SetType(4);
    changed.SetName("Hall");
    CStationEdit edit(doc, 1, changed);
    ExpectInverse(edit);
    edit.Undo();
    EXPECT_EQ(lobby.GetName(), "Lobby");
    EXPECT_EQ(lobby.m_nType, 9);
    EXPECT_EQ(lobby.m_Buttons[5].m_pZones.size(), 1u);
}

TEST_F(ConfigEdits, TypingInOneEditOfABoxMergesAndComingBackLeavesNothing) {
    CZoneNameEdit first(doc, 4, "Zone5X", 7);
    first.Redo();
    CZoneNameEdit second(doc, 4, "Zone5XY", 7);
    second.Redo();
    EXPECT_TRUE(first.MergeWith(second));
    first.Undo();
    EXPECT_EQ(doc.m_strZoneNames[4], "Zone5");
    first.Redo();
    EXPECT_EQ(doc.m_strZoneNames[4], "Zone5XY");

    // Another session, another zone, another kind of box or no session: separate steps.
    EXPECT_FALSE(first.MergeWith(CZoneNameEdit(doc, 4, "A", 8)));
    EXPECT_FALSE(first.MergeWith(CZoneNameEdit(doc, 5, "A", 7)));
    EXPECT_FALSE(first.MergeWith(CButtonNameEdit(doc, {0, 0}, "A", 7)));
    CZoneNameEdit unsessioned(doc, 4, "B", 0);
    EXPECT_FALSE(unsessioned.MergeWith(CZoneNameEdit(doc, 4, "C", 0)));

    EXPECT_TRUE(first.MergeWith(CZoneNameEdit(doc, 4, "Zone5", 7)));
    EXPECT_TRUE(first.IsEmpty());
}

// The menu texts are the widget tests'; here the station a window shows after a step.
TEST_F(ConfigEdits, ItemIsTheFirstHardButtonsStation) {
    EXPECT_EQ(CSwitchZonesEdit(doc, {{{-1, 0}, 1}, {{1, 1}, 2}}).Item(), 1);
    EXPECT_EQ(CSwitchZonesEdit(doc, {{{-1, 0}, 1}}).Item(), -1);
    EXPECT_EQ(CButtonNameEdit(doc, {1, 2}, "x", 0).Item(), 1);
}
