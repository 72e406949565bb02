// import_test.cpp - basecode.txt: which field each code line sets, how the
// scanner copes with text that is not code lines, and the round trip through
// code.txt written by the export.
#include "model/export.h"
#include "model/import.h"
#include "support.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <random>
#include <string>

namespace {

struct import_test : ::testing::Test {
    layout m{};
    layout fresh{};
    void SetUp() override {
        start_layout(m);
        start_layout(fresh);
    }
    // Imports text through a real stream, NUL bytes and all.
    void import(const std::string& text) {
        FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), f), text.size());
        std::rewind(f);
        import_base_code(f, m);
        EXPECT_TRUE(std::feof(f)) << "the import reads its stream to the end";
        std::fclose(f);
    }
};

// Every current value of the model, for comparing two models whole.
std::string values(const layout& m) {
    std::string s;
    for (const auto& e : m.elements) s += std::to_string(e.pos.x) + "," + std::to_string(e.pos.y) + " ";
    for (const auto& k : m.scales) s += std::to_string(k.value) + " ";
    for (const auto& c : m.colors)
        s += std::to_string(c.value.r) + "," + std::to_string(c.value.g) + "," + std::to_string(c.value.b) +
             " ";
    return s;
}

std::string homes(const layout& m) {
    std::string s;
    for (const auto& e : m.elements) s += std::to_string(e.home.x) + "," + std::to_string(e.home.y) + " ";
    for (const auto& k : m.scales) s += std::to_string(k.home) + " ";
    for (const auto& c : m.colors)
        s += std::to_string(c.home.r) + "," + std::to_string(c.home.g) + "," + std::to_string(c.home.b) + " ";
    return s;
}

TEST(normalize_offset, code_types_81_and_80_and_bare_offsets) {
    EXPECT_EQ(normalize_offset(0x812114C6u), 0x2114C6u);
    EXPECT_EQ(normalize_offset(0x81FFFFFFu), 0xFFFFFFu);
    EXPECT_EQ(normalize_offset(0x8008AAFBu), 0x08AAFAu) << "8-bit write: the even offset below";
    EXPECT_EQ(normalize_offset(0x80FFFFFFu), 0xFFFFFEu);
    EXPECT_EQ(normalize_offset(0x80000000u), 0xFFFFFFFFu) << "wraps and matches nothing";
    EXPECT_EQ(normalize_offset(0x002114C6u), 0x2114C6u);
    EXPECT_EQ(normalize_offset(0x7FFFFFFFu), 0x7FFFFFFFu);
    EXPECT_EQ(normalize_offset(0xFFFFFFFFu), 0x7EFFFFFFu);
    for (uint32_t zero : {0x81000000u, 0x80000001u, 0x00000000u}) EXPECT_EQ(normalize_offset(zero), 0u);
    // Another code type lands at 1000000 or above, beyond every offset.
    for (uint32_t other : {0xD0211258u, 0x01211258u, 0x82211258u, 0x7F000000u})
        EXPECT_GE(normalize_offset(other), 0x1000000u) << std::hex << other;
}

TEST_F(import_test, the_example_lines_set_their_fields) {
    import("81211258 0010\n");
    EXPECT_EQ(m.scales[7].value, 16);
    import("002114C6 00C8\n");
    EXPECT_EQ(m.elements[0].pos.x, 200);
    m.elements[0].pos.x = 0;
    import("812114C6 00C8\n");
    EXPECT_EQ(m.elements[0].pos.x, 200);
    import("8008AAFB 00FF\n");
    EXPECT_EQ(m.colors[3].value.r, 255);
    EXPECT_EQ(m.colors[3].value.g, 255) << "green is the home 255, untouched";
    import("8008AAFB 0007\n");
    EXPECT_EQ(m.colors[3].value.r, 7);
    EXPECT_EQ(m.colors[3].value.g, 255);
    import("812117DE 0030\n");
    EXPECT_EQ(m.elements[9].pos.x, 48);
    import("81211506 0100\n812114C4 FFF9\n");
    EXPECT_EQ(m.elements[10].pos.x, 256);
    EXPECT_EQ(m.elements[0].pos.y, -7);
    EXPECT_EQ(homes(m), homes(fresh)) << "homes never change";
}

TEST_F(import_test, lines_of_offset_zero_and_of_other_code_types_change_nothing) {
    import("81000000 1234\n80000001 1234\n00000000 1234\n80000000 1234\nD0211258 0010\n"
           "82211258 0010\n01211258 0010\n812114C7 0001\n");
    EXPECT_EQ(values(m), values(fresh));
}

TEST_F(import_test, each_section_stores_its_own_kind_of_value) {
    // Coordinates: the low 16 bits, signed.
    apply_code(m, 0x2119B2, 0x8000); // C-Right Number y, section C
    EXPECT_EQ(m.elements[20].pos.y, -32768);
    apply_code(m, 0x211238, 0xFFFF); // B Button y, section A
    EXPECT_EQ(m.elements[1].pos.y, -1);
    apply_code(m, 0x211238, 0x7FFF);
    EXPECT_EQ(m.elements[1].pos.y, 32767);
    // Scale slots: the value 0 to FFFF, never negative.
    apply_code(m, 0x2114C8, 0xFFFF);
    EXPECT_EQ(m.scales[0].value, 0xFFFF);
    apply_code(m, 0x21125E, 0);
    EXPECT_EQ(m.scales[11].value, 0);
    apply_code(m, 0x211240, 0x12345);
    EXPECT_EQ(m.scales[1].value, 0x2345);
    // Colour channels: the low byte.
    apply_code(m, 0x2111A8, 0x1FF);
    EXPECT_EQ(m.colors[7].value.b, 0xFF);
    apply_code(m, 0x21194A, 0x0100);
    EXPECT_EQ(m.colors[6].value.g, 0);
    EXPECT_EQ(m.colors[6].value.r, 0);
    EXPECT_EQ(m.colors[6].value.b, 255);
    // The Rupee Icon's x has different offsets in sections A and C; both reach it.
    apply_code(m, 0x08AB55, 3);
    EXPECT_EQ(m.elements[6].pos.x, 3);
    apply_code(m, 0x0BF3D2, 4);
    EXPECT_EQ(m.elements[6].pos.x, 4);
    EXPECT_EQ(m.elements[6].pos.y, 206);
}

TEST_F(import_test, every_offset_reaches_exactly_the_fields_that_hold_it) {
    // One distinct value per entry; every other value must stay at home.
    for (int i = 0; i < offset_count; i++) {
        if (m.code_offsets[i] == 0) continue;
        start_layout(m);
        apply_code(m, static_cast<uint32_t>(m.code_offsets[i]), 0x3C);
        int changed = 0;
        for (int e = 0; e < element_count; e++)
            changed +=
                (m.elements[e].pos.x != m.elements[e].home.x) + (m.elements[e].pos.y != m.elements[e].home.y);
        for (const auto& k : m.scales) changed += k.value != k.home;
        for (const auto& c : m.colors)
            changed += (c.value.r != c.home.r) + (c.value.g != c.home.g) + (c.value.b != c.home.b);
        EXPECT_EQ(changed, 1) << "offset index " << i;
        // The field that changed is the one the export writes at this offset
        // (the x offsets of the rupee items in section A are never written).
        if (i < section_e && std::find(std::begin(skip_offsets), std::end(skip_offsets), m.code_offsets[i]) !=
                                 std::end(skip_offsets))
            continue;
        char text[export_capacity];
        format_codes(m, text, sizeof text);
        char line[16];
        std::snprintf(line, sizeof line, "81%06X 003C\n", static_cast<unsigned>(m.code_offsets[i]));
        EXPECT_NE(std::strstr(text, line), nullptr) << "offset index " << i << ": " << text;
    }
}

TEST_F(import_test, later_lines_override_earlier_ones_and_case_and_spacing_are_free) {
    import("81211258 0010\n81211258 0020\n");
    EXPECT_EQ(m.scales[7].value, 0x20);
    import("\t 812114c6\t\t00c8 \n\n\n   812114C4  00Ab\n");
    EXPECT_EQ(m.elements[0].pos.x, 200);
    EXPECT_EQ(m.elements[0].pos.y, 0xAB);
    import("812114C600C9"); // no separator, no line end
    EXPECT_EQ(m.elements[0].pos.x, 0xC9);
    import("81211258\n0030\n"); // the separator may be a line end
    EXPECT_EQ(m.scales[7].value, 0x30);
    import("812117E0 7"); // short fields
    EXPECT_EQ(m.elements[9].pos.y, 7);
}

TEST_F(import_test, empty_and_blank_files_change_nothing) {
    for (const char* text : {"", "\n", "\n\n\n", "\r", "\r\r\r\r", "\r\n\r\n", "   \t  ", " \v\f "}) {
        import(text);
        EXPECT_EQ(values(m), values(fresh)) << '"' << text << '"';
    }
}

TEST_F(import_test, windows_line_ends_and_a_missing_final_line_end) {
    import("81211258 0011\r\n812114C6 00C9\r\n812117E0 0005");
    EXPECT_EQ(m.scales[7].value, 0x11);
    EXPECT_EQ(m.elements[0].pos.x, 0xC9);
    EXPECT_EQ(m.elements[9].pos.y, 5);
    // Carriage returns alone end lines too, also after a line that is skipped.
    start_layout(m);
    import("# old Mac file\r81211258 0012\rjunk\r812114C6 00CA\r");
    EXPECT_EQ(m.scales[7].value, 0x12);
    EXPECT_EQ(m.elements[0].pos.x, 0xCA);
}

TEST_F(import_test, lines_that_are_not_read_whole_are_skipped_and_the_rest_still_applies) {
    import("# my layout\n"
           "81211258 0010\n"
           "; moved the map\n"
           "812117DE 0030  trailing words after a whole line\n"
           "hello world 812114C6 00C8\n"
           "812114C4 zz\n"
           "-1 5\n"
           "0x812114C6 0001\n"
           "G1211258 0001\n"
           "812114C4 FFF9\n"
           "// last one is truncated\n"
           "81211240");
    EXPECT_EQ(m.scales[7].value, 16);
    EXPECT_EQ(m.elements[9].pos.x, 48);
    EXPECT_EQ(m.elements[0].pos.x, 186) << "a comment line's codes are not read";
    EXPECT_EQ(m.elements[0].pos.y, -7);
    EXPECT_EQ(m.scales[1].value, 575) << "a truncated last line applies nothing";
}

TEST_F(import_test, an_overlong_field_starts_the_next_one) {
    // Nine digits: the ninth starts field 2, and field 2's fourth digit is cut.
    import("8121125800010\n");
    EXPECT_EQ(m.scales[7].value, 1);
    start_layout(m);
    // Five digits in field 2: its fifth starts the next line's field 1, which
    // then pairs with the next line's address as its value.
    import("81211258 00105\n812114C6 00C8\n");
    EXPECT_EQ(m.scales[7].value, 0x10);
    EXPECT_EQ(m.elements[0].pos.x, 186);
}

TEST_F(import_test, nul_bytes_and_binary_garbage_are_skipped) {
    std::string text = std::string("\0\0\0\n", 4) + "81211258 0010\n" +
                       std::string("8121\0"
                                   "1240 0001\n",
                                   15) +
                       std::string(1000, '\0') + "\n812114C6 00C8\n";
    import(text);
    EXPECT_EQ(m.scales[7].value, 16);
    EXPECT_EQ(m.scales[1].value, 575);
    EXPECT_EQ(m.elements[0].pos.x, 200);

    std::mt19937 rng(7);
    for (int round = 0; round < 50; round++) {
        std::string junk(4096, '\0');
        for (char& c : junk) c = static_cast<char>(rng() & 0xFF);
        start_layout(m);
        import(junk); // must end; any values it sets are of the model's kinds
        for (const auto& k : m.scales) EXPECT_TRUE(k.value == k.home || (k.value >= 0 && k.value <= 0xFFFF));
        EXPECT_EQ(homes(m), homes(fresh));
    }
}

TEST_F(import_test, long_single_lines_and_many_lines_end) {
    // 1 MB of one junk line, then a code line.
    import(std::string(1 << 20, 'x') + "\n81211258 0010\n");
    EXPECT_EQ(m.scales[7].value, 16);
    // 1 MB of white space without a line end.
    import(std::string(1 << 20, ' '));
    EXPECT_EQ(m.scales[7].value, 16);
    // 1 MB of digits on one line: read as back-to-back 12-digit codes.
    start_layout(m);
    std::string digits;
    while (digits.size() < (1u << 20)) digits += "812114C60007";
    import(digits);
    EXPECT_EQ(m.elements[0].pos.x, 7);
    // A million lines; the last one wins.
    start_layout(m);
    std::string many;
    many.reserve(14u * 1000000u);
    char line[16];
    for (int i = 0; i < 1000000; i++) {
        std::snprintf(line, sizeof line, "81211258 %04X\n", i & 0xFFFF);
        many += line;
    }
    import(many);
    EXPECT_EQ(m.scales[7].value, (1000000 - 1) & 0xFFFF);
}

// ---- round trip through code.txt -----------------------------------------------

TEST(import_round_trip, exported_code_reads_back_to_the_same_layout) {
    temp_dir dir;
    layout fresh{};
    start_layout(fresh);
    std::mt19937 rng(20240611);
    for (int seed = 0; seed < 200; seed++) {
        layout edited{};
        start_layout(edited);
        // Edit a random handful of values, each to a random value of its kind.
        int edits = 1 + static_cast<int>(rng() % 40);
        for (int n = 0; n < edits; n++) {
            switch (rng() % 3) {
            case 0: {
                SDL_Rect& p             = edited.elements[rng() % element_count].pos;
                (rng() % 2 ? p.x : p.y) = static_cast<Sint16>(static_cast<uint16_t>(rng()));
                break;
            }
            case 1: edited.scales[rng() % scale_count].value = static_cast<int32_t>(rng() % 0x10000); break;
            default: {
                SDL_Color& c = edited.colors[rng() % color_count].value;
                Uint8 v      = static_cast<Uint8>(rng());
                switch (rng() % 3) {
                case 0: c.r = v; break;
                case 1: c.g = v; break;
                default: c.b = v; break;
                }
            }
            }
        }
        ASSERT_TRUE(export_codes(edited, "code.txt"));
        std::rename("code.txt", "basecode.txt");

        layout back{};
        start_layout(back);
        FILE* f = std::fopen("basecode.txt", "r");
        ASSERT_NE(f, nullptr);
        import_base_code(f, back);
        std::fclose(f);

        // Values without an offset start from their homes again.
        layout expected          = edited;
        expected.elements[8].pos = expected.elements[8].home;
        for (int k : {2, 8, 12}) expected.scales[k].value = expected.scales[k].home;
        for (int k : {4, 5}) expected.colors[k].value = expected.colors[k].home;
        ASSERT_EQ(values(back), values(expected)) << "seed " << seed;
        ASSERT_EQ(homes(back), homes(fresh));
    }
}

} // namespace
