// pictures_test.cpp - the twenty built-in pictures: each decodes, with the
// size and depth its role needs; recoloured faces are pure white; the magic
// frame leaves its fill clear; the colour bar shows what a click picks; both
// font strips have every cell they need, distinct and on the right ground;
// and start-up puts every picture and panel position in its place.
#include "assets/pictures.h"
#include "draw/surface_ops.h" // recolor
#include "draw/text.h"
#include "shell/image_store.h"
#include "shell/pictures.h"
#include "shell/run.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct surface {
    SDL_Surface* s;
    explicit surface(SDL_Surface* p) : s(p) {}
    surface(const unsigned char* bytes, size_t n) : s(load_image(bytes, n)) {}
    ~surface() { SDL_FreeSurface(s); }
    surface(const surface&)            = delete;
    surface& operator=(const surface&) = delete;
    SDL_Surface* operator->() const { return s; }
};

// The pixel value at (x, y), whatever the depth (24-bit: 0xRRGGBB).
Uint32 pixel(SDL_Surface* s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 v       = 0;
    std::memcpy(&v, p, s->format->BytesPerPixel);
    return v;
}

Uint32 rgb(SDL_Surface* s, int x, int y) {
    Uint8 r, g, b;
    SDL_GetRGB(pixel(s, x, y), s->format, &r, &g, &b);
    return static_cast<Uint32>(r << 16 | g << 8 | b);
}

Uint8 alpha(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8>(pixel(s, x, y) >> 24);
}

struct picture_info {
    const char* name;
    const unsigned char* bytes;
    const size_t* size;
};

#define PICTURE(n)                                                                                           \
    picture_info {                                                                                           \
#n, n, &n##_size                                                                                     \
    }

// Every picture that is recoloured, scaled or given the alpha set-up.
const picture_info with_alpha[] = {
    PICTURE(bBUTTON),     PICTURE(bBUTTONOVERLAY), PICTURE(bNAVI),         PICTURE(bBOW),
    PICTURE(bACTION),     PICTURE(b999),           PICTURE(bRUPEE),        PICTURE(bHEARTS),
    PICTURE(bMAP),        PICTURE(bMAGICBORDER),   PICTURE(bRUPEEOVERLAY), PICTURE(bHEARTSOVERLAY),
    PICTURE(bMAPOVERLAY),
};

// ---- element pictures ---------------------------------------------------------------

TEST(pictures, every_picture_with_alpha_is_32_bits_visible_and_partly_clear) {
    for (auto& p : with_alpha) {
        surface s(p.bytes, *p.size);
        ASSERT_NE(s.s, nullptr) << p.name;
        EXPECT_EQ(s->format->BitsPerPixel, 32) << p.name;
        EXPECT_EQ(*p.size % 2, 0u) << p.name;
        int clear = 0, seen = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++) (alpha(s.s, x, y) == 0 ? clear : seen)++;
        EXPECT_GT(seen, 0) << p.name << " shows nothing";
        EXPECT_GT(clear, 0) << p.name << " has no clear pixel";
    }
}

TEST(pictures, recoloured_faces_are_pure_white_and_their_overlays_match_them) {
    const picture_info faces[][2] = {
        {PICTURE(bBUTTON), PICTURE(bBUTTONOVERLAY)},
        {PICTURE(bRUPEE),  PICTURE(bRUPEEOVERLAY) },
        {PICTURE(bHEARTS), PICTURE(bHEARTSOVERLAY)},
        {PICTURE(bMAP),    PICTURE(bMAPOVERLAY)   }
    };
    for (auto& pair : faces) {
        surface face(pair[0].bytes, *pair[0].size), over(pair[1].bytes, *pair[1].size);
        ASSERT_NE(face.s, nullptr) << pair[0].name;
        ASSERT_NE(over.s, nullptr) << pair[1].name;
        EXPECT_EQ(face->w, over->w) << pair[1].name;
        EXPECT_EQ(face->h, over->h) << pair[1].name;
        // recolouring maps 255 exactly to the slot colour and nothing else
        // does: every visible face pixel must be white to show the colour
        for (int y = 0; y < face->h; y++)
            for (int x = 0; x < face->w; x++)
                if (alpha(face.s, x, y) != 0) {
                    ASSERT_EQ(rgb(face.s, x, y), 0xFFFFFFu) << pair[0].name << " " << x << "," << y;
                }
        enable_pixel_alpha(face.s);
        recolor(face.s, 0, 150, 0, 255);
        for (int y = 0; y < face->h; y++)
            for (int x = 0; x < face->w; x++)
                if (alpha(face.s, x, y) != 0) {
                    ASSERT_EQ(rgb(face.s, x, y), 0x009600u) << pair[0].name;
                }
    }
}

TEST(pictures, the_magic_frame_leaves_the_fill_clear_and_closes_round_it) {
    surface s(bMAGICBORDER, bMAGICBORDER_size);
    ASSERT_NE(s.s, nullptr);
    ASSERT_GE(s->w, 108);
    ASSERT_GE(s->h, 12);
    // the fill is 100x8 at (7, 3): clear there, framed just outside
    for (int y = 3; y <= 10; y++)
        for (int x = 7; x <= 106; x++) ASSERT_EQ(alpha(s.s, x, y), 0) << x << "," << y;
    for (int y = 3; y <= 10; y++) {
        EXPECT_EQ(alpha(s.s, 6, y), 255) << y;
        EXPECT_EQ(alpha(s.s, 107, y), 255) << y;
    }
    for (int x = 7; x <= 106; x++) {
        EXPECT_EQ(alpha(s.s, x, 2), 255) << x;
        EXPECT_EQ(alpha(s.s, x, 11), 255) << x;
    }
}

// ---- screens and panel ------------------------------------------------------------------

TEST(pictures, backgrounds_fill_the_preview_and_the_save_button_its_box) {
    for (auto p : {PICTURE(bBG), PICTURE(bSPLASH)}) {
        surface s(p.bytes, *p.size);
        ASSERT_NE(s.s, nullptr) << p.name;
        EXPECT_EQ(s->w, 320) << p.name;
        EXPECT_EQ(s->h, 240) << p.name;
    }
    surface save(bSAVE, bSAVE_size);
    ASSERT_NE(save.s, nullptr);
    // clicks count from its corner to 24 pixels right and down
    EXPECT_GE(save->w, 20);
    EXPECT_LE(save->w, 25);
    EXPECT_GE(save->h, 20);
    EXPECT_LE(save->h, 25);
}

TEST(pictures, the_colour_bar_shows_the_colour_a_click_picks) {
    surface s(bCOLORPICKER, bCOLORPICKER_size);
    ASSERT_NE(s.s, nullptr);
    EXPECT_EQ(s->w, 178);
    EXPECT_EQ(s->h, 16);
    // bar position n (click at x 8 + n) and the colour picked there
    const struct {
        int n;
        Uint32 colour;
    } picks[] = {
        {0,   0xFF0000},
        {1,   0xFF0800},
        {2,   0xFF1100},
        {30,  0xFFFF00},
        {31,  0xFFFF00},
        {32,  0xF7FF00},
        {60,  0x09FF00},
        {61,  0x09FF09},
        {90,  0x09FFFF},
        {91,  0x09FFFF},
        {92,  0x09F6FF},
        {120, 0x0908FF},
        {121, 0x1108FF},
        {149, 0xFF08FF},
        {151, 0xFF08FF},
        {152, 0xFF08F6}
    };
    for (auto& p : picks)
        for (int y = 0; y < 16; y++)
            ASSERT_EQ(rgb(s.s, p.n, y), p.colour) << "position " << p.n << " row " << y;
    // each step moves one channel by 8 or 9 (up to the end of the walk)
    for (int n = 1; n < 178; n++) {
        Uint32 a = rgb(s.s, n - 1, 8), b = rgb(s.s, n, 8);
        int moved = 0;
        for (int sh = 0; sh < 24; sh += 8) {
            int d = std::abs(static_cast<int>(a >> sh & 255) - static_cast<int>(b >> sh & 255));
            if (d != 0) {
                moved++;
                EXPECT_TRUE(d == 8 || d == 9) << n;
            }
        }
        EXPECT_LE(moved, 1) << n;
    }
}

// The 7x16 cell k of a font strip, as pixel values.
std::vector<Uint32> cell(SDL_Surface* s, int k) {
    std::vector<Uint32> v;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 7; x++) v.push_back(rgb(s, 7 * k + x, y));
    return v;
}

void check_strip(const char* name, SDL_Surface* s, int needed, Uint32 ground) {
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ(s->h, 16) << name;
    EXPECT_EQ(s->w % 7, 0) << name;
    ASSERT_GE(s->w, 7 * needed) << name;
    std::set<std::vector<Uint32>> seen;
    for (int k = 0; k < needed; k++) {
        auto c = cell(s, k);
        // the cell is copied whole: its ground must be the field's colour
        EXPECT_EQ(c.front(), ground) << name << " cell " << k;
        EXPECT_EQ(c.back(), ground) << name << " cell " << k;
        int ink = 0;
        for (Uint32 v : c) ink += v != ground;
        EXPECT_GE(ink, 2) << name << " cell " << k << " is empty";
        EXPECT_TRUE(seen.insert(c).second) << name << " cell " << k << " repeats an earlier one";
    }
}

TEST(pictures, font_strips_have_every_needed_cell_distinct_on_their_ground) {
    surface alphabet(bALPHABET, bALPHABET_size), characters(bCHARACTERS, bCHARACTERS_size);
    check_strip("bALPHABET", alphabet.s, 40, 0x000000); // text on the black panel
    EXPECT_EQ(alphabet->w, 280);
    check_strip("bCHARACTERS", characters.s, 16, 0xFFFFFF); // digits in white fields
}

// ---- start-up -------------------------------------------------------------------------------

TEST(pictures, start_up_puts_every_picture_and_panel_position_in_place) {
    temp_dir dir;
    editor ed;
    ASSERT_TRUE(start_headless(ed));
    for (int k = 0; k < stream_count; k++) {
        ASSERT_NE(ed.streams[k].file, nullptr) << k;
        surface fresh(decode_stream(ed.streams[k]));
        EXPECT_NE(fresh.s, nullptr) << k;
    }
    // streams in start-up order: the button face first, the magic frame last
    surface button(decode_stream(ed.streams[s_button])), frame(decode_stream(ed.streams[s_magicborder]));
    surface button_file(bBUTTON, bBUTTON_size), frame_file(bMAGICBORDER, bMAGICBORDER_size);
    EXPECT_EQ(std::memcmp(button->pixels, button_file->pixels, button->h * button->pitch), 0);
    EXPECT_EQ(frame->w, frame_file->w);

    for (SDL_Surface* o : {ed.rupee_overlay, ed.hearts_overlay, ed.map_overlay}) {
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->format->Amask, 0xFF000000u);
        EXPECT_TRUE(o->flags & SDL_SRCALPHA);
    }
    for (SDL_Surface* p : {ed.background, ed.splash, ed.save_button, ed.color_picker, font[0], font[1]}) {
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->flags & SDL_SRCALPHA) << "drawn opaque";
    }
    EXPECT_EQ(font[1]->w, 280);
    EXPECT_EQ(ed.color_picker->w, 178);
    EXPECT_EQ(ed.background->w, 320);

    auto at = [](SDL_Rect r, int x, int y) { return r.x == x && r.y == y; };
    EXPECT_TRUE(at(ed.save_button_pos, 276, 292));
    EXPECT_TRUE(at(ed.color_bar_pos, 8, 248));
    EXPECT_TRUE(at(ed.scale_label_pos, 8, 272));
    EXPECT_TRUE(at(ed.selector_pos, 8, 296));
    tear_down(ed);
}

} // namespace
