// pictures_test.cpp - the twenty built-in pictures: each decodes, with the
// size and depth its role needs; recoloured faces are pure white; the magic
// frame leaves its fill clear; the colour bar shows what a click picks; both
// font strips have every cell they need, distinct and on the right ground;
// and start-up puts every picture and panel position in its place.
#include "assets/pictures.h"
#include "draw/surface_ops.h" // recolor
#include "draw/text.h"
#include "shell/image_store.h"
#include "support.h"
#include "ui/color_bar.h"

#include <set>

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

Uint32 rgb_at(SDL_Surface* s, int x, int y) {
    Uint8 r, g, b;
    SDL_GetRGB(pixel_at(s, x, y), s->format, &r, &g, &b);
    return static_cast<Uint32>(r << 16 | g << 8 | b);
}

Uint8 alpha(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8>(pixel_at(s, x, y) >> 24);
}

struct picture_info {
    const char* name;
    const unsigned char* bytes;
    const size_t* size;
    int stream; // its stream_id, or -1 for a picture decoded once
    bool alpha; // recoloured, scaled or given the alpha set-up
    int w, h;   // the size its role needs (0: any)
};
#define PICTURE(n) #n, n, &n##_size

const picture_info pictures[] = {
    {PICTURE(bBUTTON), s_button, true, 0, 0},
    {PICTURE(bBUTTONOVERLAY), s_buttonoverlay, true, 0, 0},
    {PICTURE(bNAVI), s_navi, true, 0, 0},
    {PICTURE(bBOW), s_bow, true, 0, 0},
    {PICTURE(bACTION), s_action, true, 0, 0},
    {PICTURE(b99), s_99, false, 0, 0},
    {PICTURE(b999), s_999, true, 0, 0},
    {PICTURE(bRUPEE), s_rupee, true, 0, 0},
    {PICTURE(bHEARTS), s_hearts, true, 0, 0},
    {PICTURE(bMAP), s_map, true, 0, 0},
    {PICTURE(bMAGICBORDER), s_magicborder, true, 0, 0},
    {PICTURE(bRUPEEOVERLAY), -1, true, 0, 0},
    {PICTURE(bHEARTSOVERLAY), -1, true, 0, 0},
    {PICTURE(bMAPOVERLAY), -1, true, 0, 0},
    {PICTURE(bBG), -1, false, 320, 240},
    {PICTURE(bCHARACTERS), -1, false, 0, 16},
    {PICTURE(bSPLASH), -1, false, 320, 240},
    {PICTURE(bSAVE), -1, false, 0, 0},
    {PICTURE(bALPHABET), -1, false, 280, 16},
    {PICTURE(bCOLORPICKER), -1, false, 178, 16},
};

TEST(pictures, every_picture_decodes_at_the_size_and_depth_of_its_role) {
    for (auto& p : pictures) {
        surface s(p.bytes, *p.size);
        ASSERT_NE(s.s, nullptr) << p.name;
        EXPECT_TRUE((!p.w || s->w == p.w) && (!p.h || s->h == p.h)) << p.name;
        if (!p.alpha) continue;
        EXPECT_EQ(s->format->BitsPerPixel, 32) << p.name;
        int clear = 0, seen = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++) (alpha(s.s, x, y) == 0 ? clear : seen)++;
        EXPECT_GT(seen, 0) << p.name << " shows nothing";
        EXPECT_GT(clear, 0) << p.name << " has no clear pixel";
    }
    surface save(bSAVE, bSAVE_size); // clicks count from its corner to 24 pixels right and down
    EXPECT_TRUE(save->w >= 20 && save->w <= 25 && save->h >= 20 && save->h <= 25);
}

TEST(pictures, recoloured_faces_are_pure_white_and_their_overlays_match_them) {
    const picture_info* faces[][2] = {
        {&pictures[0], &pictures[1]},  // button
        {&pictures[7], &pictures[11]}, // rupee
        {&pictures[8], &pictures[12]}, // hearts
        {&pictures[9], &pictures[13]}, // map
    };
    for (auto& pair : faces) {
        surface face(pair[0]->bytes, *pair[0]->size), over(pair[1]->bytes, *pair[1]->size);
        EXPECT_EQ(face->w, over->w) << pair[1]->name;
        EXPECT_EQ(face->h, over->h) << pair[1]->name;
        // recolouring maps 255 exactly to the slot colour and nothing else
        // does: every visible face pixel must be white to show the colour
        enable_pixel_alpha(face.s);
        recolor(face.s, 0, 150, 0, 255);
        for (int y = 0; y < face->h; y++)
            for (int x = 0; x < face->w; x++)
                ASSERT_TRUE(alpha(face.s, x, y) == 0 || rgb_at(face.s, x, y) == 0x009600u) << pair[0]->name;
    }
}

TEST(pictures, the_magic_frame_leaves_the_fill_clear_and_closes_round_it) {
    surface s(bMAGICBORDER, bMAGICBORDER_size);
    ASSERT_GE(s->w, 108);
    ASSERT_GE(s->h, 12);
    // the fill is 100x8 at (7, 3): clear there, framed just outside
    for (int y = 2; y <= 11; y++)
        for (int x = 6; x <= 107; x++) {
            bool frame  = y == 2 || y == 11 || x == 6 || x == 107;
            bool corner = (y == 2 || y == 11) && (x == 6 || x == 107);
            ASSERT_TRUE(corner || alpha(s.s, x, y) == (frame ? 255 : 0)) << x << "," << y;
        }
}

TEST(pictures, the_colour_bar_shows_the_colour_a_click_picks) {
    surface s(bCOLORPICKER, bCOLORPICKER_size);
    for (int n = 0; n < s->w; n++) {
        rgb c = color_walk(n);
        for (int y = 0; y < s->h; y++)
            ASSERT_EQ(rgb_at(s.s, n, y), static_cast<Uint32>(c.r << 16 | c.g << 8 | c.b)) << n << "," << y;
    }
}

void check_strip(const char* name, SDL_Surface* s, int needed, Uint32 ground) {
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ(s->w % 7, 0) << name;
    ASSERT_GE(s->w, 7 * needed) << name;
    std::set<std::vector<Uint32>> seen;
    for (int k = 0; k < needed; k++) {
        std::vector<Uint32> cell;
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 7; x++) cell.push_back(rgb_at(s, 7 * k + x, y));
        // the cell is copied whole: its ground must be the field's colour
        EXPECT_EQ(cell.front(), ground) << name << " cell " << k;
        EXPECT_EQ(cell.back(), ground) << name << " cell " << k;
        EXPECT_GE(std::count_if(cell.begin(), cell.end(), [&](Uint32 v) { return v != ground; }), 2)
            << name << " cell " << k << " is empty";
        EXPECT_TRUE(seen.insert(cell).second) << name << " cell " << k << " repeats an earlier one";
    }
}

TEST(pictures, font_strips_have_every_needed_cell_distinct_on_their_ground) {
    surface alphabet(bALPHABET, bALPHABET_size), characters(bCHARACTERS, bCHARACTERS_size);
    check_strip("bALPHABET", alphabet.s, 40, 0x000000);     // text on the black panel
    check_strip("bCHARACTERS", characters.s, 16, 0xFFFFFF); // digits in white fields
}

// ---- start-up -------------------------------------------------------------------------------

TEST(pictures, start_up_puts_every_picture_and_panel_position_in_place) {
    temp_dir dir;
    int before = open_temporary_files();
    for (int run = 0; run < 2; run++) { // a second start-up in the same process too
        editor ed;
        ASSERT_TRUE(start_headless(ed));
        EXPECT_EQ(open_temporary_files(), before + stream_count);
        for (auto& p : pictures) {
            if (p.stream < 0) continue;
            surface fresh(decode_stream(ed.streams[p.stream])), own(p.bytes, *p.size);
            ASSERT_NE(fresh.s, nullptr) << p.name;
            EXPECT_TRUE(same_pixels(fresh.s, own.s)) << p.name << " is not stream " << p.stream;
        }
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
        EXPECT_TRUE(at(ed.save_button_pos, 276, 292) && at(ed.color_bar_pos, 8, 248) &&
                    at(ed.scale_label_pos, 8, 272) && at(ed.selector_pos, 8, 296));
        tear_down(ed);
        EXPECT_EQ(open_temporary_files(), before);
    }
}

} // namespace
