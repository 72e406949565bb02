// hex_test.cpp - hexstring and strtohex, their round trips and odd characters,
// and the decimal companions.
#include "draw/hex.h"

#include <gtest/gtest.h>

namespace {

TEST(hex, hexstring_keeps_the_requested_width_and_strtohex_reads_it_back) {
    const struct {
        uint32_t value;
        uint8_t width;
        const char* text;
    } rows[] = {
        {0x1234, 4, "1234"},
        {static_cast<uint32_t>(-20), 4, "FFEC"},
        {0x123456, 4, "3456"},
        {0x5A5AFF, 6, "5A5AFF"},
        {0xAB, 2, "AB"},
        {0xDEADBEEF, 8, "DEADBEEF"},
        {0xDEADBEEF, 200, "DEADBEEF"}, // never past 8 digits
    };
    for (auto& r : rows) EXPECT_STREQ(hexstring(r.value, r.width).s, r.text) << r.text;
    // strtohex reads 4 and 6 digits back
    for (uint32_t v = 0; v < 0x10000; v += 7)
        ASSERT_EQ(static_cast<uint32_t>(strtohex(hexstring(v, 4).s)), v);
    for (uint32_t v = 0; v < 0x1000000; v += 0x10101 + 13)
        ASSERT_EQ(static_cast<uint32_t>(strtohex(hexstring(v, 6).s)), v);
}

TEST(hex, text_to_number_reads_digits_and_odd_characters_by_place) {
    const struct {
        const char* text;
        int32_t hex, dec;
    } rows[] = {
        {"FE84", 65156, 84},
        {"00fF", 255, 0},
        {"5A5AFF", 5921535, 505000},
        {"1G", 16, 10}, // G counts nothing but keeps its place
        {"", 0, 0},
        {"-1", -47, -29}, // a minus sign is the digit -3
        {":?", 10 * 16 + 15, 115},
        {"FFFFFFFF", -1, 0},
        {"100000000", 0, 100000000},
        {"120", 0x120, 120},
    };
    for (auto& r : rows) {
        EXPECT_EQ(strtohex(r.text), r.hex) << r.text;
        EXPECT_EQ(strtodec(r.text), r.dec) << r.text;
    }
    EXPECT_EQ(powr(2, 10), 1024);
    EXPECT_EQ(powr(2, 32), 0); // wraps
    EXPECT_EQ(powr(-2, 3), -8);
    EXPECT_EQ(powr(3, 0), 1);
    EXPECT_EQ(charlen("    A Button   "), 15u);
}

} // namespace
