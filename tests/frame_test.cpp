// frame_test.cpp - the drawn frame with plain test pictures in place of the
// artwork, so that sizes and pixels are known: scale factors, recolouring,
// overlays, draw order, the panel texts, position write-back, and scale
// values that cannot be drawn.
#include "draw/text.h"
#include "shell/image_store.h"
#include "shell/run.h"
#include "support.h"
#include "ui/frame.h"
#include "ui/input.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr Uint32 white = 0xFFFFFFFF, clear = 0x00000000, black = 0xFF000000;
constexpr Uint32 grey = 0x404040, number_color = 0x123456, save_red = 0xE01010;

// A picture of one colour whose first column is another.
SDL_Surface* edged(int w, int h, Uint32 fill, Uint32 edge) {
    SDL_Surface* s = argb_surface(w, h, fill);
    for (int y = 0; y < h; y++)
        reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[0] = edge;
    return s;
}

// A font strip whose cell k is filled with base * (k + 1).
SDL_Surface* strip(Uint32 base) {
    SDL_Surface* s = argb_surface(280, 16, 0);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 280; x++)
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x] =
                0xFF000000 | base * static_cast<Uint32>(x / 7 + 1);
    SDL_SetAlpha(s, 0, 255); // glyphs are copied opaquely
    return s;
}

Uint32 glyph(Uint32 base, int cell) {
    return base * static_cast<Uint32>(cell + 1);
}

struct frame : ::testing::Test {
    temp_dir dir;
    editor ed;
    SDL_Surface* old_font[2] = {};

    void SetUp() override {
        ASSERT_TRUE(start_editor_headless(ed));
        struct {
            stream_id id;
            SDL_Surface* picture;
        } pictures[] = {
            {s_button,        argb_surface(40, 40,            white)             },
            {s_buttonoverlay, edged(40,        40,            clear,               black)},
            {s_navi,               argb_surface(16,                         16,         white) },
            {s_bow,               argb_surface(32,                          32,          white)},
            {s_action,               argb_surface(30,                       30,       white) },
            {s_99,               argb_surface(10,                           8,           0xFF000000 | number_color) },
            {s_999,               argb_surface(24,                          8,          white) },
            {s_rupee,               argb_surface(12,                        14,        white)},
            {s_hearts,               argb_surface(50,                       10,       white) },
            {s_map,               argb_surface(60,                          40,          white)},
            {s_magicborder,               argb_surface(110,                  14, clear)},
        };
        for (auto& p : pictures) {
            replace_stream(p.id, bmp_stream(p.picture));
            SDL_FreeSurface(p.picture);
        }
        replace(ed.rupee_overlay, edged(12, 14, clear, black));
        replace(ed.hearts_overlay, nullptr);
        replace(ed.map_overlay, nullptr);
        replace(ed.background, argb_surface(320, 240, 0xFF000000 | grey));
        SDL_SetAlpha(ed.background, 0, 255); // drawn opaque, like the built-in one
        replace(ed.save_button, argb_surface(25, 25, 0xFF000000 | save_red));
        replace(ed.color_picker, nullptr);
        old_font[0] = font[0];
        old_font[1] = font[1];
        font[0]     = strip(0x010000);
        font[1]     = strip(0x000001);
    }
    void TearDown() override {
        SDL_FreeSurface(font[0]);
        SDL_FreeSurface(font[1]);
        font[0] = old_font[0];
        font[1] = old_font[1];
        tear_down(ed);
    }
    void replace_stream(stream_id id, image_stream s) {
        close_stream(ed.streams[id]);
        ed.streams[id] = s;
    }
    void replace(SDL_Surface*& slot, SDL_Surface* s) {
        if (slot) SDL_FreeSurface(slot);
        slot = s;
    }
    void passes(int n) {
        for (int i = 0; i < n; i++) editor_pass(ed);
    }
    SDL_Rect& pos(int e) { return ed.model.elements[e].pos; }
    element_size size(int e) const { return ed.model.element_sizes[e]; }
    Uint32 at(int x, int y) const { return pixel_at(ed.screen, x, y) & 0xFFFFFF; }

    // Every element on a spot of its own.
    void spread() {
        const int spots[element_count * 2] = {
            10,  10,  60,  10,  100, 10,  130, 10,  170, 10,  210, 10, // buttons
            10,  110, 30,  110, 60,  110, 120, 110, 190, 110,          // status items
            250, 10,  10,  60,  50,  60,  70,  60,  100, 60,  130, 60, // icons
            160, 60,  175, 60,  190, 60,  205, 60,                     // numbers
        };
        for (int e = 0; e < element_count; e++)
            pos(e) = {Sint16(spots[2 * e]), Sint16(spots[2 * e + 1]), 0, 0};
    }
};

// ---- scale factors and drawn sizes ----------------------------------------------

TEST(scale_factor, home_values_give_the_games_scales) {
    EXPECT_FLOAT_EQ(general_factor(575), 527.0f / 575.0f);
    EXPECT_FLOAT_EQ(general_factor(620), 0.85f);
    EXPECT_FLOAT_EQ(a_button_factor(65156), 527.0f / 568.0f);
    EXPECT_FLOAT_EQ(a_icon_factor(48, 16), static_cast<float>(96.375 / 95.0));
    // doubled slots 6 and 12 keep the ratio; 96 / 16 makes b = 6
    EXPECT_FLOAT_EQ(a_icon_factor(96, 32), static_cast<float>(3 * (32.125 / 2) / 95.0));
    EXPECT_FLOAT_EQ(a_icon_factor(96, 16), static_cast<float>(6 * (32.125 / 2) / 95.0));
    // the divisors are unsigned: a negative value is a huge divisor
    EXPECT_GT(general_factor(-1), 0.0f);
    EXPECT_LT(general_factor(-1), 1e-6f);
}

TEST(scale_factor, values_without_a_drawable_scale_give_0) {
    EXPECT_EQ(general_factor(0), 0.0f);
    EXPECT_EQ(a_button_factor(0xFFFF), 0.0f);
    // 0xFFFF + 0x10000 * k... d wraps; d + d/2 can wrap to 0 as well
    EXPECT_EQ(a_icon_factor(48, 0), 0.0f);
    EXPECT_EQ(a_icon_factor(47, 16), 0.0f);
    EXPECT_EQ(a_icon_factor(48, 49), 0.0f);
    EXPECT_EQ(a_icon_factor(0, 0), 0.0f);
}

TEST_F(frame, elements_are_drawn_at_their_home_scales) {
    passes(1);
    struct {
        int e, w, h;
    } want[] = {
        {0,  37,  37}, // 527/568
        {1,  36,  36}, // 527/575
        {2,  24,  24}, // 527/876
        {5,  34,  34}, // 527/620
        {11, 30,  30}, // 96.375/95
        {12, 30,  30}, // 527/550
        {13, 16,  16}, // unscaled
        {14, 24,  24}, // 527/680
        {9,  60,  40}, // status items and numbers at their own sizes
        {10, 110, 14},
        {20, 10,  8 },
    };
    for (auto& w : want) {
        EXPECT_EQ(size(w.e).w, w.w) << w.e;
        EXPECT_EQ(size(w.e).h, w.h) << w.e;
    }
}

// ---- pixels ----------------------------------------------------------------------

TEST_F(frame, each_element_shows_its_colour_under_its_overlay) {
    spread();
    ed.model.colors[5].value = {1, 2, 3, 0};
    passes(1);
    EXPECT_EQ(at(17 + 18, 17 + 18), 0x5A5AFFu) << "A Button, drawn at +7, +7";
    EXPECT_EQ(at(17, 30), 0u) << "the overlay's dark edge, at the same place";
    EXPECT_EQ(at(16, 30), grey);
    EXPECT_EQ(at(60 + 18, 10 + 18), 0x009600u) << "B Button";
    EXPECT_EQ(at(60, 20), 0u);
    for (int x : {100, 130, 170, 210}) EXPECT_EQ(at(x + 10, 20), 0xFFA000u) << "C buttons share one colour";
    for (int x : {250, 10, 50, 70, 100, 130}) EXPECT_EQ(at(x + 5, x == 250 ? 15 : 65), 0xFFFFFFu) << "icons";
    for (int x : {160, 175, 190, 205}) EXPECT_EQ(at(x + 5, 63), number_color) << "numbers";
    EXPECT_EQ(at(15, 115), 0xC8FF64u) << "Rupee Icon";
    EXPECT_EQ(at(10, 115), 0u) << "its overlay";
    EXPECT_EQ(at(35, 112), 0xFFFFFFu) << "the Rupee Number keeps its own colours";
    EXPECT_EQ(at(65, 115), 0x010203u) << "Hearts";
    EXPECT_EQ(at(125, 115), 0x00FFFFu) << "Map";
    // the Magic Meter's bar: 100 x 8 at +7, +3 under its (clear) frame
    EXPECT_EQ(at(197, 113), 0x00C800u);
    EXPECT_EQ(at(296, 120), 0x00C800u);
    EXPECT_EQ(at(297, 120), grey);
    EXPECT_EQ(at(196, 113), grey);
    EXPECT_EQ(at(197, 121), grey);
    EXPECT_EQ(at(197, 112), grey);

    // colour slot 4 is not drawn with
    std::vector<Uint32> before;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) before.push_back(at(x, y));
    ed.model.colors[4].value = {9, 9, 9, 0};
    passes(1);
    size_t i = 0, differ = 0;
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) differ += at(x, y) != before[i++];
    EXPECT_EQ(differ, 0u);
}

TEST_F(frame, later_groups_cover_earlier_ones_and_the_save_button_covers_all) {
    passes(1); // home layout: icons on their buttons, numbers on the icons
    EXPECT_EQ(at(186 + 8, 9 + 8), 0xFFFFFFu) << "the A Button Icon over the A Button";
    EXPECT_EQ(at(163, 36), number_color) << "the B Button Number over the B Button Icon";
    pos(6) = {250, 51, 0, 0};  // the Rupee Icon onto the C-Down Number
    pos(9) = {270, 270, 0, 0}; // the Map into the panel, under the save button
    passes(1);
    EXPECT_EQ(at(252, 53), 0xC8FF64u);
    EXPECT_EQ(at(272, 280), 0x00FFFFu) << "an element covers the panel";
    EXPECT_EQ(at(280, 300), save_red);
}

TEST_F(frame, the_panel_shows_labels_selector_and_value_texts) {
    ed.model.selected = 1;
    passes(2); // the first pass fills the texts, the second draws them
    Uint32 f1 = 0x000001, f0 = 0x010000;
    // selector: "-" at 8, the name from 22 ("    B Button   "), "+" at 134
    EXPECT_EQ(at(8, 296), glyph(f1, 36));
    EXPECT_EQ(at(22, 296), 0u) << "spaces draw nothing";
    EXPECT_EQ(at(50, 300), glyph(f1, 11));
    EXPECT_EQ(at(134, 296), glyph(f1, 37));
    EXPECT_EQ(at(140, 311), glyph(f1, 37));
    EXPECT_EQ(at(141, 296), 0u);
    // "- X +" and x_text "00A0" in its field at 173; "- Y +" and y_text "0011"
    EXPECT_EQ(at(144, 280), glyph(f1, 33));
    EXPECT_EQ(at(173, 272), glyph(f0, 0));
    EXPECT_EQ(at(187, 272), glyph(f0, 10));
    EXPECT_EQ(at(244, 280), glyph(f1, 34));
    EXPECT_EQ(at(294, 287), glyph(f0, 1));
    // "- Scale +" and scale_text "023F", color_text "009600"
    EXPECT_EQ(at(22, 272), glyph(f1, 28));
    EXPECT_EQ(at(64, 272), glyph(f1, 37));
    EXPECT_EQ(at(99, 272), glyph(f0, 15));
    EXPECT_EQ(at(214, 248), glyph(f0, 9));
    // an element without a scale leaves its field white
    ed.model.selected = 8;
    ed.scale_button   = 2;
    passes(2);
    EXPECT_EQ(at(78, 272), 0xFFFFFFu);
    EXPECT_EQ(at(105, 287), 0xFFFFFFu);
    EXPECT_EQ(at(106, 287), 0u);
}

// ---- position write-back ----------------------------------------------------------

TEST_F(frame, a_corner_left_of_or_above_the_window_is_held_at_the_edge) {
    pos(1)  = {-20, -5, 0, 0};
    pos(0)  = {-20, -20, 0, 0};
    pos(9)  = {-100, 100, 0, 0}; // wholly outside
    pos(12) = {400, 300, 0, 0};  // right and below: kept
    pos(7)  = {5, -3, 0, 0};
    passes(1);
    EXPECT_EQ(pos(1).x, 0);
    EXPECT_EQ(pos(1).y, 0);
    EXPECT_EQ(pos(0).x, -7);
    EXPECT_EQ(pos(0).y, -7);
    EXPECT_EQ(pos(9).x, 0);
    EXPECT_EQ(pos(12).x, 400);
    EXPECT_EQ(pos(12).y, 300);
    EXPECT_EQ(pos(7).x, 5);
    EXPECT_EQ(pos(7).y, 0);
    passes(1);
    EXPECT_EQ(pos(0).x, -7) << "and stays there";

    // typed FFFF into X: -1 for the rest of the pass, 0 after the next frame
    ed.model.selected = 1;
    push_press(185, 280);
    for (SDLKey k : {SDLK_f, SDLK_f, SDLK_f, SDLK_f}) push_key(k);
    poll_editor_events(ed);
    EXPECT_EQ(pos(1).x, -1);
    passes(1);
    EXPECT_EQ(pos(1).x, 0);

    // a corner near the 16-bit limit does not wrap onto the window
    pos(0) = {32767, 32765, 0, 0};
    passes(1);
    EXPECT_EQ(pos(0).x, 32767);
    EXPECT_EQ(pos(0).y, 32765);
}

// ---- what cannot be drawn -------------------------------------------------------------

TEST_F(frame, scales_without_a_drawable_size_skip_the_element_and_keep_its_size) {
    struct {
        int e, slot;
        int32_t value;
    } cases[] = {
        {1,  1,  0        }, // divisor 0
        {1,  1,  1        }, // 527 times: far too large
        {1,  1,  -1       }, // a tiny factor: nothing left
        {0,  0,  0xFFFF   }, // the A Button's divisor 0
        {0,  0,  0xFFFE   }, // and 1
        {11, 12, 0        }, // division by slot 12
        {11, 6,  47       }, // slot 6 below 48
        {11, 12, 49       }, // b = 0
        {14, 9,  INT32_MIN},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.e);
        start_scales(ed.model);
        spread();
        passes(1);
        element_size drawn = size(c.e);
        ASSERT_GT(drawn.w, 0);
        ed.model.scales[c.slot].value = c.value;
        spread();
        ed.model.element_sizes[c.e] = {77, 66};
        passes(1);
        EXPECT_EQ(size(c.e).w, 77);
        EXPECT_EQ(size(c.e).h, 66);
        EXPECT_EQ(size(2).w, 24) << "the others are drawn";
    }
}

TEST_F(frame, holding_a_scale_button_through_every_value_never_fails) {
    // small pictures keep the passes cheap where the factor is in the hundreds
    SDL_Surface* tiny = argb_surface(4, 4, white);
    for (stream_id id : {s_button, s_buttonoverlay, s_bow, s_action}) replace_stream(id, bmp_stream(tiny));
    SDL_FreeSurface(tiny);
    const int scaled[] = {0, 1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 16};
    for (int e : scaled) {
        SCOPED_TRACE(e);
        ed.model.selected = e;
        push_release(0, 0);
        push_press(68, 280); // "+"
        passes(1000);
        push_release(0, 0);
        push_press(10, 280); // "-"
        passes(2000);
        push_release(0, 0);
        passes(1);
        ASSERT_NE(ed.screen, nullptr);
    }
    // every divisor crossed 0 twice: slot 2 went from 876 down past 0 and back
    // up, slot 0 up past FFFF and back, slots 6 and 12 down past 48 and 0
    EXPECT_EQ(ed.model.scales[2].value, 876 + 1000);
    EXPECT_EQ(ed.model.scales[0].value, 65156 - 1000);
    EXPECT_EQ(ed.model.scales[6].value, 48 - 3000);
    EXPECT_EQ(ed.model.scales[12].value, 16 - 1000);
}

TEST_F(frame, a_picture_that_does_not_decode_is_skipped) {
    passes(1);
    std::FILE* junk = std::tmpfile();
    std::fputs("not a picture", junk);
    replace_stream(s_bow, image_stream{junk, SDL_RWFromFP(junk, 0), nullptr, 0});
    replace_stream(s_map, image_stream{});
    ed.model.element_sizes[12] = {5, 6};
    ed.model.element_sizes[9]  = {7, 8};
    passes(2);
    EXPECT_EQ(size(12).w, 5);
    EXPECT_EQ(size(9).h, 8);
    EXPECT_EQ(size(11).w, 30);
}

TEST_F(frame, after_a_refused_resize_the_steps_still_run_and_nothing_is_drawn) {
    auto resize = [](int w, int h) {
        SDL_Event e{};
        e.type     = SDL_VIDEORESIZE;
        e.resize.w = w;
        e.resize.h = h;
        SDL_PushEvent(&e);
    };
    resize(-5, 10);       // a size SDL refuses
    push_press(160, 280); // X "+"
    passes(3);
    EXPECT_EQ(ed.screen, nullptr);
    EXPECT_EQ(pos(0).x, 186 + 3);
    EXPECT_STREQ(ed.x_text, "00BD");
    resize(330, 340);
    passes(1);
    ASSERT_NE(ed.screen, nullptr);
    EXPECT_EQ(ed.screen->w, 330);
    EXPECT_EQ(ed.screen->h, 340);
    EXPECT_EQ(at(8, 296), glyph(0x000001, 36)) << "drawing goes on at the fixed places";
    EXPECT_EQ(pos(0).x, 186 + 4);
}

} // namespace

namespace {

// ---- with the built-in artwork ------------------------------------------------------

struct frame_art : ::testing::Test {
    temp_dir dir;
    editor ed;
    void SetUp() override { ASSERT_TRUE(start_editor_headless(ed)); }
    void TearDown() override { tear_down(ed); }
    void passes(int n) {
        for (int i = 0; i < n; i++) editor_pass(ed);
    }
    Uint32 at(int x, int y) const { return pixel_at(ed.screen, x, y) & 0xFFFFFF; }
    // A point of element e's drawn face, 5/8 across and 9/16 down, out of the
    // overlay's gloss and rim (the A Button's is 7 px further on).
    Uint32 face(int e) const {
        const SDL_Rect& p     = ed.model.elements[e].pos;
        const element_size& s = ed.model.element_sizes[e];
        int inset             = e == 0 ? 7 : 0;
        return at(p.x + inset + s.w * 5 / 8, p.y + inset + s.h * 9 / 16);
    }
};

// The overlay's faint shading may darken a channel by up to 1/16.
::testing::AssertionResult shaded(Uint32 got, Uint32 want) {
    for (int shift : {16, 8, 0}) {
        int g = got >> shift & 0xFF, w = want >> shift & 0xFF;
        if (g > w || g + w / 16 + 1 < w)
            return ::testing::AssertionFailure() << std::hex << got << " is not a shade of " << want;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(frame_art, button_faces_show_their_slot_colour) {
    for (int e = 11; e <= 20; e++) ed.model.elements[e].pos = {10, 200, 0, 0}; // icons and numbers aside
    passes(1);
    EXPECT_TRUE(shaded(face(0), 0x5A5AFF));
    EXPECT_TRUE(shaded(face(1), 0x009600));
    for (int e = 2; e <= 5; e++) EXPECT_TRUE(shaded(face(e), 0xFFA000)) << e;
    ed.model.colors[1].value = {200, 10, 30, 0};
    ed.model.colors[2].value = {1, 2, 3, 0};
    ed.model.colors[4].value = {9, 9, 9, 0};
    passes(1);
    EXPECT_TRUE(shaded(face(1), 0xC80A1E));
    for (int e = 2; e <= 5; e++) EXPECT_TRUE(shaded(face(e), 0x010203)) << e;
}

TEST_F(frame_art, holding_scale_buttons_through_every_value_never_fails) {
    // one element of each rule; the plain-picture test above runs all twelve
    for (int e : {0, 1, 11}) {
        SCOPED_TRACE(e);
        ed.model.selected = e;
        push_release(0, 0);
        push_press(68, 280); // "+"
        passes(1000);
        push_release(0, 0);
        push_press(10, 280); // "-"
        passes(2000);
        push_release(0, 0);
        passes(1);
    }
    EXPECT_EQ(ed.model.scales[1].value, 575 + 1000);
    EXPECT_EQ(ed.model.scales[12].value, 16 - 1000);
}

} // namespace
