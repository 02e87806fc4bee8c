#include "serial/frame_codec.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Escaped(uint8_t byte) {
    Bytes line;
    AppendEscaped(line, byte);
    return line;
}

// Decodes a whole line, one value per decoded byte.
std::vector<int> Decode(const Bytes& line) {
    CEscapeDecoder decoder;
    std::vector<int> values;
    for (uint8_t byte : line) {
        int value = 0;
        if (decoder.Feed(byte, value)) values.push_back(value);
    }
    return values;
}

} // namespace

TEST(FrameCodec, EscapesOnlyTheStartAndEscapeBytes) {
    EXPECT_EQ(Escaped(0xF1), (Bytes{0xF0, 0x01}));
    EXPECT_EQ(Escaped(0xF0), (Bytes{0xF0, 0x00}));
    EXPECT_EQ(Escaped(0xEF), (Bytes{0xEF}));
    EXPECT_EQ(Escaped(0xF2), (Bytes{0xF2}));
    EXPECT_EQ(Escaped(0x00), (Bytes{0x00}));
}

TEST(FrameCodec, AddressPrefixTakesTheShortestUnambiguousForm) {
    EXPECT_EQ(AddressPrefix(0), (Bytes{0x00}));
    EXPECT_EQ(AddressPrefix(0xFD), (Bytes{0xFD}));
    EXPECT_EQ(AddressPrefix(0x1234), (Bytes{0xFE, 0x34, 0x12}));
    EXPECT_EQ(AddressPrefix(0xFFFF), (Bytes{0xFE, 0xFF, 0xFF}));
    EXPECT_EQ(AddressPrefix(0x10000), (Bytes{0xFF, 0x00, 0x00, 0x01, 0x00}));
    EXPECT_EQ(AddressPrefix(0xA1B2C3D4), (Bytes{0xFF, 0xD4, 0xC3, 0xB2, 0xA1}));
}

TEST(FrameCodec, AddressesThatLookLikeMarkersAreNotSentAsOneByte) {
    EXPECT_EQ(AddressPrefix(0xFE), (Bytes{0xFE, 0xFE, 0x00}));
    EXPECT_EQ(AddressPrefix(0xFF), (Bytes{0xFE, 0xFF, 0x00}));
}

TEST(FrameCodec, EncodeFrameEscapesPrefixAndMessageButNotTheStart) {
    EXPECT_EQ(EncodeFrame(AddressPrefix(0), Bytes{0x01}), (Bytes{0xF1, 0x00, 0x01}));
    EXPECT_EQ(EncodeFrame(Bytes{0xF0}, Bytes{0x03, 0xF1, 0x41}),
              (Bytes{0xF1, 0xF0, 0x00, 0x03, 0xF0, 0x01, 0x41}));
}

TEST(FrameCodec, DecoderUndoesEveryEscape) {
    EXPECT_EQ(Decode({0xF0, 0x00, 0xF0, 0x01, 0x41}), (std::vector<int>{0xF0, 0xF1, 0x41}));
    EXPECT_EQ(Decode({0xF1, 0x00}), (std::vector<int>{kDecodedStart, 0}));
}

TEST(FrameCodec, DecoderTreatsAnEscapeCutShortByAStartAsThatStart) {
    EXPECT_EQ(Decode({0x41, 0xF0, 0xF1, 0x00}), (std::vector<int>{0x41, kDecodedStart, 0}));
}

TEST(FrameCodec, DecoderRefusesEscapesThatStandForNothing) {
    // Never a value of 256 or more that a caller could store truncated as a data byte.
    EXPECT_EQ(Decode({0xF0, 0x02}), (std::vector<int>{kDecodedBadEscape}));
    EXPECT_EQ(Decode({0xF0, 0xF0, 0x00}), (std::vector<int>{kDecodedBadEscape, 0x00}));
    EXPECT_EQ(Decode({0xF0, 0xFF}), (std::vector<int>{kDecodedBadEscape}));
}

TEST(FrameCodec, EveryByteSurvivesEncodingAndDecoding) {
    Bytes message;
    for (int b = 0; b < 256; ++b)
        message.push_back(static_cast<uint8_t>(b));
    const Bytes line = EncodeFrame({}, message);
    std::vector<int> expected{kDecodedStart};
    expected.insert(expected.end(), message.begin(), message.end());
    EXPECT_EQ(Decode(line), expected);
}
