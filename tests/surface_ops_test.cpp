// surface_ops_test.cpp - recolor's byte arithmetic and zoom_surface's sizes,
// sampling, formats and refusals, on surfaces built here.
#include "draw/surface_ops.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

constexpr Uint32 amask = 0xFF000000;

SDL_Surface* surface32(int w, int h, Uint32 flags = SDL_SWSURFACE, Uint32 alpha = 0) {
    return SDL_CreateRGBSurface(flags, w, h, 32, 0xFF0000, 0xFF00, 0xFF, alpha);
}

Uint8* at(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}
Uint32& pixel32(SDL_Surface* s, int x, int y) {
    return *reinterpret_cast<Uint32*>(at(s, x, y));
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

// Every pixel of zoomed is the source pixel (sx(j), sy(i)).
template <class Col, class Row> void expect_sampled(SDL_Surface* zoomed, Col sx, Row sy) {
    for (int i = 0; i < zoomed->h; i++)
        for (int j = 0; j < zoomed->w; j++)
            ASSERT_EQ(pixel32(zoomed, j, i), place(sx(j), sy(i))) << "at " << j << "," << i;
}

TEST(recolor, each_byte_becomes_minus_byte_times_its_factor) {
    SDL_Surface* s = surface32(256 + 3, 1); // and a few more past the last whole 16 bytes
    for (int i = 0; i < 256 + 3; i++) pixel32(s, i, 0) = static_cast<Uint32>(i % 256) * 0x01010101u;
    recolor(s, 3, 90, 200, 17); // bytes 0..3 take b, g, r, a
    const unsigned factor[4] = {200, 90, 3, 17};
    for (int i = 0; i < 256 + 3; i++)
        for (int k = 0; k < 4; k++)
            ASSERT_EQ(at(s, i, 0)[k], i % 256 * (256 - factor[k]) % 256) << i << " byte " << k;
    SDL_FreeSurface(s);
}

TEST(recolor, white_takes_the_colour_black_stays_and_alpha_survives_255) {
    SDL_Surface* s   = surface32(4, 1, SDL_SWSURFACE | SDL_SRCALPHA, amask);
    pixel32(s, 0, 0) = 0xFFFFFFFF; // white, opaque
    pixel32(s, 1, 0) = 0xFF000000; // black, opaque
    pixel32(s, 2, 0) = 0x80FEFEFE; // 254 grey, half alpha
    pixel32(s, 3, 0) = 0x00FFFFFF; // white, transparent
    recolor(s, 90, 90, 255, 255);
    EXPECT_EQ(pixel32(s, 0, 0), 0xFF5A5AFFu);
    EXPECT_EQ(pixel32(s, 1, 0), 0xFF000000u);
    EXPECT_EQ(pixel32(s, 2, 0), 0x80B4B4FEu); // 254 with 90 gives 180; with 255 stays 254
    EXPECT_EQ(pixel32(s, 3, 0), 0x005A5AFFu);
    SDL_FreeSurface(s);
}

TEST(recolor, only_the_low_8_bits_of_a_factor_count) {
    SDL_Surface* s   = surface32(1, 1);
    pixel32(s, 0, 0) = 0xFFFFFFFF;
    recolor(s, 90 + 256, -166, 1 << 20 | 7, -1);
    EXPECT_EQ(pixel32(s, 0, 0), 0xFF5A5A07u);
    SDL_FreeSurface(s);
}

TEST(recolor, twice_is_not_once) {
    SDL_Surface *once = surface32(1, 1), *twice = surface32(1, 1);
    pixel32(once, 0, 0) = pixel32(twice, 0, 0) = 0xFFC8C8C8;
    recolor(once, 90, 90, 90, 255);
    recolor(twice, 90, 90, 90, 255);
    recolor(twice, 90, 90, 90, 255);
    EXPECT_EQ(pixel32(once, 0, 0), 0xFFB0B0B0u);
    EXPECT_NE(pixel32(twice, 0, 0), pixel32(once, 0, 0));
    SDL_FreeSurface(once);
    SDL_FreeSurface(twice);
}

TEST(recolor, padded_rows_are_walked_by_pitch_and_other_depths_left_alone) {
    const int w = 3, h = 2, pitch = 4 * w + 8;
    std::vector<Uint8> memory(pitch * h, 0x77);
    for (int y = 0; y < h; y++)
        for (int b = 0; b < 4 * w; b++) memory[y * pitch + b] = 0xFF;
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

TEST(zoom_surface, factor_one_is_an_exact_copy_keeping_alpha_and_flags) {
    SDL_Surface* s = placed32(20, 11);
    SDL_Surface* z = zoom_surface(s, 1.0f, 1.0f);
    ASSERT_NE(z, nullptr);
    ASSERT_NE(z, s);
    EXPECT_EQ(z->w, 20);
    EXPECT_EQ(z->h, 11);
    EXPECT_EQ(z->format->BitsPerPixel, 32);
    EXPECT_EQ(z->format->Amask, amask);
    EXPECT_EQ(z->format->Rmask, 0xFF0000u);
    EXPECT_TRUE(z->flags & SDL_SRCALPHA);
    expect_sampled(
        z, [](int j) { return j; }, [](int i) { return i; });
    EXPECT_EQ(pixel32(s, 19, 10), place(19, 10)); // the source is kept as it was
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, shrinking_samples_nearest_neighbours) {
    SDL_Surface* s = placed32(32, 32);
    SDL_Surface* z = zoom_surface(s, 1.0f, 0.5f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 16);
    EXPECT_EQ(z->h, 16);
    expect_sampled(
        z, [](int j) { return 2 * j; }, [](int i) { return 2 * i; });
    SDL_FreeSurface(z);

    z = zoom_surface(s, 1.0f, 0.85f); // 32 * 0.85 = 27.2
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 27);
    EXPECT_EQ(z->h, 27);
    EXPECT_EQ(pixel32(z, 26, 0), place(30, 0));
    EXPECT_EQ(pixel32(z, 25, 26), place(29, 30));
    EXPECT_EQ(pixel32(z, 6, 7), place(7, 8));
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, aspect_stretches_the_width_only) {
    SDL_Surface* s = placed32(10, 6);
    SDL_Surface* z = zoom_surface(s, 2.0f, 1.0f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 20);
    EXPECT_EQ(z->h, 6);
    expect_sampled(
        z, [](int j) { return j / 2; }, [](int i) { return i; });
    SDL_FreeSurface(z);

    z = zoom_surface(s, 1.0f, 2.0f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 20);
    EXPECT_EQ(z->h, 12);
    expect_sampled(
        z, [](int j) { return j / 2; }, [](int i) { return i / 2; });
    SDL_FreeSurface(z);

    z = zoom_surface(s, 0.5f, 3.0f); // 10 * 1.5 = 15 wide, 18 high
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 15);
    EXPECT_EQ(z->h, 18);
    expect_sampled(
        z, [](int j) { return j * 2 / 3; }, [](int i) { return i / 3; });
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, padded_source_rows_are_read_by_their_pitch) {
    const int w = 5, h = 4, pitch = 4 * w + 12;
    std::vector<Uint8> memory(pitch * h, 0xEE);
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(memory.data(), w, h, 32, pitch, 0xFF0000, 0xFF00, 0xFF, amask);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) pixel32(s, x, y) = place(x, y);
    SDL_Surface* z = zoom_surface(s, 1.0f, 2.0f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 10);
    expect_sampled(
        z, [](int j) { return j / 2; }, [](int i) { return i / 2; });
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, indexed_pictures_keep_their_palette_as_the_logical_one) {
    const int w = 13, h = 5; // rows padded to 16 bytes
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++)
        colours[i] =
            SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 3), 0};
    SDL_SetPalette(s, SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) *at(s, x, y) = static_cast<Uint8>(y * w + x);

    SDL_Surface* z = zoom_surface(s, 1.0f, 2.0f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->format->BitsPerPixel, 8);
    ASSERT_NE(z->format->palette, nullptr);
    ASSERT_EQ(z->format->palette->ncolors, 256);
    for (int i = 0; i < 256; i++) {
        const SDL_Color& c = z->format->palette->colors[i];
        ASSERT_EQ(c.r, colours[i].r) << i;
        ASSERT_EQ(c.g, colours[i].g) << i;
        ASSERT_EQ(c.b, colours[i].b) << i;
    }
    EXPECT_EQ(z->w, 26);
    EXPECT_EQ(z->h, 10);
    for (int i = 0; i < z->h; i++)
        for (int j = 0; j < z->w; j++) ASSERT_EQ(*at(z, j, i), (i / 2) * w + j / 2) << j << "," << i;
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, three_byte_pixels_are_copied_too) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 7, 3, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 7; x++)
            for (int k = 0; k < 3; k++) at(s, x, y)[k] = static_cast<Uint8>(x * 16 + y * 4 + k);
    SDL_Surface* z = zoom_surface(s, 1.0f, 0.5f);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->w, 3);
    EXPECT_EQ(z->h, 1);
    for (int j = 0; j < 3; j++)
        for (int k = 0; k < 3; k++) EXPECT_EQ(at(z, j, 0)[k], 2 * j * 16 + k);
    SDL_FreeSurface(z);
    SDL_FreeSurface(s);
}

TEST(zoom_surface, unusable_factors_and_sizes_make_nothing) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    SDL_Surface* s  = placed32(32, 1);
    for (float f : {0.0f, -1.0f, -0.5f, inf, -inf, nan, 0.01f, 129.0f, 1e30f}) {
        EXPECT_EQ(zoom_surface(s, 1.0f, f), nullptr) << "factor " << f;
        EXPECT_EQ(zoom_surface(s, f, 1.0f), nullptr) << "aspect " << f;
    }
    EXPECT_EQ(zoom_surface(s, -1.0f, -1.0f), nullptr); // the product is positive, each is not
    EXPECT_EQ(zoom_surface(nullptr, 1.0f, 1.0f), nullptr);

    SDL_Surface* widest = zoom_surface(s, 1.0f, 128.0f); // exactly 4096 wide
    ASSERT_NE(widest, nullptr);
    EXPECT_EQ(widest->w, zoom_limit);
    EXPECT_EQ(widest->h, 128);
    EXPECT_EQ(pixel32(widest, zoom_limit - 1, 127), place(31, 0));
    SDL_FreeSurface(widest);

    SDL_Surface* tall = placed32(1, 40);
    EXPECT_EQ(zoom_surface(tall, 1.0f, 103.0f), nullptr); // 103 wide but 4120 high
    EXPECT_EQ(zoom_surface(tall, 1.0f, 0.02f), nullptr);  // 0 wide
    SDL_FreeSurface(tall);
    SDL_FreeSurface(s);
}

// ---- parts of a scaled picture ----------------------------------------------------

TEST(zoom_part, a_part_has_the_pixels_of_the_whole_at_its_place) {
    SDL_Surface* s = placed32(32, 24);
    for (float f : {0.85f, 1.0f, 2.5f, 105.4f}) {
        SDL_Surface* whole = zoom_surface(s, 1.0f, f);
        ASSERT_NE(whole, nullptr) << f;
        int w = 0, h = 0;
        ASSERT_TRUE(zoom_size(s, 1.0f, f, &w, &h));
        EXPECT_EQ(w, whole->w);
        EXPECT_EQ(h, whole->h);
        const SDL_Rect parts[] = {
            {0,             0,             Uint16(w),         Uint16(h)        },
            {0,             0,             1,                 1                },
            {Sint16(w - 1), Sint16(h - 1), 1,                 1                },
            {Sint16(w / 3), Sint16(h / 2), Uint16(w - w / 3), Uint16(h - h / 2)},
            {5,             3,             Uint16(w / 2),     7                },
        };
        for (const SDL_Rect& p : parts) {
            SDL_Surface* part = zoom_part(s, 1.0f, f, p);
            ASSERT_NE(part, nullptr) << f;
            ASSERT_EQ(part->w, p.w);
            ASSERT_EQ(part->h, p.h);
            EXPECT_EQ(part->flags, whole->flags);
            EXPECT_EQ(part->format->Amask, whole->format->Amask);
            for (int i = 0; i < p.h; i++)
                for (int j = 0; j < p.w; j++)
                    ASSERT_EQ(pixel32(part, j, i), pixel32(whole, p.x + j, p.y + i))
                        << f << " at " << j << "," << i;
            SDL_FreeSurface(part);
        }
        // parts reaching beyond the whole, or empty, make nothing
        for (SDL_Rect p : {
                 SDL_Rect{Sint16(w - 1), 0,         2, 1},
                 SDL_Rect{0,             Sint16(h), 1, 1},
                 SDL_Rect{-1,            0,         1, 1},
                 SDL_Rect{0,             0,         0, 5}
        })
            EXPECT_EQ(zoom_part(s, 1.0f, f, p), nullptr) << f;
        SDL_FreeSurface(whole);
    }
    int w = 7, h = 9;
    EXPECT_FALSE(zoom_size(s, 1.0f, 200.0f, &w, &h)); // 6400 wide
    EXPECT_EQ(w + h, 16) << "sizes untouched";
    EXPECT_EQ(zoom_part(s, 1.0f, 200.0f, SDL_Rect{0, 0, 1, 1}), nullptr);
    SDL_FreeSurface(s);
}

// ---- blit_copy against SDL_UpperBlit ------------------------------------------------

// Two 40x30 targets of the same content.
struct target_pair {
    SDL_Surface *a = surface32(40, 30), *b = surface32(40, 30);
    target_pair() {
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++)
                pixel32(a, x, y) = pixel32(b, x, y) = 0x01000000u * (x + y) | 0x55AA55u;
    }
    ~target_pair() {
        SDL_FreeSurface(a);
        SDL_FreeSurface(b);
    }
    bool same() const {
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++)
                if (pixel32(a, x, y) != pixel32(b, x, y)) return false;
        return true;
    }
};

TEST(blit_copy, clips_copies_and_writes_back_as_sdl_does) {
    SDL_Surface* picture = surface32(17, 9); // the targets' own format, opaque
    for (int y = 0; y < 9; y++)
        for (int x = 0; x < 17; x++) pixel32(picture, x, y) = place(x, y);
    const SDL_Rect parts[] = {
        {0,  0,  17, 9 },
        {3,  2,  5,  4 },
        {-4, -3, 10, 10},
        {10, 5,  30, 30},
        {17, 0,  3,  3 },
        {0,  0,  0,  0 }
    };
    const Sint16 places[]  = {-20, -5, -1, 0, 3, 25, 39, 40, 32000, -32000};
    const SDL_Rect clips[] = {
        {0, 0, 40, 30},
        {5, 4, 20, 15}
    };
    int compared = 0;
    for (const SDL_Rect& clip : clips)
        for (int whole = 0; whole < 2; whole++)
            for (const SDL_Rect& part : parts)
                for (Sint16 x : places)
                    for (Sint16 y : places) {
                        target_pair t;
                        SDL_Rect c = clip;
                        SDL_SetClipRect(t.a, &c);
                        SDL_SetClipRect(t.b, &c);
                        SDL_Rect pa = part, pb = part, at_a = {x, y, 3, 4}, at_b = at_a;
                        int ra = blit_copy(picture, whole ? nullptr : &pa, t.a, &at_a);
                        int rb = SDL_UpperBlit(picture, whole ? nullptr : &pb, t.b, &at_b);
                        ASSERT_EQ(ra, rb);
                        ASSERT_TRUE(t.same()) << part.x << "," << part.y << " at " << x << "," << y;
                        ASSERT_TRUE(at_a.x == at_b.x && at_a.y == at_b.y && at_a.w == at_b.w &&
                                    at_a.h == at_b.h)
                            << part.x << "," << part.y << " at " << x << "," << y;
                        compared++;
                    }
    EXPECT_EQ(compared, 2 * 2 * 6 * 10 * 10);
    SDL_FreeSurface(picture);
}

TEST(blit_copy, pictures_that_blend_key_or_convert_are_left_to_sdl) {
    SDL_Surface* blended = placed32(6, 6); // alpha in the top byte, blended
    SDL_Surface* keyed   = surface32(6, 6);
    SDL_FillRect(keyed, nullptr, 0x123456);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0x123456);
    SDL_Surface* deep = SDL_CreateRGBSurface(SDL_SWSURFACE, 6, 6, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(deep, nullptr, 0xABCDEF);
    for (SDL_Surface* p : {blended, keyed, deep}) {
        target_pair t;
        SDL_Rect at_a = {2, 3, 0, 0}, at_b = at_a;
        blit_copy(p, nullptr, t.a, &at_a);
        SDL_UpperBlit(p, nullptr, t.b, &at_b);
        EXPECT_TRUE(t.same()) << p->format->BitsPerPixel;
    }
    target_pair t;
    blit_opaque(keyed, t.a, 2, 3);
    EXPECT_TRUE(t.same()) << "the key leaves everything as it was";
    SDL_FreeSurface(blended);
    SDL_FreeSurface(keyed);
    SDL_FreeSurface(deep);
}

} // namespace
