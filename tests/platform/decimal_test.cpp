#include "platform/decimal.h"

#include <gtest/gtest.h>

TEST(ParseDecimal, ReadsLikeTheCLibrary) {
    EXPECT_EQ(ParseDecimal("2500abc"), 2500);
    EXPECT_EQ(ParseDecimal("  \t-12"), -12);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("--3"), 0);
    EXPECT_EQ(ParseDecimal("3 4"), 3);
}

TEST(ParseDecimal, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(ParseDecimal("4294967297"), INT32_MAX);
    EXPECT_EQ(ParseDecimal("99999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(ParseDecimal("-4294967297"), INT32_MIN);
    EXPECT_EQ(ParseDecimal("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseDecimal("-2147483648"), INT32_MIN);
}
