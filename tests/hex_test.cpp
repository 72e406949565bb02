// hex_test.cpp - hexstring and strtohex, their round trips and odd characters.
#include "draw/hex.h"

#include <gtest/gtest.h>

namespace {

TEST(hex, hexstring_keeps_only_the_requested_width) {
    EXPECT_STREQ(hexstring(0x1234, 4).s, "1234");
    EXPECT_STREQ(hexstring(static_cast<uint32_t>(-20), 4).s, "FFEC");
    EXPECT_STREQ(hexstring(static_cast<uint32_t>(-1), 4).s, "FFFF");
    EXPECT_STREQ(hexstring(0x5A5AFF, 6).s, "5A5AFF");
    EXPECT_STREQ(hexstring(0x123456, 4).s, "3456");
    EXPECT_STREQ(hexstring(0xDEADBEEF, 8).s, "DEADBEEF");
    EXPECT_STREQ(hexstring(0xAB, 2).s, "AB");
    EXPECT_STREQ(hexstring(0xDEADBEEF, 200).s, "DEADBEEF"); // never past 8 digits
}

TEST(hex, strtohex_reads_digits_and_odd_characters_by_place) {
    EXPECT_EQ(strtohex("FE84"), 65156);
    EXPECT_EQ(strtohex("00fF"), 255);
    EXPECT_EQ(strtohex("0010"), 16);
    EXPECT_EQ(strtohex("5A5AFF"), 5921535);
    EXPECT_EQ(strtohex("1G"), 16); // G counts nothing but keeps its place
    EXPECT_EQ(strtohex(""), 0);
    EXPECT_EQ(strtohex("-1"), -47); // a minus sign is the digit -3
    EXPECT_EQ(strtohex(":?"), 10 * 16 + 15);
    EXPECT_EQ(strtohex("FFFFFFFF"), -1);
    EXPECT_EQ(strtohex("100000000"), 0); // wraps modulo 2^32
}

TEST(hex, hexstring_and_strtohex_are_inverse_on_4_and_6_digit_texts) {
    for (uint32_t v = 0; v < 0x10000; v += 7) {
        EXPECT_EQ(static_cast<uint32_t>(strtohex(hexstring(v, 4).s)), v);
    }
    for (uint32_t v = 0; v < 0x1000000; v += 0x10101 + 13) {
        EXPECT_EQ(static_cast<uint32_t>(strtohex(hexstring(v, 6).s)), v);
    }
}

TEST(hex, decimal_companions) {
    EXPECT_EQ(strtodec("120"), 120);
    EXPECT_EQ(strtodec("1x0"), 100);
    EXPECT_EQ(strtodec(""), 0);
    EXPECT_EQ(powr(3, 0), 1);
    EXPECT_EQ(powr(2, 10), 1024);
    EXPECT_EQ(powr(2, 32), 0); // wraps
    EXPECT_EQ(powr(-2, 3), -8);
    EXPECT_EQ(charlen(""), 0u);
    EXPECT_EQ(charlen("    A Button   "), 15u);
}

} // namespace
