// The controller image, byte for byte, and the copy it leaves in CORVANTN.DAT.

#include "download/image_builder.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <numeric>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadImageFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class ImageBuilderTest : public ::testing::Test {
protected:
    ImageBuilderTest() {
        doc.OnNewDocument();
        doc.m_pStations.clear();
    }

    CStation& AddStation(int type, int port = 1, int address = 1) {
        auto station = std::make_unique<CStation>();
        EXPECT_TRUE(station->SetType(type));
        station->SetPort(port);
        station->SetAddress(address);
        doc.m_pStations.push_back(std::move(station));
        return *doc.m_pStations.back();
    }

    ImageBuild Build() { return BuildControllerImage(doc, image, file.string()); }
    Bytes Built() {
        EXPECT_EQ(Build(), ImageBuild::Built);
        return Bytes(image.Bytes().begin(), image.Bytes().end());
    }

    static unsigned Word(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
    static std::string Text(const Bytes& b, std::size_t at) {
        return std::string(b.begin() + at, b.begin() + at + 16);
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
    ControllerImage image;
    CTempDir dir;
    std::filesystem::path file = dir / "CORVANTN.DAT";
};

TEST_F(ImageBuilderTest, EmptyConfigurationHasOnlyTheGlobalButtons) {
    const Bytes b = Built();
    ASSERT_EQ(b.size(), 2597u);
    EXPECT_EQ(Word(b, 0), 2593u);
    EXPECT_EQ(b[4], 0x01);
    EXPECT_EQ(b[5], 0x01);
    EXPECT_EQ(b[6], 0);
    EXPECT_EQ(b[7], 99);
    EXPECT_EQ(Word(b, 8), 16u);
    EXPECT_EQ(Word(b, 10), 1173u);
    EXPECT_EQ(Bytes(b.begin() + 12, b.begin() + 16), Bytes(4, 0));
    EXPECT_EQ(Text(b, 1173), "SoftButton11    ");
    EXPECT_EQ(Text(b, 1173 + 88 * 16), "SoftButton99    ");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ImageBuilderTest, ChecksumIsTheSumAfterTheFirstFourBytesModulo65536) {
    for (int n = 0; n < 3; ++n) {
        CStation& station = AddStation(48, n + 1);
        for (CBtn& button : station.m_Buttons)
            for (int z = 0; z < 99; ++z)
                button.m_pZones.emplace_back(z);
    }
    const Bytes b = Built();
    const unsigned sum = std::accumulate(b.begin() + 4, b.end(), 0u);
    ASSERT_GT(sum, 0xFFFFu);
    EXPECT_EQ(Word(b, 2), sum % 65536);
    EXPECT_EQ(Word(b, 0), b.size() - 4);
}

TEST_F(ImageBuilderTest, ZoneMapTakesOneByteUpToEightZonesAndTwoForNine) {
    AddStation(4);
    doc.m_nMaxZones = 8;
    Bytes b = Built();
    EXPECT_EQ(b[7], 8);
    EXPECT_EQ(Word(b, 16 + 2), 24u);
    EXPECT_EQ(Word(b, 8), 24u + 4);
    EXPECT_EQ(Word(b, 10), 24u + 4 + 89);
    EXPECT_EQ(b.size(), 24u + 93 + 1424);

    doc.m_nMaxZones = 9;
    b = Built();
    EXPECT_EQ(Word(b, 8), 24u + 8);
    EXPECT_EQ(Word(b, 10), 24u + 8 + 178);
    EXPECT_EQ(b.size(), 24u + 186 + 1424);
}

TEST_F(ImageBuilderTest, FirstAndLastZoneSetTheirBits) {
    CStation& station = AddStation(4);
    station.m_Buttons[0].m_pZones = {CZone(0)};
    station.m_Buttons[1].m_pZones = {CZone(98)};
    station.m_Buttons[2].m_pZones = {CZone(8), CZone(9), CZone(15)};
    const Bytes b = Built();
    const std::size_t maps = 24;
    EXPECT_EQ(b[maps], 0x80);
    EXPECT_EQ(Bytes(b.begin() + maps + 1, b.begin() + maps + 13), Bytes(12, 0));
    EXPECT_EQ(Bytes(b.begin() + maps + 13, b.begin() + maps + 25), Bytes(12, 0));
    EXPECT_EQ(b[maps + 13 + 12], 0x20);
    EXPECT_EQ(b[maps + 26], 0x00);
    EXPECT_EQ(b[maps + 27], 0xC1);
    // Button 4 pages nothing.
    EXPECT_EQ(Bytes(b.begin() + maps + 39, b.begin() + maps + 52), Bytes(13, 0));
}

TEST_F(ImageBuilderTest, PortAndAddressShareOneByte) {
    AddStation(4, 16, 15);
    AddStation(4, 1, 1);
    CStation& third = AddStation(4, 3, 7);
    third.m_nGroup = 16;
    const Bytes b = Built();
    EXPECT_EQ(b[16], 0xFF);
    EXPECT_EQ(b[24], 0x01);
    EXPECT_EQ(b[32], 0x27);
    EXPECT_EQ(b[16 + 6], 1);
    EXPECT_EQ(b[32 + 6], 16);
    EXPECT_EQ(b[32 + 7], 0);
}

TEST_F(ImageBuilderTest, EachTypeHasItsCodeAndButtonCount) {
    const int types[] = {4, 10, 48, 3, 9, 47};
    for (int type : types)
        AddStation(type);
    const Bytes b = Built();
    std::size_t map = 16 + 8 * 6;
    for (int code = 0; code < 6; ++code) {
        const std::size_t record = 16 + 8 * code;
        EXPECT_EQ(b[record + 1], code) << types[code];
        EXPECT_EQ(Word(b, record + 2), map) << types[code];
        map += 13 * types[code];
    }
    EXPECT_EQ(Word(b, 8), map);
}

TEST_F(ImageBuilderTest, TenButtonBreakOutHasNineMapsAndTenTexts) {
    AddStation(3);
    CStation& panel = AddStation(9);
    for (int n = 0; n < 9; ++n)
        panel.m_Buttons[n].SetName("Btn" + std::to_string(n + 1));
    panel.m_Buttons[9].SetName("not in use");
    panel.SetLcdText("Lobby");
    const Bytes b = Built();
    const std::size_t maps = 16 + 16;
    EXPECT_EQ(Word(b, 16 + 2), maps);
    EXPECT_EQ(Word(b, 16 + 4), 0u) << "a 4-button break-out has no texts";
    EXPECT_EQ(Word(b, 24 + 2), maps + 3 * 13);
    const std::size_t globalMaps = maps + 12 * 13;
    EXPECT_EQ(Word(b, 8), globalMaps);
    const std::size_t texts = globalMaps + 89 * 13;
    EXPECT_EQ(Word(b, 24 + 4), texts);
    EXPECT_EQ(Text(b, texts), "Btn1            ");
    EXPECT_EQ(Text(b, texts + 8 * 16), "Btn9            ");
    EXPECT_EQ(Text(b, texts + 9 * 16), "Lobby           ");
    EXPECT_EQ(Word(b, 10), texts + 160);
    EXPECT_EQ(b.size(), texts + 160 + 1424);
}

TEST_F(ImageBuilderTest, TenButtonStationHasTenTextsAfterTheGlobalMaps) {
    CStation& station = AddStation(10);
    station.m_Buttons[9].SetName("0123456789ABCDEF");
    station.m_Buttons[0].SetName("abc");
    const Bytes b = Built();
    const std::size_t texts = 24 + 99 * 13;
    EXPECT_EQ(Word(b, 16 + 4), texts);
    EXPECT_EQ(Text(b, texts), "abc             ");
    EXPECT_EQ(Text(b, texts + 9 * 16), "0123456789ABCDEF");
    EXPECT_EQ(Text(b, texts + 160), "SoftButton11    ");
    doc.m_SoftButtons[0].m_strName.clear();
    EXPECT_EQ(Text(Built(), texts + 160), std::string(16, ' '));
}

TEST_F(ImageBuilderTest, SizeFormulaMatchesTheImageBuilt) {
    doc.m_nMaxZones = 17;
    for (int type : {4, 10, 48, 3, 9, 47, 10})
        AddStation(type);
    EXPECT_EQ(ControllerImage::SizeOf(doc), Built().size());
    EXPECT_EQ(ControllerImage::SizeOf(doc), 16u + 56 + 3 * (131 + 89) + 480 + 1424);
}

TEST_F(ImageBuilderTest, ZoneListOutOfOrderSetsBitsByIndexAndDropsZonesNotInUse) {
    doc.m_nMaxZones = 10;
    CStation& station = AddStation(4);
    station.m_Buttons[0].m_pZones = {CZone(9), CZone(1), CZone(1), CZone(10), CZone(98)};
    station.m_Buttons[1].m_pZones = {CZone(3)};
    station.m_Buttons[0].m_pZones.back().m_nZone = -3;
    const Bytes b = Built();
    EXPECT_EQ(b[24], 0x40);
    EXPECT_EQ(b[25], 0x40);
    EXPECT_EQ(b[26], 0x10) << "the next button's map starts where it should";
    EXPECT_EQ(b.size(), ControllerImage::SizeOf(doc));
}

TEST_F(ImageBuilderTest, TooLongTextKeepsItsFirstSixteenBytesAndIsReported) {
    CStation& station = AddStation(9);
    AddStation(10);
    station.m_Buttons[1].m_strName = "0123456789ABCDEFGH";
    station.m_Buttons[3].m_strName = "Exactly16Letters"; // fills its slot, is not too long
    station.m_strLcdText = std::string(40, 'L');
    doc.m_SoftButtons[88].m_strName = "SoftButton99 is far too long";
    const Bytes b = Built();
    const std::size_t texts = Word(b, 16 + 4);
    EXPECT_EQ(Text(b, texts + 16), "0123456789ABCDEF");
    EXPECT_EQ(Text(b, texts + 32), "HardButton3     ");
    EXPECT_EQ(Text(b, texts + 48), "Exactly16Letters");
    EXPECT_EQ(Text(b, texts + 144), std::string(16, 'L'));
    EXPECT_EQ(Word(b, 24 + 4), texts + 160);
    EXPECT_EQ(Text(b, Word(b, 10) + 88 * 16), "SoftButton99 is ");
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{
                  "The length of the LCD message for Station 1, Button 2 is too long",
                  "The length of the LCD message for Station 1, Break-Out Button is too long",
                  "The length of the LCD message for Global Button 89 is too long"}));
    EXPECT_EQ(ui.messages[0].caption, kAppTitle);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
}

TEST_F(ImageBuilderTest, RefusesAnImageLargerThanTheBufferWithoutWritingAnything) {
    for (int n = 0; n < 48; ++n)
        AddStation(48, n % 16 + 1, n / 16 + 1);
    ASSERT_EQ(ControllerImage::SizeOf(doc), 32933u);
    std::ofstream(file) << "previous";
    image.Reset(100);
    EXPECT_EQ(Build(), ImageBuild::Refused);
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(ReadImageFile(file), Bytes({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("32933 bytes"), std::string::npos) << ui.messages[0].text;

    doc.m_pStations.pop_back();
    EXPECT_EQ(Build(), ImageBuild::Built);
    EXPECT_EQ(image.Bytes().size(), 32301u);
}

TEST_F(ImageBuilderTest, RefusesMoreStationsThanTheCountByteHolds) {
    doc.m_nMaxZones = 1;
    for (int n = 0; n < 256; ++n)
        AddStation(3);
    EXPECT_EQ(Build(), ImageBuild::Refused);
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("255 stations"), std::string::npos) << ui.messages[0].text;

    doc.m_pStations.pop_back();
    const Bytes b = Built();
    EXPECT_EQ(b[6], 255);
}

TEST_F(ImageBuilderTest, FileHoldsTheSameBytesAsTheBuffer) {
    AddStation(10).m_Buttons[3].m_pZones = {CZone(5)};
    std::ofstream(file) << std::string(5000, 'x');
    const Bytes b = Built();
    EXPECT_EQ(ReadImageFile(file), b);
}

TEST_F(ImageBuilderTest, UnwritableFileIsReportedAndTheImageStaysUsable) {
    file = dir / "missing" / "CORVANTN.DAT";
    EXPECT_EQ(Build(), ImageBuild::FileNotWritten);
    EXPECT_EQ(image.Bytes().size(), 2597u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The controller image could not be written to " + file.string() +
                                       ": No such file or directory.");
}

TEST_F(ImageBuilderTest, BuildsUnderTheWaitCursor) {
    Build();
    EXPECT_EQ(ui.waitCursorShown, 1);
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

} // namespace
