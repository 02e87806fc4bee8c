// own
#include "platform/cp1252.h"

// std
#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\xE9\x9F"), "\u20AC\u00E9\u0178");
}

TEST(Cp1252, RefusesCharactersWithoutASingleByteAndMalformedUtf8) {
    EXPECT_EQ(Utf8ToCp1252("caf\u00E9 \u2122"), "caf\xE9 \x99");
    EXPECT_EQ(Utf8ToCp1252("\u4E2D"), std::nullopt);
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), std::nullopt); // emoji
    EXPECT_EQ(Utf8ToCp1252("\xC3"), std::nullopt);             // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), std::nullopt);         // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), std::nullopt);     // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xE9"), std::nullopt);             // a Windows-1252 byte, not UTF-8
}
