// surface_ops_test.cpp - recolor's byte arithmetic, zoom_surface's sizes,
// sampling, formats and refusals, parts of a zoom, and blit_copy against
// SDL_UpperBlit, on surfaces built here.
#include "draw/surface_ops.h"
#include "support.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr Uint32 amask = 0xFF000000;

SDL_Surface* surface32(int w, int h, Uint32 flags = SDL_SWSURFACE, Uint32 alpha = 0) {
    return SDL_CreateRGBSurface(flags, w, h, 32, 0xFF0000, 0xFF00, 0xFF, alpha);
}

Uint8* at(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

// A 32-bit pixel that names its own place, with an alpha byte that varies.
Uint32 place(int x, int y) {
    return static_cast<Uint32>((x * 7 + y) % 256) << 24 | y << 12 | x;
}

SDL_Surface* placed32(int w, int h) {
    SDL_Surface* s = surface32(w, h, SDL_SWSURFACE | SDL_SRCALPHA, amask);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) pixel32(s, x, y) = place(x, y);
    return s;
}

// ---- recolor -------------------------------------------------------------------------

TEST(recolor, each_byte_becomes_minus_byte_times_its_factor_so_white_takes_the_colour) {
    SDL_Surface* s = surface32(256 + 3, 1); // and a few past the last whole 16 bytes
    for (int i = 0; i < 256 + 3; i++) pixel32(s, i, 0) = static_cast<Uint32>(i % 256) * 0x01010101u;
    recolor(s, 3 + 256, 90, -56, 17); // bytes 0..3 take b, g, r, a; only their low 8 bits count
    const unsigned factor[4] = {200, 90, 3, 17};
    for (int i = 0; i < 256 + 3; i++)
        for (int k = 0; k < 4; k++)
            ASSERT_EQ(at(s, i, 0)[k], i % 256 * (256 - factor[k]) % 256) << i << " byte " << k;
    SDL_FreeSurface(s);
    // so white takes the colour, black stays black and alpha survives a factor of 255
    s                  = surface32(4, 1, SDL_SWSURFACE | SDL_SRCALPHA, amask);
    const Uint32 in[]  = {0xFFFFFFFF, 0xFF000000, 0x80FEFEFE, 0x00FFFFFF};
    const Uint32 out[] = {0xFF5A5AFF, 0xFF000000, 0x80B4B4FE, 0x005A5AFF}; // 254 by 90 gives 180
    for (int x = 0; x < 4; x++) pixel32(s, x, 0) = in[x];
    recolor(s, 90, 90, 255, 255);
    for (int x = 0; x < 4; x++) EXPECT_EQ(pixel32(s, x, 0), out[x]) << std::hex << in[x];
    SDL_FreeSurface(s);
}

TEST(recolor, padded_rows_are_walked_by_pitch_and_other_depths_left_alone) {
    const int w = 3, h = 2, pitch = 4 * w + 8;
    std::vector<Uint8> memory(pitch * h, 0x77);
    for (int y = 0; y < h; y++) std::fill_n(&memory[y * pitch], 4 * w, 0xFF);
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(memory.data(), w, h, 32, pitch, 0xFF0000, 0xFF00, 0xFF, 0);
    recolor(s, 1, 2, 3, 4);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) EXPECT_EQ(pixel32(s, x, y), 0x04010203u);
        for (int b = 4 * w; b < pitch; b++) EXPECT_EQ(memory[y * pitch + b], 0x77);
    }
    SDL_FreeSurface(s);
    SDL_Surface* indexed = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 8, 0, 0, 0, 0);
    SDL_FillRect(indexed, nullptr, 200);
    recolor(indexed, 90, 90, 90, 90);
    EXPECT_EQ(*at(indexed, 3, 3), 200);
    SDL_FreeSurface(indexed);
    recolor(nullptr, 1, 2, 3, 4);
}

// ---- zoom_surface ----------------------------------------------------------------------

// A 13x7 picture of the given depth whose every pixel is distinct (rows of
// the 8- and 24-bit ones are padded), the 8-bit one with a palette of its own.
SDL_Surface* source_picture(int bits) {
    if (bits == 32) return placed32(13, 7);
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 13, 7, bits, bits == 24 ? 0xFF0000 : 0,
                                          bits == 24 ? 0xFF00 : 0, bits == 24 ? 0xFF : 0, 0);
    if (bits == 8) {
        SDL_Color colours[256];
        for (int i = 0; i < 256; i++) colours[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 3), 0};
        SDL_SetPalette(s, SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
    }
    for (int y = 0; y < 7; y++)
        for (int x = 0; x < 13; x++)
            for (int k = 0; k < bits / 8; k++) at(s, x, y)[k] = static_cast<Uint8>(y * 13 + x + 100 * k);
    return s;
}

TEST(zoom_surface, samples_nearest_neighbours_at_the_truncated_size_keeping_the_format) {
    const struct {
        float aspect, factor;
        int w, h;
    } rows[] = {
        {1.0f, 1.0f, 13, 7},  {1.0f, 0.5f, 6, 3},  {1.0f, 0.85f, 11, 5}, // 11.05 by 5.95
        {1.0f, 2.0f, 26, 14}, {2.0f, 1.0f, 26, 7}, // the aspect stretches the width only
        {0.5f, 3.0f, 19, 21},                      // 19.5 wide
    };
    for (int bits : {8, 24, 32}) {
        SDL_Surface* s = source_picture(bits);
        for (auto& r : rows) {
            SCOPED_TRACE(testing::Message() << bits << " bits, " << r.aspect << " by " << r.factor);
            SDL_Surface* z = zoom_surface(s, r.aspect, r.factor);
            ASSERT_NE(z, nullptr);
            EXPECT_EQ(z->w, r.w);
            EXPECT_EQ(z->h, r.h);
            EXPECT_EQ(z->flags, s->flags);
            EXPECT_EQ(z->format->BitsPerPixel, bits);
            EXPECT_EQ(z->format->Rmask, s->format->Rmask);
            EXPECT_EQ(z->format->Amask, s->format->Amask);
            if (bits == 8) {
                ASSERT_NE(z->format->palette, nullptr);
                ASSERT_EQ(z->format->palette->ncolors, 256);
                EXPECT_EQ(std::memcmp(z->format->palette->colors, s->format->palette->colors, 256 * 4), 0);
            }
            for (int i = 0; i < z->h; i++)
                for (int j = 0; j < z->w; j++) {
                    int sx = std::min(static_cast<int>(j / (double(r.aspect) * r.factor)), 12);
                    int sy = static_cast<int>(i / double(r.factor));
                    ASSERT_EQ(pixel_at(z, j, i), pixel_at(s, sx, sy)) << "at " << j << "," << i;
                }
            SDL_FreeSurface(z);
        }
        SDL_FreeSurface(s);
    }
}

TEST(zoom_surface, unusable_factors_and_sizes_make_nothing) {
    const float inf = std::numeric_limits<float>::infinity();
    SDL_Surface* s  = placed32(32, 1);
    for (float f : {0.0f, -1.0f, -0.5f, inf, -inf, std::nanf(""), 0.01f, 129.0f, 1e30f}) {
        EXPECT_EQ(zoom_surface(s, 1.0f, f), nullptr) << "factor " << f;
        EXPECT_EQ(zoom_surface(s, f, 1.0f), nullptr) << "aspect " << f;
    }
    EXPECT_EQ(zoom_surface(s, -1.0f, -1.0f), nullptr); // the product is positive, each is not
    EXPECT_EQ(zoom_surface(nullptr, 1.0f, 1.0f), nullptr);
    SDL_Surface* widest = zoom_surface(s, 1.0f, 128.0f); // exactly 4096 wide
    ASSERT_NE(widest, nullptr);
    EXPECT_EQ(widest->w, zoom_limit);
    EXPECT_EQ(pixel32(widest, zoom_limit - 1, 127), place(31, 0));
    SDL_FreeSurface(widest);
    SDL_Surface* tall = placed32(1, 40);
    EXPECT_EQ(zoom_surface(tall, 1.0f, 103.0f), nullptr); // 103 wide but 4120 high
    SDL_FreeSurface(tall);
    SDL_FreeSurface(s);
}

// (The frame's parts against whole pictures are golden_frame_test's.)
TEST(zoom_part, a_part_has_the_pixels_of_the_whole_and_parts_beyond_it_make_nothing) {
    SDL_Surface* s     = placed32(16, 12);
    SDL_Surface* whole = zoom_surface(s, 1.0f, 2.5f); // 40 x 30
    SDL_Surface* part  = zoom_part(s, 1.0f, 2.5f, SDL_Rect{13, 15, 27, 15});
    ASSERT_TRUE(whole && part && part->w == 27 && part->h == 15 && part->flags == whole->flags);
    for (int i = 0; i < 15; i++)
        for (int j = 0; j < 27; j++)
            ASSERT_EQ(pixel32(part, j, i), pixel32(whole, 13 + j, 15 + i)) << j << "," << i;
    for (SDL_Rect p :
         {SDL_Rect{39, 0, 2, 1}, SDL_Rect{0, 30, 1, 1}, SDL_Rect{-1, 0, 1, 1}, SDL_Rect{0, 0, 0, 5}})
        EXPECT_EQ(zoom_part(s, 1.0f, 2.5f, p), nullptr) << p.x << "," << p.y;
    int w = 7, h = 9;
    EXPECT_FALSE(zoom_size(s, 1.0f, 300.0f, &w, &h)); // 4800 wide
    EXPECT_EQ(w + h, 16) << "sizes untouched";
    for (SDL_Surface* p : {s, whole, part}) SDL_FreeSurface(p);
}

// ---- blit_copy against SDL_UpperBlit ------------------------------------------------

// A 40x30 target with a pattern of its own.
SDL_Surface* target() {
    SDL_Surface* t = surface32(40, 30);
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 40; x++) pixel32(t, x, y) = 0x01000000u * (x + y) | 0x55AA55u;
    return t;
}

// blit_copy and SDL_UpperBlit of the same part to the same place, on targets
// with the same clip rectangle: the same pixels, result and rectangle.
::testing::AssertionResult blit_like_sdl(SDL_Surface* picture, const SDL_Rect* part, SDL_Rect at,
                                         SDL_Rect clip) {
    SDL_Surface *a = target(), *b = target();
    SDL_SetClipRect(a, &clip);
    SDL_SetClipRect(b, &clip);
    SDL_Rect pa = part ? *part : SDL_Rect{}, pb = pa, at_a = at, at_b = at;
    int ra    = blit_copy(picture, part ? &pa : nullptr, a, &at_a);
    int rb    = SDL_UpperBlit(picture, part ? &pb : nullptr, b, &at_b);
    bool same = ra == rb && same_pixels(a, b) && std::memcmp(&at_a, &at_b, sizeof at) == 0;
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "part " << (part ? part->x : 0) << "," << (part ? part->y : 0) << " at " << at.x << "," << at.y;
}

TEST(blit_copy, clips_copies_and_writes_back_as_sdl_does) {
    SDL_Surface* picture = surface32(17, 9); // the targets' own format, opaque
    for (int y = 0; y < 9; y++)
        for (int x = 0; x < 17; x++) pixel32(picture, x, y) = place(x, y);
    const SDL_Rect parts[] = {{0, 0, 17, 9},   {3, 2, 5, 4},  {-4, -3, 10, 10},
                              {10, 5, 30, 30}, {17, 0, 3, 3}, {0, 0, 0, 0}};
    const Sint16 places[]  = {-20, -5, -1, 0, 3, 25, 39, 40, 32000, -32000};
    for (SDL_Rect clip : {SDL_Rect{0, 0, 40, 30}, SDL_Rect{5, 4, 20, 15}})
        for (bool whole : {false, true})
            for (const SDL_Rect& part : parts)
                for (Sint16 x : places)
                    for (Sint16 y : places)
                        ASSERT_TRUE(blit_like_sdl(picture, whole ? nullptr : &part, {x, y, 3, 4}, clip));
    SDL_FreeSurface(picture);
}

TEST(blit_copy, pictures_that_blend_key_or_convert_are_left_to_sdl) {
    SDL_Surface* blended = placed32(6, 6); // alpha in the top byte, blended
    SDL_Surface* keyed   = surface32(6, 6);
    SDL_FillRect(keyed, nullptr, 0x123456);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0x123456); // the key leaves everything as it was
    SDL_Surface* deep = SDL_CreateRGBSurface(SDL_SWSURFACE, 6, 6, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(deep, nullptr, 0xABCDEF);
    for (SDL_Surface* p : {blended, keyed, deep}) {
        EXPECT_TRUE(blit_like_sdl(p, nullptr, {2, 3, 0, 0}, {0, 0, 40, 30})) << p->format->BitsPerPixel;
        SDL_FreeSurface(p);
    }
}

} // namespace
