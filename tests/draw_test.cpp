// draw_test.cpp - recolor, zoom_surface and zoom_part, blit_copy against
// SDL_UpperBlit, drawtext on synthetic font strips, and the hex and decimal
// text conversions.
#include "draw/hex.h"
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "support.h"

#include <cmath>
#include <cstring>

namespace {

// A w x h picture of the given depth whose every pixel is distinct (rows
// padded), the 8-bit one with a palette of its own, the 32-bit one with alpha.
SDL_Surface* picture(int bits, int w = 13, int h = 7, Uint32 amask = 0xFF000000) {
    Uint32 m = bits == 8 ? 0 : 0xFF, a = bits == 32 ? amask : 0;
    SDL_Surface* s =
        SDL_CreateRGBSurface(SDL_SWSURFACE | (a ? SDL_SRCALPHA : 0), w, h, bits, m << 16, m << 8, m, a);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++) colours[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 3), 0};
    SDL_SetPalette(s, SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
    for (int i = 0; i < w * h; i++) {
        Uint32 v = bits == 8 ? Uint32(i) : Uint32(i * 7 % 256) << 24 | (i / w) << 12 | i % w;
        std::memcpy(static_cast<Uint8*>(s->pixels) + i / w * s->pitch + i % w * bits / 8, &v, bits / 8);
    }
    return s;
}

TEST(recolor, each_byte_becomes_minus_byte_times_its_factor_rows_walked_by_pitch) {
    // rows back to back and padded by 8 bytes, a few pixels past the last whole 16 bytes
    for (int pitch : {4 * 259, 4 * 259 + 8}) {
        std::vector<Uint8> memory(2 * pitch, 0x77);
        for (int b = 0; b < 2 * pitch; b++)
            if (b % pitch < 4 * 259) memory[b] = Uint8(b % pitch / 4);
        SDL_Surface* s =
            SDL_CreateRGBSurfaceFrom(memory.data(), 259, 2, 32, pitch, 0xFF0000, 0xFF00, 0xFF, 0);
        recolor(s, 3 + 256, 90, -56, 17); // bytes 0..3 take b, g, r, a; only their low 8 bits count
        const unsigned factor[4] = {200, 90, 3, 17};
        for (int b = 0, i = 0; b < 2 * pitch; i = ++b % pitch) // so 255 becomes the factor, 0 stays 0
            ASSERT_EQ(memory[b], i < 4 * 259 ? i / 4 % 256 * (256 - factor[i % 4]) % 256 : 0x77) << b;
        SDL_FreeSurface(s);
    }
    SDL_Surface* indexed = picture(8);
    SDL_Surface* before  = picture(8);
    recolor(indexed, 90, 90, 90, 90);
    EXPECT_TRUE(same_pixels(indexed, before)) << "other depths are left alone";
    for (SDL_Surface* p : {indexed, before}) SDL_FreeSurface(p);
    recolor(nullptr, 1, 2, 3, 4);
}

TEST(zoom_surface, samples_nearest_neighbours_at_the_truncated_size_keeping_the_format) {
    // 0.85: 11.05 by 5.95; the aspect stretches the width only; 0.5 by 3: 19.5 wide
    const float rows[][4] = {{1, 1, 13, 7},  {1, 0.5f, 6, 3}, {1, 0.85f, 11, 5},
                             {1, 2, 26, 14}, {2, 1, 26, 7},   {0.5f, 3, 19, 21}};
    for (int bits : {8, 24, 32}) {
        SDL_Surface* s = picture(bits);
        for (auto& r : rows) {
            SDL_Surface* z = zoom_surface(s, r[0], r[1]);
            ASSERT_TRUE(z && z->w == r[2] && z->h == r[3]) << bits << " bits, " << r[0] << " by " << r[1];
            EXPECT_TRUE(z->flags == s->flags && z->format->BitsPerPixel == bits &&
                        z->format->Rmask == s->format->Rmask && z->format->Amask == s->format->Amask);
            EXPECT_TRUE(bits != 8 ||
                        !std::memcmp(z->format->palette->colors, s->format->palette->colors, 1024));
            for (int i = 0; i < z->h; i++)
                for (int j = 0; j < z->w; j++) {
                    int sx = std::min(static_cast<int>(j / (double(r[0]) * r[1])), 12);
                    ASSERT_EQ(pixel_at(z, j, i), pixel_at(s, sx, int(i / double(r[1])))) << j << "," << i;
                }
            SDL_FreeSurface(z);
        }
        SDL_FreeSurface(s);
    }
}

TEST(zoom_surface, parts_have_the_pixels_of_the_whole_and_unusable_factors_sizes_and_parts_make_nothing) {
    SDL_Surface *s = picture(32, 32, 1), *tall = picture(32, 1, 4097), *square = picture(32, 16, 12);
    for (float f : {0.0f, -0.5f, INFINITY, -INFINITY, NAN, 0.01f, 129.0f, 1e30f})
        EXPECT_TRUE(!zoom_surface(s, 1.0f, f) && !zoom_surface(s, f, 1.0f)) << f;
    EXPECT_EQ(zoom_surface(s, -1.0f, -1.0f), nullptr); // the product is positive, each is not
    EXPECT_EQ(zoom_surface(nullptr, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(zoom_surface(tall, 1.0f, 1.0f), nullptr); // one too high
    int w = 7, h = 9;
    EXPECT_FALSE(zoom_size(s, 1.0f, 300.0f, &w, &h)); // 9600 wide
    EXPECT_EQ(w + h, 16) << "sizes untouched";
    SDL_Surface* widest = zoom_surface(s, 1.0f, 128.0f); // exactly 4096 wide
    ASSERT_TRUE(widest && widest->w == zoom_limit &&
                pixel32(widest, zoom_limit - 1, 127) == pixel32(s, 31, 0));
    SDL_Surface* whole = zoom_surface(square, 1.0f, 2.5f); // 40 x 30
    SDL_Surface* part  = zoom_part(square, 1.0f, 2.5f, SDL_Rect{13, 15, 27, 15});
    ASSERT_TRUE(whole && part && part->w == 27 && part->h == 15 && part->flags == whole->flags);
    for (int i = 0; i < 15; i++)
        for (int j = 0; j < 27; j++)
            ASSERT_EQ(pixel32(part, j, i), pixel32(whole, 13 + j, 15 + i)) << j << "," << i;
    for (SDL_Rect p :
         {SDL_Rect{39, 0, 2, 1}, SDL_Rect{0, 30, 1, 1}, SDL_Rect{-1, 0, 1, 1}, SDL_Rect{0, 0, 0, 5}})
        EXPECT_EQ(zoom_part(square, 1.0f, 2.5f, p), nullptr) << p.x << "," << p.y;
    for (SDL_Surface* p : {s, tall, square, widest, whole, part}) SDL_FreeSurface(p);
}

// blit_copy and SDL_UpperBlit of the same part to the same place, on 40x30
// targets with a pattern and the same clip rectangle: the same pixels, result
// and rectangle written back.
bool blit_like_sdl(SDL_Surface* picture, const SDL_Rect* part, SDL_Rect at, SDL_Rect clip) {
    SDL_Surface* t[2];
    SDL_Rect p[2], a[2];
    int result[2];
    for (int k = 0; k < 2; k++) {
        t[k] = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++) pixel32(t[k], x, y) = 0x01000000u * (x + y) | 0x55AA55u;
        SDL_SetClipRect(t[k], &clip);
        p[k] = part ? *part : SDL_Rect{}, a[k] = at;
        result[k] = (k ? SDL_UpperBlit : blit_copy)(picture, part ? &p[k] : nullptr, t[k], &a[k]);
    }
    bool same = result[0] == result[1] && same_pixels(t[0], t[1]) && std::memcmp(a, a + 1, sizeof at) == 0;
    SDL_FreeSurface(t[0]);
    SDL_FreeSurface(t[1]);
    return same;
}

TEST(blit_copy, clips_copies_and_writes_back_as_sdl_does_and_leaves_other_pictures_to_sdl) {
    SDL_Surface* keyed = picture(32, 6, 6, 0);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, pixel32(keyed, 2, 2));
    const SDL_Rect parts[] = {{0, 0, 17, 9},   {3, 2, 5, 4},  {-4, -3, 10, 10},
                              {10, 5, 30, 30}, {17, 0, 3, 3}, {}};
    const Sint16 places[]  = {-20, -5, -1, 0, 3, 25, 39, 40, 32000, -32000};
    // the targets' own format, opaque; blended; keyed; converted
    for (SDL_Surface* p : {picture(32, 17, 9, 0), picture(32, 6, 6), keyed, picture(24, 6, 6)}) {
        for (SDL_Rect clip : {SDL_Rect{0, 0, 40, 30}, SDL_Rect{5, 4, 20, 15}})
            for (int k = -1; k < 6; k++) // -1: the whole picture
                for (Sint16 x : places)
                    for (Sint16 y : places)
                        ASSERT_TRUE(blit_like_sdl(p, k < 0 ? nullptr : &parts[k], {x, y, 3, 4}, clip))
                            << p->format->BitsPerPixel << " bits, part " << k << " at " << x << "," << y;
        SDL_FreeSurface(p);
    }
}

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

TEST_F(text, at_most_255_characters_are_read_clipped_glyphs_do_not_shift_the_rest_and_far_ones_draw_nothing) {
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
    // far places, bad fonts and surfaces draw nothing
    SDL_FillRect(target, nullptr, blank);
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
    // powers wrap like the place values above: 16^8 is 0, 2^31 the lowest int
    EXPECT_TRUE(powr(16, 0) == 1 && powr(16, 5) == 0x100000 && powr(10, 9) == 1000000000 && powr(3, -2) == 1);
    EXPECT_TRUE(powr(16, 8) == 0 && powr(2, 31) == INT32_MIN && powr(-2, 3) == -8);
}

} // namespace
