// Images read back: what they hold, the round trip over random configurations, and the refusal
// of every kind of damage with the byte where it breaks.

// own
#include "download/image_builder.h"
#include "download/image_decoder.h"
#include "model/config_diff.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// std
#include <gtest/gtest.h>
#include <numeric>

namespace {

using Bytes = std::vector<uint8_t>;

class ImageDecoderTest : public ::testing::Test {
protected:
    Bytes Pack() {
        EXPECT_EQ(PackControllerImage(doc, *image), "");
        return Bytes(image->Bytes().begin(), image->Bytes().end());
    }

    // Rewrites the checksum so that only the damage a test makes is seen.
    static void Reseal(Bytes& b) {
        const unsigned sum = std::accumulate(b.begin() + 4, b.end(), 0u) & 0xFFFF;
        b[2] = static_cast<uint8_t>(sum);
        b[3] = static_cast<uint8_t>(sum >> 8);
    }

    static std::string Refusal(const Bytes& b) {
        const ImageDecoding decoded = DecodeControllerImage(b);
        EXPECT_FALSE(decoded.contents);
        return decoded.refusal;
    }

    CScriptedUi ui;
    CKVDoc doc{ui};
    std::unique_ptr<ControllerImage> image = std::make_unique<ControllerImage>();
};

TEST_F(ImageDecoderTest, HoldsWhatAnImageCarriesAndNoNames) {
    doc.OnNewDocument();
    doc.m_nMaxZones = 20;
    CStation& paging = *doc.m_pStations[0];
    paging.SetName("Front desk");
    paging.SetPort(16);
    paging.SetAddress(15);
    paging.m_Buttons[1].ToggleZone(19);
    auto breakOut = std::make_unique<CStation>();
    breakOut->SetType(9);
    breakOut->SetGroup(0);
    breakOut->SetAddress(2);
    breakOut->SetLcdText("WELCOME ");
    breakOut->m_Buttons[8].SetName("Exit  ");
    doc.m_pStations.push_back(std::move(breakOut));
    doc.m_SoftButtons[88].SetName("Fire");
    doc.m_SoftButtons[88].ToggleZone(0);

    const ImageDecoding decoded = DecodeControllerImage(Pack());
    ASSERT_TRUE(decoded.contents) << decoded.refusal;
    const ConfigContents& c = *decoded.contents;
    EXPECT_EQ(c.maxZones, 20);
    EXPECT_FALSE(c.version);
    EXPECT_FALSE(c.zoneNames);
    ASSERT_EQ(c.stations.size(), 2u);
    EXPECT_FALSE(c.stations[0].name);
    EXPECT_EQ(c.stations[0].port, 16);
    EXPECT_EQ(c.stations[0].address, 15);
    ASSERT_EQ(c.stations[0].buttons.size(), 4u);
    EXPECT_FALSE(c.stations[0].buttons[0].name); // a 4-button station shows no texts
    EXPECT_EQ(c.stations[0].buttons[1].zones, std::vector<int>{19});
    EXPECT_FALSE(c.stations[0].lcdText);
    EXPECT_EQ(c.stations[1].type, 9);
    EXPECT_EQ(c.stations[1].group, 0);
    EXPECT_EQ(c.stations[1].lcdText, "WELCOME");
    EXPECT_EQ(c.stations[1].buttons[8].name, "Exit");
    EXPECT_EQ(c.stations[1].buttons[0].name, "HardButton1");
    ASSERT_EQ(c.softButtons.size(), 89u);
    EXPECT_EQ(c.softButtons[88].name, "Fire");
    EXPECT_EQ(c.softButtons[88].zones, std::vector<int>{0});
}

TEST_F(ImageDecoderTest, RandomConfigurationsComeBackWithoutDifferenceAndOneZoneIsOneLine) {
    std::mt19937 random(2026);
    for (int round = 0; round < 60; ++round) {
        FillRandomConfig(doc, random);
        const ImageDecoding decoded = DecodeControllerImage(Pack());
        ASSERT_TRUE(decoded.contents) << decoded.refusal;
        const ConfigContents file = ContentsOf(doc);
        EXPECT_TRUE(CompareContents(file, *decoded.contents).empty()) << "round " << round;

        auto& station = *doc.m_pStations.back();
        const int zone = static_cast<int>(random() % static_cast<unsigned>(doc.m_nMaxZones));
        const bool on = station.m_Buttons[0].ToggleZone(zone);
        const auto differences = CompareContents(ContentsOf(doc), *decoded.contents);
        ASSERT_EQ(differences.size(), 1u) << "round " << round;
        EXPECT_EQ(differences[0].item, "HB-01 zone " + std::to_string(zone + 1));
        EXPECT_EQ(differences[0].from, on ? "on" : "off");
        EXPECT_EQ(differences[0].to, on ? "off" : "on");
    }
}

TEST_F(ImageDecoderTest, TheLargestConfigurationComesBack) {
    FillLargestConfig(doc);
    const ImageDecoding decoded = DecodeControllerImage(Pack());
    ASSERT_TRUE(decoded.contents) << decoded.refusal;
    EXPECT_TRUE(CompareContents(ContentsOf(doc), *decoded.contents).empty());
}

TEST_F(ImageDecoderTest, RefusesDamageSayingWhereItBreaks) {
    doc.OnNewDocument();
    doc.m_pStations[0]->SetType(10);
    const Bytes good = Pack();
    ASSERT_TRUE(DecodeControllerImage(good).contents);

    EXPECT_EQ(Refusal(Bytes(good.begin(), good.begin() + 10)),
              "10 bytes, shorter than the 16-byte header");
    EXPECT_EQ(Refusal(Bytes(40000, 0)), "40000 bytes, more than an image may have (32768)");
    Bytes cut(good.begin(), good.end() - 1);
    EXPECT_EQ(Refusal(cut).rfind("byte 0: length ", 0), 0u) << Refusal(cut);

    Bytes b = good;
    b[100] ^= 0x01;
    EXPECT_EQ(Refusal(b).rfind("byte 2: checksum 0x", 0), 0u) << Refusal(b);

    // One byte changed and the checksum made right again, so that only the change is seen.
    const auto damaged = [&good](std::size_t at, int value) {
        Bytes d = good;
        d[at] = static_cast<uint8_t>(value);
        Reseal(d);
        return Refusal(d);
    };
    EXPECT_EQ(damaged(5, 0x02), "byte 5: format byte 0x02 (0x01)");
    EXPECT_EQ(damaged(7, 100), "byte 7: zone count 100 (1 to 99)");
    EXPECT_EQ(damaged(16, 0x10), "byte 16: station 1: address 0 (1 to 15)"); // port 2, address 0
    EXPECT_EQ(damaged(17, 6), "byte 17: station 1: type code 6 (0 to 5)");
    // A 4-button station: the image is then too long for what it holds.
    EXPECT_EQ(damaged(17, 0).rfind("byte 0: an image of these 1 stations and 99 zones has ", 0), 0u);
    EXPECT_EQ(damaged(22, 17), "byte 22: station 1: group 17 (0 to 16)");
    EXPECT_EQ(damaged(18, good[18] + 1), "byte 18: zone map offset 25, where the image has it at 24");
    // Zone 100 is the bit after zone 99 in the last byte of the first map.
    EXPECT_EQ(damaged(24 + 12, good[24 + 12] | 0x10), "byte 36: zone 100 set, beyond the 99 zones");
    EXPECT_EQ(damaged(21, 0).rfind("byte 20: LCD text offset ", 0), 0u);
}

TEST_F(ImageDecoderTest, AnyDamagedByteIsRefusedOrReadNeverBeyondTheBytes) {
    doc.OnNewDocument();
    doc.m_pStations[0]->SetType(9);
    const Bytes good = Pack();
    for (std::size_t at = 0; at < good.size(); at += 7) {
        Bytes b = good;
        b[at] ^= 0x5A;
        const ImageDecoding decoded = DecodeControllerImage(b);
        EXPECT_NE(decoded.contents.has_value(), !decoded.refusal.empty()) << at;
    }
}

} // namespace
