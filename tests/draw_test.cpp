// draw_test.cpp - recolor, zoom_surface, blit_copy against SDL's own blit at
// every edge, draw_text on a synthetic font strip, and which pictures are
// shrunk to the preview (the area average's pixels: frame_test).
#include "draw/picture_fit.h"
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "support.h"

#include <cstring>

namespace {

Uint32& pixel32(SDL_Surface* s, int x, int y) {
    return *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + 4 * x);
}

// A w x h 32-bit picture whose every pixel is distinct.
SDL_Surface* picture(int w, int h, Uint32 amask = 0) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, amask);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) pixel32(s, x, y) = Uint32(x * 7 + y) << 24 | y << 12 | x;
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
}

TEST(zoom_surface, samples_nearest_neighbours_at_the_truncated_size_up_to_4096_pixels) {
    SDL_Surface *s = picture(13, 7, 0xFF000000), *tall = picture(1, 2048);
    const float rows[][3] = {{0.85f, 11, 5}, {2.5f, 32, 17}}; // 0.85: 11.05 by 5.95
    for (auto& r : rows) {
        SDL_Surface* z = zoom_surface(s, 1.0f, r[0]);
        ASSERT_TRUE(z && z->w == r[1] && z->h == r[2] && z->format->Amask == 0xFF000000) << r[0];
        for (int i = 0; i < z->h; i++)
            for (int j = 0; j < z->w; j++)
                ASSERT_EQ(pixel32(z, j, i), pixel32(s, int(j / double(r[0])), int(i / double(r[0]))))
                    << j << "," << i;
        SDL_FreeSurface(z);
    }
    SDL_Surface* tallest = zoom_surface(tall, 1.0f, 2.0f); // as tall as a picture may be; 4097 is too high
    EXPECT_TRUE(tallest && tallest->h == 4096 && !zoom_surface(tall, 1.0f, 2.0005f));
    for (SDL_Surface* p : {s, tall, tallest}) SDL_FreeSurface(p);
}

// blit_copy clips exactly as SDL_UpperBlit does, at each of the four edges of
// the target's clip rectangle and of the source part, and writes back the same
// rectangle as classic SDL 1.2.
TEST(blit_copy, copies_and_clips_as_sdls_blit_at_every_edge) {
    SDL_Surface *p = picture(9, 7), *mine = picture(40, 30), *sdls = picture(40, 30);
    const SDL_Rect clip = {3, 2, 31, 24}; // right edge x 33, bottom edge y 25
    for (SDL_Surface* s : {mine, sdls}) SDL_SetClipRect(s, &clip);
    const SDL_Rect parts[] = {{0, 0, 9, 7}, {2, 1, 5, 5}, {-2, -1, 9, 7}, {4, 3, 9, 9}};
    const bool classic     = SDL_Linked_Version()->patch < 50; // sdl12-compat counts from 1.2.50
    for (const SDL_Rect& part : parts)
        for (int y = -9; y <= 28; y++)
            for (int x = -11; x <= 36; x++) {
                for (SDL_Surface* s : {mine, sdls}) SDL_FillRect(s, nullptr, 0);
                SDL_Rect a = part, b = part, at_mine = {Sint16(x), Sint16(y), 0, 0}, at_sdls = at_mine;
                blit_copy(p, &a, mine, &at_mine);
                SDL_UpperBlit(p, &b, sdls, &at_sdls);
                ASSERT_TRUE(same_pixels(mine, sdls)) << x << "," << y << " part " << part.x << "," << part.y;
                // the corner of a blit clipped away wholly: classic SDL 1.2 moves it to the edge, as
                // blit_copy does; SDL2 beneath sdl12-compat leaves it (the editor holds its elements
                // at the edge by its own rule, so nothing relies on it)
                if (classic || (at_sdls.w != 0 && at_sdls.h != 0)) {
                    ASSERT_EQ(std::memcmp(&at_mine, &at_sdls, sizeof at_mine), 0) << x << "," << y;
                }
            }
    for (SDL_Surface* s : {p, mine, sdls}) SDL_FreeSurface(s);
}

// The synthetic strip of font 1: pixel (x, y) of glyph k.
Uint32 glyph(int k, int x, int y) {
    return static_cast<Uint32>((k + 1) << 16 | x << 8 | y);
}

// The characters whose glyphs stand in the n cells from (x, y) on, told by
// their top left corners: "_" for a cell left blank, "#" for anything else.
std::string cells(SDL_Surface* s, int x, int y, int n) {
    static const char names[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+.?";
    std::string found;
    for (int i = 0; i < n; i++, x += 7) {
        const Uint32 corner = pixel32(s, x, y);
        const int k         = static_cast<int>(corner >> 16) - 1;
        found += corner == 0 ? '_' : corner == glyph(k, 0, 0) ? names[k] : '#';
    }
    return found;
}

TEST(text, each_character_draws_its_cell_at_most_255_and_clipped_glyphs_do_not_shift_the_rest) {
    SDL_Surface *target = picture(7 * 257, 40), *strip = picture(280, 16);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 280; x++) pixel32(strip, x, y) = glyph(x / 7, x % 7, y);
    // lower case draws upper case, a space leaves its cell as it was; an
    // unknown character draws the glyph drawn last in the text ("0" when it
    // comes first), even after a space
    const std::pair<const char*, const char*> rows[] = {
        {"09AZ-+.?", "09AZ-+.?_"}, {"abcxyz", "ABCXYZ_"}, {"A B", "A_B_"},
        {"A!B\x01", "AABB_"},      {"!", "0_"},           {"Q \xE9", "Q_Q_"}};
    for (auto [text, want] : rows) {
        SDL_FillRect(target, nullptr, 0);
        draw_text({3, 20, 0, 0}, text, target, strip);
        EXPECT_EQ(cells(target, 3, 20, int(strlen(want))), want) << '"' << text << '"';
    }
    std::vector<char> exact(255, 'B'); // unterminated: not read past its end
    draw_text({0, 0, 0, 0}, exact.data(), target, strip);
    EXPECT_EQ(cells(target, 0, 0, 256), std::string(255, 'B') + "_");
    // "A" shows its columns 3..6 from row 5 on; "B" starts at x 4
    SDL_FillRect(target, nullptr, 0);
    draw_text({-3, -5, 0, 0}, "AB", target, strip);
    EXPECT_EQ(pixel32(target, 0, 0), glyph(10, 3, 5));
    EXPECT_EQ(pixel32(target, 4, 0), glyph(11, 0, 5));
    EXPECT_EQ(pixel32(target, 10, 10), glyph(11, 6, 15));
    EXPECT_TRUE(pixel32(target, 4, 11) == 0 && pixel32(target, 11, 0) == 0);
    for (SDL_Surface* s : {strip, target}) SDL_FreeSurface(s);
}

// Blue with its last column and row red, fitted over green: at the
// preview's last pixel a picture scaled down (shrunk, or stretched when it
// is not 4:3) shows some red (all red when a side is the preview's), one put
// at the corner red (320x240) or green (smaller in a side: the picture under it).
TEST(fit_picture,
     scales_larger_pictures_to_the_preview_stretching_those_not_4_to_3_and_puts_the_rest_at_the_corner) {
    SDL_Surface* green = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(green, nullptr, 0x00FF00);
    // clang-format off
    const struct { int w, h; const char* last; picture_fit fit; } rows[] = {
        {640, 480, "scaled", fit_shrunk}, {960, 720, "scaled", fit_shrunk}, {1440, 1080, "scaled", fit_shrunk},
        {2560, 1920, "scaled", fit_shrunk},
        {645, 480, "scaled", fit_shrunk}, {640, 484, "scaled", fit_shrunk},   // 0.78 % and 0.83 % off the shape
        {321, 241, "red", fit_shrunk},                 // its red edge covers the last pixel all but 1/321
        {648, 480, "scaled", fit_stretched}, {640, 486, "scaled", fit_stretched}, // 1.25 % off
        {340, 250, "scaled", fit_stretched}, {1920, 1080, "scaled", fit_stretched}, {854, 480, "scaled", fit_stretched},
        {1280, 800, "scaled", fit_stretched}, {330, 240, "red", fit_stretched},
        {400, 240, "red", fit_stretched}, {320, 480, "red", fit_stretched}, // a side the preview's: its last row or column whole
        {320, 240, "red", fit_as_is}, {1000, 239, "green", fit_as_is}, // no larger in one side: at the corner
        {160, 120, "green", fit_as_is}, {319, 240, "green", fit_as_is}};
    // clang-format on
    for (auto [w, h, last, fit] : rows) {
        EXPECT_EQ(fit_of(w, h, 320, 240), fit) << w << "x" << h;
        SDL_Surface* p  = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_Rect inside = {0, 0, Uint16(w - 1), Uint16(h - 1)}; // blue, its last column and row red
        SDL_FillRect(p, nullptr, 0xFF0000);
        SDL_FillRect(p, &inside, 0x0000FF);
        SDL_Surface* shown = fit_picture(p, green, 320, 240);
        ASSERT_TRUE(shown && shown->w == 320 && shown->h == 240 && shown->format->BitsPerPixel == 24);
        const Uint32 v = pixel_at(shown, 319, 239), blue = pixel_at(shown, 0, 0);
        const std::string got = v == 0xFF0000                                        ? "red"
                                : v == 0x0000FF                                      ? "blue"
                                : v == 0x00FF00                                      ? "green"
                                : v >> 16 > 0 && (v & 0xFF) > 0 && (v & 0xFF00) == 0 ? "scaled"
                                                                                     : "other";
        EXPECT_EQ(got, last) << w << "x" << h << std::hex << " shows " << v;
        EXPECT_EQ(blue, 0x0000FFu) << w << "x" << h;
        for (SDL_Surface* q : {p, shown}) SDL_FreeSurface(q);
    }
    SDL_FreeSurface(green);
}

} // namespace
