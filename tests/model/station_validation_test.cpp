// own
#include "model/kv_doc.h"
#include "model/station_validation.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>

namespace {
struct ValidationDoc {
    ValidationDoc() { doc.OnNewDocument(); } // Station1 on port 1, address 1
    CStation& Add(int type, int port, int address) {
        auto station = std::make_unique<CStation>();
        station->SetType(type);
        station->SetPort(port);
        station->SetAddress(address);
        return *doc.m_pStations.emplace_back(std::move(station));
    }
    // `count` stations of each type, on pairs of their own.
    void AddMany(std::initializer_list<std::pair<int, int>> typesAndCounts) {
        for (const auto& [type, count] : typesAndCounts)
            for (int n = 0; n < count; ++n, ++m_nextPair)
                Add(type, m_nextPair % 16 + 1, m_nextPair / 16 + 1);
    }
    int m_nextPair = 0;
    CScriptedUi ui;
    CKVDoc doc{ui};
};

constexpr int k4ButtonPagingIndex = 0;
constexpr int k4ButtonBreakOutIndex = 2;

CStationFields Fields(const std::string& port, const std::string& address,
                      const std::string& group = "1", int typeIndex = k4ButtonBreakOutIndex) {
    CStationFields fields;
    fields.m_nTypeIndex = typeIndex;
    fields.m_strPort = port;
    fields.m_strAddress = address;
    fields.m_strGroup = group;
    return fields;
}

std::string CaptionOf(const CStationFields& fields, const CKVDoc& doc) {
    const auto refusal = CheckStationFields(fields, doc);
    return refusal ? refusal->caption : "";
}
} // namespace

TEST(StationValidation, RefusesPort0And17AndLettersNamingTheRange) {
    ValidationDoc d;
    for (const char* port : {"0", "17", "abc", "", "-1", "4294967297"}) {
        const auto refusal = CheckStationFields(Fields(port, "2"), d.doc);
        ASSERT_TRUE(refusal) << port;
        EXPECT_EQ(refusal->caption, "Invalid Port");
        EXPECT_EQ(refusal->text, "The selected Port number is out of Range.  Please select "
                                 "another Port ( 1 - 16 ).");
    }
    EXPECT_EQ(CaptionOf(Fields("16", "2"), d.doc), "");
    EXPECT_EQ(CaptionOf(Fields(" 16x", "2"), d.doc), "") << "read as the C library reads";
}

TEST(StationValidation, RefusesGroup0And17ButTakesGroup16) {
    ValidationDoc d;
    for (const char* group : {"0", "17", "x"}) {
        const auto refusal = CheckStationFields(Fields("2", "2", group), d.doc);
        ASSERT_TRUE(refusal) << group;
        EXPECT_EQ(refusal->caption, "Invalid Group");
        EXPECT_EQ(refusal->text, "The Group number must be between 1 and 16 inclusive.");
    }
    EXPECT_FALSE(CheckStationFields(Fields("2", "2", "16"), d.doc));
}

TEST(StationValidation, ChecksTheGroupOnlyForTypesThatShowIt) {
    ValidationDoc d;
    for (int index = 0; index < 6; ++index) {
        const bool shown = index == 2 || index == 3 || index == 5;
        EXPECT_EQ(CaptionOf(Fields("2", "2", "17", index), d.doc), shown ? "Invalid Group" : "")
            << "type index " << index;
    }
    // A hidden group is not applied either: the station keeps its own.
    CStation station;
    ApplyFields(Fields("2", "2", "17", k4ButtonPagingIndex), station, d.doc.m_nMaxZones);
    EXPECT_EQ(station.m_nGroup, 1);
    EXPECT_EQ(station.m_nPort, 2);
}

TEST(StationValidation, RefusesAddress16And0) {
    ValidationDoc d;
    for (const char* address : {"16", "0"}) {
        const auto refusal = CheckStationFields(Fields("2", address), d.doc);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->caption, "Invalid Address");
        EXPECT_EQ(refusal->text, "The selected Address number is out of Range.  Please select "
                                 "another Address ( 1 - 15 ).");
    }
    EXPECT_FALSE(CheckStationFields(Fields("2", "15"), d.doc));
}

TEST(StationValidation, ReportsOnlyTheFirstFailureInPortGroupAddressOrder) {
    ValidationDoc d;
    EXPECT_EQ(CaptionOf(Fields("0", "16"), d.doc), "Invalid Port");
    EXPECT_EQ(CaptionOf(Fields("0", "16", "0"), d.doc), "Invalid Port");
    EXPECT_EQ(CaptionOf(Fields("1", "16", "0"), d.doc), "Invalid Group");
    // An address out of range is reported before the pair it makes is looked up.
    EXPECT_EQ(CaptionOf(Fields("1", "16"), d.doc), "Invalid Address");
}

TEST(StationValidation, RefusesAPairInUseButNotForTheStationItself) {
    ValidationDoc d;
    const CStation& lobby = d.Add(4, 3, 2);
    const auto refusal = CheckStationFields(Fields("3", "2"), d.doc);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->caption, "Invalid Port/Address");
    EXPECT_EQ(refusal->text, "The selected Port and Address [3-2] are already used by another "
                             "Station.  Please select a new Port and Address.");

    CStationFields self = Fields("3", "2");
    self.m_pStation = &lobby;
    EXPECT_FALSE(CheckStationFields(self, d.doc));
    self.m_strPort = "1"; // Station1's pair
    self.m_strAddress = "1";
    EXPECT_EQ(CaptionOf(self, d.doc), "Invalid Port/Address");
}

TEST(ControllerMemory, CostsPerStationWith99ZonesMatchTheImage) {
    EXPECT_EQ(ZoneBytes(99), 13);
    EXPECT_EQ(ZoneBytes(1), 1);
    EXPECT_EQ(ZoneBytes(8), 1);
    EXPECT_EQ(ZoneBytes(9), 2);
    const std::pair<int, int> costs[] = {{4, 60}, {10, 298}, {48, 632},
                                         {3, 47}, {9, 285},  {47, 619}};
    for (const auto& [type, cost] : costs)
        EXPECT_EQ(StationMemoryCost(type, 13), cost) << type;
    ValidationDoc d;
    d.doc.m_pStations.clear();
    EXPECT_EQ(FreeControllerMemory(d.doc), 30170);
    d.doc.m_nMaxZones = 8;
    EXPECT_EQ(FreeControllerMemory(d.doc), 31327 - 89);
}

TEST(ControllerMemory, With30000BytesUsedTakesA4ButtonStationButNotA10ButtonBreakOut) {
    ValidationDoc d;
    d.doc.m_pStations.clear();
    // 45 x 632 + 619 + 2 x 298 + 285 + 60 = 30000 of the 30170 bytes.
    d.AddMany({{48, 45}, {47, 1}, {10, 2}, {9, 1}, {4, 1}});
    ASSERT_EQ(FreeControllerMemory(d.doc), 170);
    EXPECT_TRUE(ControllerHasRoomFor(d.doc, 4));
    EXPECT_FALSE(ControllerHasRoomFor(d.doc, 9));

    CStationFields fields = Fields("16", "15");
    fields.m_bCheckMemory = true;
    fields.m_nTypeIndex = 0; // 4 Button Paging Station
    EXPECT_FALSE(CheckStationFields(fields, d.doc));
    fields.m_nTypeIndex = 3; // 10 Button Break-Out
    const auto refusal = CheckStationFields(fields, d.doc);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->caption, "Add/Insert Station");
    EXPECT_EQ(refusal->text, "There is not enough memory in the PA Controller to add this station");
    // Editing (no memory check) to the larger type is never refused for memory.
    fields.m_bCheckMemory = false;
    EXPECT_FALSE(CheckStationFields(fields, d.doc));
}

TEST(ControllerMemory, AnExactFitPassesAndOneByteShortFails) {
    ValidationDoc d;
    d.doc.m_pStations.clear();
    // 43 x 632 + 2 x 619 + 2 x 298 + 2 x 285 + 2 x 60 + 9 x 47 = 30123: 47 bytes left.
    d.AddMany({{48, 43}, {47, 2}, {10, 2}, {9, 2}, {4, 2}, {3, 9}});
    ASSERT_EQ(FreeControllerMemory(d.doc), 47);
    EXPECT_TRUE(ControllerHasRoomFor(d.doc, 3));
    EXPECT_FALSE(ControllerHasRoomFor(d.doc, 4));
    d.doc.m_nMaxZones = 98; // still 13 bytes a zone map
    EXPECT_TRUE(ControllerHasRoomFor(d.doc, 3));
}
