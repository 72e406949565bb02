// text_test.cpp - drawtext on synthetic font strips: cell choice, spaces,
// unknown characters, the 255-character cap, clipping and odd arguments; then
// hexstring, strtohex and the decimal companions.
#include "draw/hex.h"
#include "draw/text.h"
#include "support.h"

namespace {

constexpr Uint32 blank = 0x00ABCDEF; // what the target holds before drawing

Uint32 glyph_pixel(int k, int x, int y) {
    return static_cast<Uint32>((k + 1) << 16 | x << 8 | y);
}

// The cells of the synthetic strips standing at (x, y) and n - 1 more to the
// right, by their characters: "_" for an untouched area, "#" for anything else.
std::string cells(SDL_Surface* s, int x, int y, int n) {
    std::string found;
    for (int i = 0; i < n; i++, x += 7) {
        int k = pixel_at(s, x, y) == blank ? -1 : static_cast<int>(pixel_at(s, x, y) >> 16) - 1;
        for (int dy = 0; dy < 16; dy++)
            for (int dx = 0; dx < 7; dx++)
                if (pixel_at(s, x + dx, y + dy) != (k == -1 ? blank : glyph_pixel(k, dx, dy))) k = -2;
        found += k < 0 ? "#_"[k + 2] : "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+.?"[k % 40];
    }
    return found;
}

SDL_Surface* plain(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, blank);
    return s;
}

// A 40-cell strip in font[1] and a 16-cell one in font[0], the fonts given
// back as they were afterwards, and a 200x40 target.
struct text : ::testing::Test {
    SDL_Surface* saved[2] = {font[0], font[1]};
    SDL_Surface* target   = plain(200, 40);
    void SetUp() override {
        for (int i = 0; i < 2; i++) {
            font[i] = plain(i ? 280 : 112, 16);
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < font[i]->w; x++) pixel32(font[i], x, y) = glyph_pixel(x / 7, x % 7, y);
        }
    }
    void TearDown() override {
        for (int i = 0; i < 2; i++) SDL_FreeSurface(font[i]), font[i] = saved[i];
        SDL_FreeSurface(target);
    }
    void draw(Sint16 x, Sint16 y, const char* text, Uint8 f = 1) { drawtext({x, y, 0, 0}, text, target, f); }
};

TEST_F(text, each_character_draws_its_cell_and_advances_one_cell) {
    // lower case draws upper case, font 0 has the hex digits, a space leaves
    // its cell as it was; an unknown character draws the glyph drawn last in
    // the text ("0" when it comes first, not the last call's "B"), even after
    // a space
    // clang-format off
    const struct { const char *text; Uint8 font; const char* want; } rows[] = {
        {"09AZ-+.?", 1, "09AZ-+.?_"}, {"abcxyz", 1, "ABCXYZ_"}, {"0F9a", 0, "0F9A_"}, {"A B", 1, "A_B_"},
        {"   C", 1, "___C_"}, {"", 1, "_"}, {"A!B\x01", 1, "AABB_"}, {"!", 1, "0_"}, {"Q \xE9", 1, "Q_Q_"}};
    // clang-format on
    for (auto& r : rows) {
        SDL_FillRect(target, nullptr, blank);
        draw(3, 20, r.text, r.font);
        EXPECT_EQ(cells(target, 3, 20, int(strlen(r.want))), r.want) << '"' << r.text << '"';
        EXPECT_EQ(cells(target, 3, 0, 28), std::string(28, '_')) << "only one row is drawn";
    }
}

TEST_F(text, at_most_255_characters_are_read_and_clipped_glyphs_do_not_shift_the_rest) {
    SDL_Surface* wide = plain(7 * 257, 16);
    drawtext({0, 0, 0, 0}, std::string(300, 'A').c_str(), wide, 1);
    EXPECT_EQ(cells(wide, 0, 0, 257), std::string(255, 'A') + "__");
    std::vector<char> exact(255, 'B'); // unterminated: not read past its end
    drawtext({0, 0, 0, 0}, exact.data(), wide, 1);
    EXPECT_EQ(cells(wide, 0, 0, 257), std::string(255, 'B') + "__");
    SDL_FreeSurface(wide);
    draw(-3, -5, "AB"); // "A" shows its columns 3..6 from row 5 on; "B" starts at x 4
    EXPECT_EQ(pixel_at(target, 0, 0), glyph_pixel(10, 3, 5));
    EXPECT_EQ(pixel_at(target, 4, 0), glyph_pixel(11, 0, 5));
    EXPECT_EQ(pixel_at(target, 10, 10), glyph_pixel(11, 6, 15));
    EXPECT_TRUE(pixel_at(target, 4, 11) == blank && pixel_at(target, 11, 0) == blank);
}

TEST_F(text, far_places_bad_fonts_and_surfaces_draw_nothing) {
    std::string many(255, 'M');
    draw(32760, 0, many.c_str()); // wraps past the right end
    draw(-32768, 0, many.c_str());
    draw(0, 0, "ABC", 2);
    draw(0, 0, nullptr);
    drawtext({0, 0, 0, 0}, "ABC", nullptr, 1);
    SDL_Surface* kept = font[1];
    font[1]           = nullptr;
    draw(0, 0, "ABC");
    font[1] = kept;
    EXPECT_EQ(cells(target, 0, 0, 28), std::string(28, '_'));
}

TEST(hex, hexstring_keeps_its_width_and_text_reads_back_by_place) {
    // clang-format off
    const struct { uint32_t value; uint8_t width; const char* text; } out[] = {
        {0x1234, 4, "1234"}, {uint32_t(-20), 4, "FFEC"}, {0x123456, 4, "3456"}, {0x5A5AFF, 6, "5A5AFF"},
        {0xAB, 2, "AB"}, {0xDEADBEEF, 8, "DEADBEEF"}, {0xDEADBEEF, 200, "DEADBEEF"}};
    // G counts nothing but keeps its place; a minus sign is the digit -3
    const struct { const char* text; int32_t hex, dec; } in[] = {
        {"FE84", 65156, 84}, {"00fF", 255, 0}, {"5A5AFF", 5921535, 505000}, {"1G", 16, 10}, {"", 0, 0},
        {"-1", -47, -29}, {":?", 10 * 16 + 15, 115}, {"FFFFFFFF", -1, 0}, {"100000000", 0, 100000000}};
    // clang-format on
    for (auto& r : out) EXPECT_STREQ(hexstring(r.value, r.width).s, r.text) << r.text;
    for (uint32_t v = 0; v < 0x1000000; v += 0x10101 + 13) {
        ASSERT_EQ(uint32_t(strtohex(hexstring(v, 6).s)), v);
        ASSERT_EQ(uint32_t(strtohex(hexstring(v, 4).s)), v & 0xFFFF);
    }
    for (auto& r : in) EXPECT_TRUE(strtohex(r.text) == r.hex && strtodec(r.text) == r.dec) << r.text;
    EXPECT_TRUE(powr(2, 10) == 1024 && powr(2, 32) == 0 && powr(-2, 3) == -8 && powr(3, 0) == 1);
    EXPECT_EQ(charlen("    A Button   "), 15u);
}

} // namespace
