// A station from the clipboard made ready for a document: name, port and address, zones, refusals.

// own
#include "model/kv_doc.h"
#include "model/station_paste.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
class StationPaste : public ::testing::Test {
protected:
    StationPaste() { doc.OnNewDocument(); }

    CPastedStation Paste(const CStation& station) {
        auto prepared = PrepareStationPaste(doc, StationClipboardText(station));
        EXPECT_TRUE(std::holds_alternative<CPastedStation>(prepared));
        return std::get<CPastedStation>(std::move(prepared));
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
};
} // namespace

TEST_F(StationPaste, TakenNameAndPairGetTheNextFreeOnes) {
    CStation& first = *doc.m_pStations[0];
    first.m_Buttons[1].ToggleZone(2);
    first.m_Buttons[1].SetName("Fire");
    const CPastedStation once = Paste(first);
    EXPECT_EQ(once.station->GetName(), "Station1 (2)");
    EXPECT_EQ(once.station->m_nPort, 2);
    EXPECT_EQ(once.station->m_nAddress, 1);
    EXPECT_EQ(once.station->m_Buttons[1].GetName(), "Fire");
    EXPECT_EQ(once.station->m_Buttons[1].m_pZones.size(), 1u);
    EXPECT_EQ(once.droppedZones, 0);

    doc.m_pStations.push_back(std::make_unique<CStation>(*once.station));
    EXPECT_EQ(Paste(first).station->GetName(), "Station1 (3)");
    // A free pair of the source is kept.
    CStation elsewhere = first;
    elsewhere.SetPort(9);
    EXPECT_EQ(Paste(elsewhere).station->m_nPort, 9);
}

TEST_F(StationPaste, LongNamesAreCutToKeepTheNumberWithin25Bytes) {
    CStation& first = *doc.m_pStations[0];
    first.SetName("ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(Paste(first).station->GetName(), "ABCDEFGHIJKLMNOPQRSTU (2)");
    EXPECT_EQ(UniqueStationName(doc, "Free"), "Free");
}

TEST_F(StationPaste, ZonesBeyondTheDocumentsZonesAreDroppedAndCounted) {
    CStation source;
    source.SetType(10);
    source.m_Buttons[0].ToggleZone(3);
    source.m_Buttons[0].ToggleZone(40);
    source.m_Buttons[9].ToggleZone(98);
    doc.m_nMaxZones = 40;
    const CPastedStation pasted = Paste(source);
    EXPECT_EQ(pasted.droppedZones, 2);
    EXPECT_EQ(pasted.station->m_Buttons[0].m_pZones.size(), 1u);
    EXPECT_TRUE(pasted.station->m_Buttons[9].m_pZones.empty());
}

TEST_F(StationPaste, FullControllerAndFullPairsAreRefusedWithTheDialogsMessages) {
    CStation big;
    big.SetType(48);
    while (ControllerHasRoomFor(doc, 48))
        doc.m_pStations.push_back(std::make_unique<CStation>(big));
    auto prepared = PrepareStationPaste(doc, StationClipboardText(big));
    ASSERT_TRUE(std::holds_alternative<CStationRefusal>(prepared));
    EXPECT_EQ(std::get<CStationRefusal>(prepared).text,
              "There is not enough memory in the PA Controller to add this station");

    doc.m_pStations.clear();
    for (int a = 1; a <= CStation::kMaxAddress; ++a)
        for (int p = 1; p <= CStation::kMaxPort; ++p) {
            auto& s = *doc.m_pStations.emplace_back(std::make_unique<CStation>());
            s.SetType(3);
            s.SetPort(p);
            s.SetAddress(a);
        }
    doc.m_nMaxZones = 8;
    CStation small;
    small.SetType(3);
    prepared = PrepareStationPaste(doc, StationClipboardText(small));
    ASSERT_TRUE(std::holds_alternative<CStationRefusal>(prepared));
    EXPECT_EQ(std::get<CStationRefusal>(prepared).caption, "Invalid Port/Address");
}

TEST_F(StationPaste, TextThatIsNotAStationGivesNothing) {
    for (const char* text : {"", "hello", "[1,2]", "{\"type\": 5}", "{\"name\": 7}",
                             "{\"buttons\": [{\"zones\": [100]}]}", "{\"what\": 1}"})
        EXPECT_TRUE(std::holds_alternative<std::monostate>(PrepareStationPaste(doc, text))) << text;
}
