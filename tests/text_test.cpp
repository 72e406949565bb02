// text_test.cpp - drawtext on a synthetic font strip: cell choice, spaces,
// unknown characters, the 255-character cap, clipping and odd arguments.
#include "draw/text.h"
#include "support.h"

#include <memory>

namespace {

constexpr Uint32 blank = 0x00ABCDEF; // what the target holds before drawing

// The colour of pixel (x, y) of glyph cell k in the synthetic strips.
Uint32 glyph_pixel(int k, int x, int y) {
    return static_cast<Uint32>((k + 1) << 16 | x << 8 | y);
}

SDL_Surface* target_of(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, blank);
    return s;
}

// The glyph cell whose 7x16 picture stands at (x, y), -1 for an untouched
// area and -2 for anything else.
int cell_at(SDL_Surface* s, int x, int y) {
    Uint32 first = pixel_at(s, x, y);
    int k        = first == blank ? -1 : static_cast<int>(first >> 16) - 1;
    for (int dy = 0; dy < 16; dy++)
        for (int dx = 0; dx < 7; dx++)
            if (pixel_at(s, x + dx, y + dy) != (k == -1 ? blank : glyph_pixel(k, dx, dy))) return -2;
    return k;
}

std::vector<int> cells(SDL_Surface* s, int x, int y, int n) {
    std::vector<int> found;
    for (int i = 0; i < n; i++) found.push_back(cell_at(s, x + 7 * i, y));
    return found;
}

SDL_Rect at(Sint16 x, Sint16 y) {
    return SDL_Rect{x, y, 0, 0};
}

// Puts a 40-cell strip into font[1] and a 16-cell one into font[0], and gives
// the fonts back as they were afterwards.
struct text : ::testing::Test {
    SDL_Surface* saved[2] = {font[0], font[1]};
    SDL_Surface* target   = nullptr;
    void SetUp() override {
        for (int i = 0; i < 2; i++) {
            font[i] = target_of(7 * (i == 0 ? 16 : 40), 16);
            for (int y = 0; y < 16; y++)
                for (int x = 0; x < font[i]->w; x++) pixel32(font[i], x, y) = glyph_pixel(x / 7, x % 7, y);
        }
        target = target_of(200, 40);
    }
    void TearDown() override {
        SDL_FreeSurface(font[0]);
        SDL_FreeSurface(font[1]);
        font[0] = saved[0];
        font[1] = saved[1];
        SDL_FreeSurface(target);
    }
    bool untouched() const { return cells(target, 0, 0, 28) == std::vector<int>(28, -1); }
};

TEST_F(text, each_character_draws_its_cell_and_advances_one_cell) {
    const struct {
        const char* text;
        Uint8 font;
        std::vector<int> want; // one cell more than the text
    } rows[] = {
        {"09AZ-+.?", 1, {0, 9, 10, 35, 36, 37, 38, 39, -1}},
        {"abcxyz", 1, {10, 11, 12, 33, 34, 35, -1}}, // lower case draws upper case
        {"0F9a", 0, {0, 15, 9, 10, -1}},             // hex digits from the value font
        {"A B", 1, {10, -1, 11, -1}},                // a space leaves its cell as it was
        {"   C", 1, {-1, -1, -1, 12, -1}},
        {"", 1, {-1}},
        {"A!B\x01", 1, {10, 10, 11, 11, -1}}, // unknown: the glyph drawn last
        {"!", 1, {0, -1}},                    // first in the text: the "0" glyph
        {"Q \xE9", 1, {26, -1, 26, -1}},      // a space does not forget it
    };
    for (auto& r : rows) {
        SDL_FillRect(target, nullptr, blank);
        drawtext(at(3, 20), r.text, target, r.font);
        EXPECT_EQ(cells(target, 3, 20, static_cast<int>(r.want.size())), r.want) << '"' << r.text << '"';
        EXPECT_EQ(cells(target, 3, 0, 28), std::vector<int>(28, -1)) << "only one row is drawn";
    }
}

TEST_F(text, consecutive_calls_are_independent) {
    drawtext(at(0, 0), "Z ", target, 1);
    drawtext(at(0, 20), "B", target, 1); // a full glyph despite the trailing space before
    drawtext(at(50, 0), "Z", target, 1);
    drawtext(at(50, 20), "#", target, 1); // the "0" glyph, not the "Z" of the last call
    EXPECT_EQ(cell_at(target, 0, 20), 11);
    EXPECT_EQ(cell_at(target, 50, 20), 0);
}

TEST_F(text, at_most_255_characters_are_read_and_drawn) {
    SDL_Surface* wide = target_of(7 * 301, 16);
    drawtext(at(0, 0), std::string(300, 'A').c_str(), wide, 1);
    for (int i = 0; i < 301; i++) ASSERT_EQ(cell_at(wide, 7 * i, 0), i < 255 ? 10 : -1) << "cell " << i;
    // an unterminated text of 255 characters is not read past its end
    std::unique_ptr<char[]> exact(new char[255]);
    std::fill(exact.get(), exact.get() + 255, 'B');
    drawtext(at(0, 0), exact.get(), wide, 1);
    EXPECT_EQ(cell_at(wide, 7 * 254, 0), 11);
    EXPECT_EQ(cell_at(wide, 7 * 255, 0), -1);
    SDL_FreeSurface(wide);
}

TEST_F(text, glyphs_clipped_at_the_left_or_top_edge_do_not_shift_the_rest) {
    drawtext(at(-3, -5), "AB", target, 1);
    // "A" shows its columns 3..6 from rows 5 on; "B" starts at x 4
    EXPECT_EQ(pixel_at(target, 0, 0), glyph_pixel(10, 3, 5));
    EXPECT_EQ(pixel_at(target, 4, 0), glyph_pixel(11, 0, 5));
    EXPECT_EQ(pixel_at(target, 10, 10), glyph_pixel(11, 6, 15));
    EXPECT_EQ(pixel_at(target, 4, 11), blank);
    EXPECT_EQ(pixel_at(target, 11, 0), blank);
}

TEST_F(text, far_places_bad_fonts_and_surfaces_draw_nothing) {
    std::string many(255, 'M');
    drawtext(at(32760, 0), many.c_str(), target, 1); // wraps past the right end
    drawtext(at(-32768, 0), many.c_str(), target, 1);
    drawtext(at(0, 0), "ABC", target, 2);
    drawtext(at(0, 0), "ABC", target, 255);
    drawtext(at(0, 0), "ABC", nullptr, 1);
    drawtext(at(0, 0), nullptr, target, 1);
    SDL_Surface* kept = font[1];
    font[1]           = nullptr;
    drawtext(at(0, 0), "ABC", target, 1);
    font[1] = kept;
    EXPECT_TRUE(untouched());
}

} // namespace
