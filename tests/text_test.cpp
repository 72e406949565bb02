// text_test.cpp - drawtext on a synthetic font strip: cell choice, spaces,
// unknown characters, the 255-character cap, clipping and odd arguments.
#include "draw/text.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr Uint32 blank = 0x00ABCDEF; // what the target holds before drawing

// The colour of pixel (x, y) of glyph cell k in the synthetic strip.
Uint32 glyph_pixel(int k, int x, int y) {
    return static_cast<Uint32>((k + 1) << 16 | x << 8 | y);
}

SDL_Surface* surface32(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

Uint32& pixel(SDL_Surface* s, int x, int y) {
    return *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + 4 * x);
}

// The glyph cell whose 7x16 picture stands at (x, y), -1 for an untouched
// area and -2 for anything else.
int cell_at(SDL_Surface* s, int x, int y) {
    Uint32 first = pixel(s, x, y);
    int k        = first == blank ? -1 : static_cast<int>(first >> 16) - 1;
    for (int dy = 0; dy < 16; dy++)
        for (int dx = 0; dx < 7; dx++) {
            Uint32 want = k == -1 ? blank : glyph_pixel(k, dx, dy);
            if (pixel(s, x + dx, y + dy) != want) return -2;
        }
    return k;
}

std::vector<int> cells(SDL_Surface* s, int x, int y, int n) {
    std::vector<int> found;
    for (int i = 0; i < n; i++) found.push_back(cell_at(s, x + 7 * i, y));
    return found;
}

bool untouched(SDL_Surface* s) {
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++)
            if (pixel(s, x, y) != blank) return false;
    return true;
}

// Puts a 40-cell strip into font[1] and a 16-cell one into font[0], and gives
// the fonts back as they were afterwards.
class text : public ::testing::Test {
  protected:
    SDL_Surface* saved[2] = {font[0], font[1]};
    SDL_Surface* target   = nullptr;

    void SetUp() override {
        for (int i = 0; i < 2; i++) {
            int n   = i == 0 ? 16 : 40;
            font[i] = surface32(7 * n, 16);
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < 7 * n; x++) pixel(font[i], x, y) = glyph_pixel(x / 7, x % 7, y);
        }
        target = make_target(200, 40);
    }
    void TearDown() override {
        SDL_FreeSurface(font[0]);
        SDL_FreeSurface(font[1]);
        font[0] = saved[0];
        font[1] = saved[1];
        SDL_FreeSurface(target);
    }
    static SDL_Surface* make_target(int w, int h) {
        SDL_Surface* s = surface32(w, h);
        SDL_FillRect(s, nullptr, blank);
        return s;
    }
};

SDL_Rect at(Sint16 x, Sint16 y) {
    return SDL_Rect{x, y, 0, 0};
}

TEST_F(text, characters_pick_their_cells_and_lower_case_draws_upper_case) {
    drawtext(at(0, 0), "09AZ-+.?", target, 1);
    EXPECT_EQ(cells(target, 0, 0, 9), (std::vector<int>{0, 9, 10, 35, 36, 37, 38, 39, -1}));

    drawtext(at(3, 20), "abc", target, 1);
    EXPECT_EQ(cells(target, 3, 20, 3), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(pixel(target, 2, 20), blank);
    drawtext(at(3, 20), "xyz", target, 1);
    EXPECT_EQ(cells(target, 3, 20, 3), (std::vector<int>{33, 34, 35}));
}

TEST_F(text, hex_digits_come_from_the_value_font) {
    drawtext(at(10, 10), "0F9a", target, 0);
    EXPECT_EQ(cells(target, 10, 10, 4), (std::vector<int>{0, 15, 9, 10}));
}

TEST_F(text, a_space_leaves_its_cell_as_it_was_and_still_advances) {
    drawtext(at(0, 0), "A B", target, 1);
    EXPECT_EQ(cells(target, 0, 0, 4), (std::vector<int>{10, -1, 11, -1}));

    drawtext(at(0, 20), "   C", target, 1);
    EXPECT_EQ(cells(target, 0, 20, 5), (std::vector<int>{-1, -1, -1, 12, -1}));
}

TEST_F(text, an_empty_text_draws_nothing) {
    drawtext(at(0, 0), "", target, 1);
    EXPECT_TRUE(untouched(target));
    drawtext(at(0, 0), "    ", target, 1);
    EXPECT_TRUE(untouched(target));
}

TEST_F(text, an_unknown_character_repeats_the_glyph_drawn_last) {
    drawtext(at(0, 0), "A!B\x01", target, 1);
    EXPECT_EQ(cells(target, 0, 0, 4), (std::vector<int>{10, 10, 11, 11}));
    // first in the text: the "0" glyph
    drawtext(at(0, 20), "!", target, 1);
    EXPECT_EQ(cell_at(target, 0, 20), 0);
    // a space in between does not forget the glyph; bytes above 127 are unknown
    drawtext(at(50, 20), "Q \xE9", target, 1);
    EXPECT_EQ(cells(target, 50, 20, 3), (std::vector<int>{26, -1, 26}));
}

TEST_F(text, consecutive_calls_are_independent) {
    drawtext(at(0, 0), "Z ", target, 1);
    drawtext(at(0, 20), "B", target, 1); // a full glyph despite the trailing space before
    EXPECT_EQ(cell_at(target, 0, 20), 11);
    drawtext(at(50, 0), "Z", target, 1);
    drawtext(at(50, 20), "#", target, 1); // the "0" glyph, not the "Z" of the last call
    EXPECT_EQ(cell_at(target, 50, 20), 0);
}

TEST_F(text, at_most_255_characters_are_read_and_drawn) {
    SDL_Surface* wide = make_target(7 * 300 + 7, 16);
    std::string long_text(300, 'A');
    drawtext(at(0, 0), long_text.c_str(), wide, 1);
    for (int i = 0; i < 301; i++) ASSERT_EQ(cell_at(wide, 7 * i, 0), i < 255 ? 10 : -1) << "cell " << i;

    // an unterminated text of 255 characters is not read past its end
    std::unique_ptr<char[]> exact(new char[255]);
    for (int i = 0; i < 255; i++) exact[i] = 'B';
    drawtext(at(0, 0), exact.get(), wide, 1);
    EXPECT_EQ(cell_at(wide, 7 * 254, 0), 11);
    EXPECT_EQ(cell_at(wide, 7 * 255, 0), -1);
    SDL_FreeSurface(wide);
}

TEST_F(text, glyphs_clipped_at_the_left_or_top_edge_do_not_shift_the_rest) {
    drawtext(at(-3, -5), "AB", target, 1);
    // "A" shows its columns 3..6 from rows 5 on; "B" starts at x 4
    EXPECT_EQ(pixel(target, 0, 0), glyph_pixel(10, 3, 5));
    EXPECT_EQ(pixel(target, 4, 0), glyph_pixel(11, 0, 5));
    EXPECT_EQ(pixel(target, 10, 10), glyph_pixel(11, 6, 15));
    EXPECT_EQ(pixel(target, 4, 11), blank);
    EXPECT_EQ(pixel(target, 11, 0), blank);
}

TEST_F(text, positions_far_right_wrap_without_drawing_anywhere_else) {
    std::string many(255, 'M');
    drawtext(at(32760, 0), many.c_str(), target, 1);
    drawtext(at(-32768, 0), many.c_str(), target, 1);
    EXPECT_TRUE(untouched(target));
}

TEST_F(text, bad_fonts_and_surfaces_draw_nothing) {
    drawtext(at(0, 0), "ABC", target, 2);
    drawtext(at(0, 0), "ABC", target, 255);
    drawtext(at(0, 0), "ABC", nullptr, 1);
    drawtext(at(0, 0), nullptr, target, 1);
    SDL_Surface* kept = font[1];
    font[1]           = nullptr;
    drawtext(at(0, 0), "ABC", target, 1);
    font[1] = kept;
    EXPECT_TRUE(untouched(target));
}

} // namespace
