// own
#include "model/formats/archive.h"
#include "model/kv_doc.h"
#include "tests/model/bytes.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>
#include <random>

namespace {
const char* const kNotValid = "This file is not a valid KVX file.  File Open Aborted...";
const char* const kTooNew =
    "The version of this KVX file is newer than this version of Corvantine supports";

struct Outcome {
    bool opened = false;
    bool threw = false;
    std::vector<std::string> messages;
};

Outcome Read(const std::vector<uint8_t>& bytes) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    Outcome outcome;
    try {
        outcome.opened = doc.ReadConfigFile(bytes);
    } catch (const CArchiveException&) {
        outcome.threw = true;
    }
    outcome.messages = ui.Texts();
    return outcome;
}

bool RefusedAsNotValid(const std::vector<uint8_t>& bytes) {
    const Outcome o = Read(bytes);
    return !o.opened && !o.threw && o.messages == std::vector<std::string>{kNotValid};
}

// Up to the station list of a new document: header, 99 zone names.
CBytes NewDocumentHead(uint16_t version = 258) {
    CBytes b;
    b.Header(version).Byte(99);
    for (int n = 1; n <= 99; ++n)
        b.ShortText("Zone" + std::to_string(n));
    return b;
}

CBytes& SoftButtons(CBytes& b) {
    b.Word(89);
    for (int k = 11; k <= 99; ++k)
        b.Word(0).ShortText("SoftButton" + std::to_string(k));
    return b;
}

// A document with one station of every type, zones, a 9's LCD text and edited soft buttons.
void FillVaried(CKVDoc& doc) {
    doc.OnNewDocument();
    const int types[] = {10, 48, 3, 9, 47};
    for (int i = 0; i < 5; ++i) {
        auto s = std::make_unique<CStation>();
        s->SetType(types[i]);
        s->SetName("Station" + std::to_string(i + 2));
        s->SetPort(i + 2);
        s->SetAddress(i + 3);
        s->SetGroup(i * 3);
        s->SetLcdText("Lcd" + std::to_string(i));
        for (int b = 0; b < types[i]; b += 2)
            s->m_Buttons[b].ToggleZone((b * 7 + i) % 99);
        doc.m_pStations.push_back(std::move(s));
    }
    doc.m_SoftButtons[3].ToggleZone(50);
    doc.m_SoftButtons[88].SetName("Last");
    doc.m_strZoneNames[4] = "Lobby \xE9";
}

// Every field a file stores.
void ExpectSameConfig(const CKVDoc& a, const CKVDoc& b) {
    ASSERT_EQ(a.m_nMaxZones, b.m_nMaxZones);
    for (int n = 0; n < a.m_nMaxZones; ++n)
        EXPECT_EQ(a.m_strZoneNames[n], b.m_strZoneNames[n]);
    ASSERT_EQ(a.m_pStations.size(), b.m_pStations.size());
    const auto sameButton = [](const CBtn& x, const CBtn& y) {
        EXPECT_EQ(x.m_strName, y.m_strName);
        ASSERT_EQ(x.m_pZones.size(), y.m_pZones.size());
        for (std::size_t z = 0; z < x.m_pZones.size(); ++z)
            EXPECT_EQ(x.m_pZones[z].m_nZone, y.m_pZones[z].m_nZone);
    };
    for (std::size_t i = 0; i < a.m_pStations.size(); ++i) {
        const CStation& x = *a.m_pStations[i];
        const CStation& y = *b.m_pStations[i];
        EXPECT_EQ(x.m_nType, y.m_nType);
        EXPECT_EQ(x.m_strName, y.m_strName);
        EXPECT_EQ(x.m_nPort, y.m_nPort);
        EXPECT_EQ(x.m_nAddress, y.m_nAddress);
        EXPECT_EQ(x.m_nGroup, y.m_nGroup);
        if (x.m_nType == 9) {
            EXPECT_EQ(x.m_strLcdText, y.m_strLcdText);
        }
        for (int n = 0; n < x.m_nType; ++n)
            sameButton(x.m_Buttons[n], y.m_Buttons[n]);
    }
    for (int k = 0; k < kSoftButtonCount; ++k)
        sameButton(a.m_SoftButtons[k], b.m_SoftButtons[k]);
}

std::vector<uint8_t> VariedFile() {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillVaried(doc);
    return Saved(doc);
}
} // namespace

TEST(ConfigFile, NewDocumentSavedAtOnceMatchesTheLayoutByteForByte) {
    CBytes expected = NewDocumentHead();
    expected.Word(1).ClassRecord("CStation").Byte(4);
    for (int n = 1; n <= 4; ++n)
        expected.Word(0).ShortText("HardButton" + std::to_string(n));
    expected.ShortText("Station1").Word(1).Word(1).Word(1);
    SoftButtons(expected);

    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_wVersion, 257);
    const auto bytes = Saved(doc);
    EXPECT_EQ(doc.m_wVersion, 258);
    EXPECT_EQ(bytes, expected.bytes);
    EXPECT_EQ(bytes, ReadFileBytes(TestData() / "new_document" / "config.kvx"));
}

TEST(ConfigFile, ZonesAreObjectRecordsNumberedAfterTheirStation) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(0); // zone 1
    doc.m_pStations[0]->m_Buttons[0].ToggleZone(2); // zone 3
    doc.m_pStations.push_back(std::make_unique<CStation>());

    CBytes expected = NewDocumentHead();
    expected.Word(2).ClassRecord("CStation").Byte(4);
    expected.Word(2).ClassRecord("CZone").Word(0).Word(0x8003).Word(2).ShortText("HardButton1");
    for (int n = 2; n <= 4; ++n)
        expected.Word(0).ShortText("HardButton" + std::to_string(n));
    expected.ShortText("Station1").Word(1).Word(1).Word(1);
    expected.Word(0x8001).Byte(4);
    for (int n = 1; n <= 4; ++n)
        expected.Word(0).ShortText("HardButton" + std::to_string(n));
    expected.ShortText("").Word(1).Word(1).Word(1);
    SoftButtons(expected);
    EXPECT_EQ(Saved(doc), expected.bytes);
}

TEST(ConfigFile, OnlyType9StoresItsLcdTextAfterTheGroup) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    CStation& s = *doc.m_pStations[0];
    s.SetLcdText("FRONT DESK");
    const auto type4 = Saved(doc);
    s.SetType(9);
    s.SetGroup(7);
    auto bytes = Saved(doc);

    CBytes tail;
    tail.ShortText("Station1").Word(1).Word(1).Word(7).ShortText("FRONT DESK");
    SoftButtons(tail);
    ASSERT_GT(bytes.size(), tail.bytes.size());
    EXPECT_TRUE(std::equal(tail.bytes.begin(), tail.bytes.end(),
                           bytes.end() - static_cast<std::ptrdiff_t>(tail.bytes.size())));
    const std::string lcd = "FRONT DESK";
    EXPECT_EQ(std::search(type4.begin(), type4.end(), lcd.begin(), lcd.end()), type4.end());
}

TEST(ConfigFile, ZoneNamesOf254And255BytesUseTheirLengthForms) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    doc.m_nMaxZones = 2;
    doc.m_strZoneNames[0] = std::string(254, 'a');
    doc.m_strZoneNames[1] = std::string(255, 'b');
    const auto bytes = Saved(doc);
    CBytes expected;
    expected.Header().Byte(2).Byte(0xFE).Raw(std::string(254, 'a'));
    expected.Byte(0xFF).Word(255).Raw(std::string(255, 'b')).Word(1);
    ASSERT_GE(bytes.size(), expected.bytes.size());
    EXPECT_TRUE(std::equal(expected.bytes.begin(), expected.bytes.end(), bytes.begin()));

    CKVDoc back(ui);
    ASSERT_TRUE(back.ReadConfigFile(bytes));
    EXPECT_EQ(back.m_strZoneNames[1], std::string(255, 'b'));
}

TEST(ConfigFile, Version257FileLoadsWithGroup1AndSavesAs258) {
    CBytes v257 = NewDocumentHead(257);
    v257.Word(1).ClassRecord("CStation").Byte(3);
    for (int n = 1; n <= 3; ++n)
        v257.Word(0).ShortText("B" + std::to_string(n));
    v257.ShortText("Old panel").Word(4).Word(5); // no group word
    SoftButtons(v257);
    ASSERT_EQ(v257.bytes, ReadFileBytes(TestData() / "version_257" / "config.kvx"));

    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.ReadConfigFile(v257.bytes));
    EXPECT_EQ(doc.m_wVersion, 257);
    const CStation& s = *doc.m_pStations[0];
    EXPECT_EQ(s.m_nGroup, 1);
    EXPECT_EQ(s.m_nPort, 4);
    EXPECT_EQ(s.m_nAddress, 5);
    EXPECT_EQ(s.m_Buttons[3].GetName(), "HardButton4");

    CBytes v258 = NewDocumentHead(258);
    v258.Word(1).ClassRecord("CStation").Byte(3);
    for (int n = 1; n <= 3; ++n)
        v258.Word(0).ShortText("B" + std::to_string(n));
    v258.ShortText("Old panel").Word(4).Word(5).Word(1);
    SoftButtons(v258);
    EXPECT_EQ(Saved(doc), v258.bytes);
}

TEST(ConfigFile, WrittenDocumentReadsBackEqualAndWritesIdentically) {
    std::mt19937 random(1234);
    for (int round = 0; round < 40; ++round) {
        CScriptedUi ui;
        CKVDoc doc(ui);
        FillVaried(doc);
        doc.m_nMaxZones = 1 + static_cast<int>(random() % 99);
        for (auto& s : doc.m_pStations)
            for (CBtn& b : s->m_Buttons)
                for (int z = 0; z < 8; ++z)
                    b.ToggleZone(static_cast<int>(random() % 99));
        for (int n = 0; n < 99; ++n)
            doc.m_strZoneNames[n] = std::string(random() % 300, 'x');
        const auto bytes = Saved(doc);
        CKVDoc back(ui);
        ASSERT_TRUE(back.ReadConfigFile(bytes));
        ExpectSameConfig(doc, back);
        EXPECT_EQ(Saved(back), bytes);
    }
}

TEST(ConfigFile, RefusesHeaderWithNonNulByteBeforeByte62) {
    auto bytes = VariedFile();
    bytes[60] = 'x'; // after the first NUL: not part of the compared text
    EXPECT_TRUE(Read(bytes).opened);
    bytes[58] = 'x';
    EXPECT_TRUE(RefusedAsNotValid(bytes));
    std::fill(bytes.begin() + 58, bytes.begin() + 62, ' '); // no NUL at all
    EXPECT_TRUE(RefusedAsNotValid(bytes));
    bytes = VariedFile();
    bytes[2] = 'k'; // case matters
    EXPECT_TRUE(RefusedAsNotValid(bytes));
}

TEST(ConfigFile, RefusesVersion259AndNewerAsTooNew) {
    auto bytes = VariedFile();
    for (uint16_t version : {0x0103, 0x0200, 0xFFFF}) {
        bytes[62] = static_cast<uint8_t>(version);
        bytes[63] = static_cast<uint8_t>(version >> 8);
        const Outcome o = Read(bytes);
        EXPECT_FALSE(o.opened);
        EXPECT_EQ(o.messages, std::vector<std::string>{kTooNew}) << version;
    }
}

TEST(ConfigFile, FileCutAtAnyOffsetIsRefusedWithoutAMessage) {
    const auto bytes = VariedFile();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const Outcome o = Read({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)});
        ASSERT_TRUE(o.threw && o.messages.empty()) << "cut at " << n;
    }
    EXPECT_TRUE(Read(bytes).opened);
}

TEST(ConfigFile, RefusesZoneCountOf0OrAbove99) {
    for (uint8_t zones : {0, 100, 255}) {
        CBytes b;
        b.Header().Byte(zones);
        for (int n = 0; n < zones; ++n)
            b.ShortText("Z");
        b.Word(1).ClassRecord("CStation").Byte(3);
        EXPECT_TRUE(RefusedAsNotValid(b.bytes)) << int(zones);
    }
}

TEST(ConfigFile, RefusesEmptyStationListAndMoreStationsThanPortAddressPairs) {
    CBytes empty = NewDocumentHead();
    empty.Word(0);
    SoftButtons(empty);
    EXPECT_TRUE(RefusedAsNotValid(empty.bytes));

    const auto withStations = [](int count) {
        CBytes b = NewDocumentHead();
        b.Word(static_cast<uint16_t>(count)).ClassRecord("CStation");
        for (int i = 0; i < count; ++i) {
            if (i > 0) b.Word(0x8001);
            b.Byte(0).ShortText("").Word(1 + i % 16).Word(1 + i / 16).Word(1);
        }
        return SoftButtons(b).bytes;
    };
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.ReadConfigFile(withStations(240)));
    EXPECT_EQ(doc.m_pStations.size(), 240u);
    EXPECT_TRUE(RefusedAsNotValid(withStations(241)));
}

TEST(ConfigFile, RefusesStationTypeByteAbove48) {
    CBytes b = NewDocumentHead();
    b.Word(1).ClassRecord("CStation").Byte(49);
    for (int n = 0; n < 49; ++n)
        b.Word(0).ShortText("");
    EXPECT_TRUE(RefusedAsNotValid(b.bytes));
}

TEST(ConfigFile, InvalidTypeByteKeepsType4ButReadsThatManyButtons) {
    CBytes b = NewDocumentHead();
    b.Word(1).ClassRecord("CStation").Byte(5);
    for (const char* name : {"K1", "K2", "K3", "K4", "K5"})
        b.Word(0).ShortText(name);
    b.ShortText(std::string(26, 'n')).Word(17).Word(0).Word(2);
    SoftButtons(b);
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.ReadConfigFile(b.bytes));
    const CStation& s = *doc.m_pStations[0];
    EXPECT_EQ(s.m_nType, 4);
    EXPECT_EQ(s.m_Buttons[4].GetName(), "K5");
    EXPECT_EQ(s.GetName(), ""); // over 25: dropped
    EXPECT_EQ(s.m_nPort, 1);
    EXPECT_EQ(s.m_nAddress, 1);
    EXPECT_EQ(s.m_nGroup, 2);
}

TEST(ConfigFile, RefusesSoftButtonCountAbove89) {
    CBytes b = NewDocumentHead();
    b.Word(1).ClassRecord("CStation").Byte(3);
    for (int n = 0; n < 3; ++n)
        b.Word(0).ShortText("");
    b.ShortText("").Word(1).Word(1).Word(1);
    CBytes fewer = b;
    b.Word(90);
    for (int k = 0; k < 90; ++k)
        b.Word(0).ShortText("");
    EXPECT_TRUE(RefusedAsNotValid(b.bytes));
    fewer.Word(2).Word(0).ShortText("A").Word(0).ShortText(std::string(17, 'b'));
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.ReadConfigFile(fewer.bytes));
    EXPECT_EQ(doc.m_SoftButtons[0].GetName(), "A");
    EXPECT_EQ(doc.m_SoftButtons[1].GetName(), ""); // over 16: dropped
}

TEST(ConfigFile, RefusesZoneWordOf99AndAbove) {
    const auto withZone = [](uint16_t zone) {
        CBytes b = NewDocumentHead();
        b.Word(1).ClassRecord("CStation").Byte(3);
        b.Word(1).ClassRecord("CZone").Word(zone).ShortText("");
        b.Word(0).ShortText("").Word(0).ShortText("").ShortText("").Word(1).Word(1).Word(1);
        return SoftButtons(b).bytes;
    };
    EXPECT_TRUE(RefusedAsNotValid(withZone(99)));
    EXPECT_TRUE(RefusedAsNotValid(withZone(0xFFFF)));
    CScriptedUi ui;
    CKVDoc doc(ui);
    ASSERT_TRUE(doc.ReadConfigFile(withZone(98)));
    EXPECT_EQ(doc.m_pStations[0]->m_Buttons[0].m_pZones.at(0).m_nZone, 98);
}

TEST(ConfigFile, RefusesListElementsOfTheWrongKind) {
    const auto stationList = [](const CBytes& element) {
        CBytes b = NewDocumentHead();
        b.Word(1);
        b.bytes.insert(b.bytes.end(), element.bytes.begin(), element.bytes.end());
        return b.bytes;
    };
    EXPECT_TRUE(RefusedAsNotValid(stationList(CBytes().ClassRecord("CZone").Word(1))));
    EXPECT_TRUE(RefusedAsNotValid(stationList(CBytes().ClassRecord("CBtn").Word(0))));
    EXPECT_TRUE(RefusedAsNotValid(stationList(CBytes().Word(0))));

    // A zone list holding a station, and one holding the same zone object twice.
    CBytes b = NewDocumentHead();
    b.Word(1).ClassRecord("CStation").Byte(3).Word(1).Word(0x8001);
    EXPECT_TRUE(RefusedAsNotValid(b.bytes));
    CBytes twice = NewDocumentHead();
    twice.Word(1).ClassRecord("CStation").Byte(3).Word(2).ClassRecord("CZone").Word(4).Word(4);
    EXPECT_TRUE(RefusedAsNotValid(twice.bytes));
}

TEST(ConfigFile, UnknownClassOrSchemaIsRefusedSilently) {
    CBytes b = NewDocumentHead();
    b.Word(1).ClassRecord("CStatio");
    const Outcome o = Read(b.bytes);
    EXPECT_TRUE(o.threw);
    EXPECT_TRUE(o.messages.empty());
}
