// A station from the clipboard made ready for a document: name, port and address, zones, refusals.

// own
#include "model/kv_doc.h"
#include "model/station_gate.h"
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

TEST_F(StationPaste, LongNamesAreCutToKeepTheNumberWithin25Bytes) {
    CStation& first = *doc.m_pStations[0];
    first.SetName("ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(Paste(first).station->GetName(), "ABCDEFGHIJKLMNOPQRSTU (2)");
    EXPECT_EQ(UniqueStationName(doc, "Free"), "Free");
}

// The controller's memory is the widget tests'; here every pair is taken while memory is left.
TEST_F(StationPaste, FullPairsAreRefusedWithTheGatesMessage) {
    doc.m_pStations.clear();
    for (int a = 1; a <= kMaxAddress; ++a)
        for (int p = 1; p <= kMaxPort; ++p) {
            auto& s = *doc.m_pStations.emplace_back(std::make_unique<CStation>());
            s.SetType(3);
            s.SetPort(p);
            s.SetAddress(a);
        }
    doc.m_nMaxZones = 8;
    CStation small;
    small.SetType(3);
    const auto prepared = PrepareStationPaste(doc, StationClipboardText(small));
    ASSERT_TRUE(std::holds_alternative<CStationRefusal>(prepared));
    EXPECT_EQ(std::get<CStationRefusal>(prepared).text, FullRefusal().text);
}

TEST_F(StationPaste, TextThatIsNotAStationGivesNothingAndABrokenStationARefusal) {
    for (const char* text :
         {"", "hello", "[1,2]", "{}", "{\"what\": 1}", "{\"type\": 4, \"x\": 1}"}) {
        EXPECT_FALSE(HoldsStation(text)) << text;
        EXPECT_TRUE(std::holds_alternative<std::monostate>(PrepareStationPaste(doc, text))) << text;
    }
    for (const char* text :
         {"{\"type\": 5}", "{\"name\": 7}", "{\"buttons\": [{\"zones\": [100]}]}"}) {
        EXPECT_TRUE(HoldsStation(text)) << text;
        const auto prepared = PrepareStationPaste(doc, text);
        ASSERT_TRUE(std::holds_alternative<CStationRefusal>(prepared)) << text;
        EXPECT_EQ(std::get<CStationRefusal>(prepared).caption, "Paste Station");
    }
}
