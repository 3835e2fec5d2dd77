#include "orders/check_digit.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(CheckDigit, WeightsTwoToSixAndElevenComplement)
{
    // 12345x: s = 2+6+12+20+30 = 70, 70 mod 11 = 4, c = 7.
    EXPECT_TRUE(CheckDigit::isValid("123457"));
    EXPECT_FALSE(CheckDigit::isValid("123456"));
    // 00000x: s = 0, c = 11 -> 0.
    EXPECT_TRUE(CheckDigit::isValid("000000"));
    // 10000x: s = 2, c = 9.
    EXPECT_TRUE(CheckDigit::isValid("100009"));
    // 00001x: s = 6, c = 5; 50000x: s = 10, c = 1; 01000x: s = 3, c = 8.
    EXPECT_TRUE(CheckDigit::isValid("000015"));
    EXPECT_TRUE(CheckDigit::isValid("500001"));
    // 40000x: s = 8, c = 3; 60000x: s = 12 -> 1, c = 10 -> 0.
    EXPECT_TRUE(CheckDigit::isValid("600000"));
}

TEST(CheckDigit, OnlySixDigitsCanPass)
{
    EXPECT_FALSE(CheckDigit::isValid("12345"));
    EXPECT_FALSE(CheckDigit::isValid("1234570"));
    EXPECT_FALSE(CheckDigit::isValid("12345A"));
    EXPECT_EQ(CheckDigit::digitsOf(" 123-457^"), "123457");
    EXPECT_EQ(CheckDigit::digitsOf("C#-"), "");
}
