// frame_test.cpp - the drawn frame with plain test pictures in place of the
// artwork, so that sizes and pixels are known: scale factors, recolouring and
// overlays, the value texts, position write-back, scale values that cannot be
// drawn, and scale buttons held through them (also with the artwork). The
// frame against a plain rendering of it is golden_frame_test's.
#include "draw/text.h"
#include "shell/image_store.h"
#include "support.h"
#include "ui/frame.h"
#include "ui/input.h"

#include <algorithm>
#include <climits>

namespace {

constexpr Uint32 white = 0xFFFFFFFF, clear = 0x00000000, black = 0xFF000000;
constexpr Uint32 grey = 0x404040, number_color = 0x123456, save_red = 0xE01010;

// A picture of one colour whose first column is another.
SDL_Surface* edged(int w, int h, Uint32 fill, Uint32 edge) {
    SDL_Surface* s = argb_surface(w, h, fill);
    for (int y = 0; y < h; y++) pixel32(s, 0, y) = edge;
    return s;
}

// A font strip whose cell k is filled with base * (k + 1), copied opaquely.
SDL_Surface* strip(Uint32 base) {
    SDL_Surface* s = argb_surface(280, 16, 0);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 280; x++) pixel32(s, x, y) = 0xFF000000 | base * static_cast<Uint32>(x / 7 + 1);
    SDL_SetAlpha(s, 0, 255);
    return s;
}

Uint32 glyph(Uint32 base, int cell) {
    return base * static_cast<Uint32>(cell + 1);
}

void replace(SDL_Surface*& slot, SDL_Surface* s) {
    if (slot) SDL_FreeSurface(slot);
    slot = s;
}

void replace_stream(editor& ed, stream_id id, SDL_Surface* picture) {
    close_stream(ed.streams[id]);
    ed.streams[id] = bmp_stream(picture);
    SDL_FreeSurface(picture);
}

// Holds a scale button down for n passes, then lets go.
void hold_scale(editor& ed, bool plus, int n) {
    push_release(0, 0);
    push_press(plus ? 68 : 10, 280);
    run_passes(ed, n);
    push_release(0, 0);
    run_passes(ed, 1);
}

// Holds the scale buttons of element e so that its scale runs from n steps
// short of the value where it stops being drawable (a divisor of 0, the A
// Button's FFFF, the A Button Icon's 48) to 3n steps beyond it, then back:
// every pass draws the frame, and the element is drawn as before afterwards.
void sweep_through_the_end(editor& ed, int e, int n = 48) {
    scale_slot* s     = ed.model.scales;
    const int k       = scale_slot_of(e);
    ed.model.selected = e;
    bool toward       = true; // "+" shrinks a divisor and grows the A Button's value
    if (e == 0) {
        s[0].value = 0xFFFF - n;
    } else if (e == 11) {
        s[6].value  = 48 + 3 * n; // with slot 12 in the ratio of their homes
        s[12].value = 16 + n;
        toward      = false;
    } else {
        s[k].value = n;
    }
    scale_slot before[scale_count];
    std::copy(s, s + scale_count, before);
    run_passes(ed, 1);
    element_size size = ed.model.element_sizes[e];
    hold_scale(ed, toward, 4 * n);
    EXPECT_EQ(s[k].value - before[k].value, (e == 0 ? 4 : e == 11 ? -12 : -4) * n) << e;
    hold_scale(ed, !toward, 4 * n);
    for (int j = 0; j < scale_count; j++) EXPECT_EQ(s[j].value, before[j].value) << e << " slot " << j;
    EXPECT_TRUE(ed.model.element_sizes[e].w == size.w && ed.model.element_sizes[e].h == size.h) << e;
    ASSERT_NE(ed.screen, nullptr);
}

struct frame : editor_test {
    SDL_Surface* old_font[2] = {};
    void SetUp() override {
        editor_test::SetUp();
        replace_stream(ed, s_button, argb_surface(40, 40, white));
        replace_stream(ed, s_buttonoverlay, edged(40, 40, clear, black));
        replace_stream(ed, s_navi, argb_surface(16, 16, white));
        replace_stream(ed, s_bow, argb_surface(32, 32, white));
        replace_stream(ed, s_action, argb_surface(30, 30, white));
        replace_stream(ed, s_99, argb_surface(10, 8, 0xFF000000 | number_color));
        replace_stream(ed, s_999, argb_surface(24, 8, white));
        replace_stream(ed, s_rupee, argb_surface(12, 14, white));
        replace_stream(ed, s_hearts, argb_surface(50, 10, white));
        replace_stream(ed, s_map, argb_surface(60, 40, white));
        replace_stream(ed, s_magicborder, argb_surface(110, 14, clear));
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
        editor_test::TearDown();
    }
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

// (Values that give no drawable scale are the frame's test further down.)
TEST(scale_factor, slot_values_give_the_games_scales) {
    EXPECT_FLOAT_EQ(general_factor(620), 0.85f);
    EXPECT_FLOAT_EQ(a_button_factor(65156), 527.0f / 568.0f);
    EXPECT_FLOAT_EQ(a_icon_factor(100, 16), float(6 * (32.125 / 2) / 95.0)); // a = 2, b = 6: whole quotients
    EXPECT_GT(general_factor(-1), 0.0f); // the divisors are unsigned: a negative value is a huge one
    EXPECT_LT(general_factor(-1), 1e-6f);
}

TEST_F(frame, elements_are_drawn_at_their_home_scales) {
    passes(1);
    const struct {
        int e, w, h;
    } want[] = {
        {0, 37, 37},  // 527/568
        {1, 36, 36},  // 527/575
        {2, 24, 24},  // 527/876
        {5, 34, 34},  // 527/620
        {11, 30, 30}, // 96.375/95
        {12, 30, 30}, // 527/550
        {13, 16, 16}, // unscaled
        {14, 24, 24}, // 527/680
        {9, 60, 40},  // status items and numbers at their own sizes
        {10, 110, 14}, {20, 10, 8},
    };
    for (auto& w : want) EXPECT_TRUE(size(w.e).w == w.w && size(w.e).h == w.h) << w.e;
}

// ---- pixels ----------------------------------------------------------------------

TEST_F(frame, each_element_shows_its_colour_under_its_overlay) {
    spread();
    ed.model.colors[5].value = {1, 2, 3, 0};
    passes(2); // the second frame shows the texts the first one filled
    const struct {
        int x, y;
        Uint32 want;
        const char* what;
    } rows[] = {
        {35, 35, 0x5A5AFF, "A Button, 7 px right of and below its corner"},
        {17, 30, 0, "its overlay's dark edge, at the same place"},
        {16, 30, grey, "left of it"},
        {78, 28, 0x009600, "B Button"},
        {60, 20, 0, "its overlay"},
        {110, 20, 0xFFA000, "C-Up Button: the C buttons share one colour"},
        {140, 20, 0xFFA000, "C-Down Button"},
        {180, 20, 0xFFA000, "C-Left Button"},
        {220, 20, 0xFFA000, "C-Right Button"},
        {255, 15, 0xFFFFFF, "A Button Icon"},
        {15, 65, 0xFFFFFF, "B Button Icon"},
        {55, 65, 0xFFFFFF, "C-Up Icon"},
        {135, 65, 0xFFFFFF, "C-Right Icon"},
        {165, 63, number_color, "B Button Number"},
        {210, 63, number_color, "C-Right Number"},
        {15, 115, 0xC8FF64, "Rupee Icon"},
        {10, 115, 0, "its overlay"},
        {35, 112, 0xFFFFFF, "the Rupee Number keeps its own colours"},
        {65, 115, 0x010203, "Hearts"},
        {125, 115, 0x00FFFF, "Map"},
        {197, 113, 0x00C800, "Magic Meter: its bar, 100 x 8 at +7, +3"},
        {296, 120, 0x00C800, "the bar's far corner"},
        {297, 120, grey, "right of the bar"},
        {196, 113, grey, "left of it"},
        {197, 121, grey, "below it"},
        {197, 112, grey, "above it"},
    };
    for (auto& r : rows) EXPECT_EQ(at(r.x, r.y), r.want) << r.what;
    // colour slot 4 is not drawn with
    SDL_Surface* before      = SDL_ConvertSurface(ed.screen, ed.screen->format, SDL_SWSURFACE);
    ed.model.colors[4].value = {9, 9, 9, 0};
    passes(1);
    EXPECT_TRUE(same_pixels(before, ed.screen));
    SDL_FreeSurface(before);
}

// (The whole panel against a plain drawing of it is golden_frame_test's.)
TEST_F(frame, the_value_texts_stand_in_their_fields) {
    ed.model.selected = 1;
    passes(2); // the first pass fills the texts, the second draws them
    const Uint32 f1 = 0x000001, f0 = 0x010000;
    EXPECT_EQ(at(173, 272), glyph(f0, 0)); // x_text "00A0" right of "- X +"
    EXPECT_EQ(at(187, 272), glyph(f0, 10));
    EXPECT_EQ(at(294, 287), glyph(f0, 1)); // y_text "0011"
    EXPECT_EQ(at(99, 272), glyph(f0, 15)); // scale_text "023F"
    EXPECT_EQ(at(214, 248), glyph(f0, 9)); // color_text "009600"
    EXPECT_EQ(at(134, 296), glyph(f1, 37)) << "the selector's + one cell after the name";
}

// ---- position write-back ----------------------------------------------------------

TEST_F(frame, a_corner_left_of_or_above_the_window_is_held_at_the_edge) {
    pos(1)  = {-20, -5, 0, 0};
    pos(0)  = {-20, -20, 0, 0};
    pos(9)  = {-100, 100, 0, 0}; // wholly outside
    pos(12) = {400, 300, 0, 0};  // right and below: kept
    pos(7)  = {5, -3, 0, 0};
    passes(2);
    EXPECT_EQ(changes(ed.model), (std::vector<std::string>{"x0=-7", "y0=-7", "x1=0", "y1=0", "x7=5", "y7=0",
                                                           "x9=0", "y9=100", "x12=400", "y12=300"}));
    // typed FFFF into X: -1 for the rest of the pass, 0 after the next frame
    ed.model.selected = 1;
    push_press(185, 280);
    for (SDLKey k : {SDLK_f, SDLK_f, SDLK_f, SDLK_f}) push_key(k);
    poll_editor_events(ed);
    EXPECT_EQ(pos(1).x, -1);
    passes(1);
    EXPECT_EQ(pos(1).x, 0);
    pos(0) = {32767, 32765, 0, 0}; // a corner near the 16-bit limit does not wrap onto the window
    passes(1);
    EXPECT_TRUE(pos(0).x == 32767 && pos(0).y == 32765);
}

// ---- what cannot be drawn -------------------------------------------------------------

TEST_F(frame, scales_without_a_drawable_size_skip_the_element_and_keep_its_size) {
    const struct {
        int e, slot;
        int32_t value;
    } cases[] = {
        {1, 1, 0},      // divisor 0
        {1, 1, 1},      // 527 times: far too large
        {1, 1, -1},     // a tiny factor: nothing left
        {0, 0, 0xFFFF}, // the A Button's divisor 0
        {0, 0, 0xFFFE}, // and 1
        {11, 12, 0},    // division by slot 12
        {11, 6, 47},    // slot 6 below 48
        {11, 12, 49},   // b = 0
        {14, 9, INT32_MIN},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.e);
        start_scales(ed.model);
        ed.model.scales[c.slot].value = c.value;
        spread();
        ed.model.element_sizes[c.e] = {77, 66};
        passes(1);
        EXPECT_TRUE(size(c.e).w == 77 && size(c.e).h == 66);
        EXPECT_EQ(size(2).w, 24) << "the others are drawn";
    }
}

TEST_F(frame, a_picture_that_does_not_decode_is_skipped) {
    std::FILE* junk = std::tmpfile();
    std::fputs("not a picture", junk);
    close_stream(ed.streams[s_bow]);
    ed.streams[s_bow] = image_stream{junk, SDL_RWFromFP(junk, 0), nullptr, 0};
    for (stream_id id : {s_buttonoverlay, s_map}) close_stream(ed.streams[id]); // the button's face decodes
    for (int e : {1, 9, 12}) ed.model.element_sizes[e] = {5, 6};
    passes(2);
    for (int e : {1, 9, 12}) EXPECT_TRUE(size(e).w == 5 && size(e).h == 6) << e;
    EXPECT_EQ(size(11).w, 30) << "the others are drawn";
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
    EXPECT_TRUE(ed.screen->w == 330 && ed.screen->h == 340);
    EXPECT_EQ(at(8, 296), glyph(0x000001, 36)) << "drawing goes on at the fixed places";
    EXPECT_EQ(pos(0).x, 186 + 4);
}

TEST_F(frame, holding_a_scale_button_through_the_end_of_every_scale_never_fails) {
    // small pictures keep the passes cheap where the factor is in the hundreds
    for (stream_id id : {s_button, s_buttonoverlay, s_bow, s_action})
        replace_stream(ed, id, argb_surface(4, 4, white));
    for (int e : {0, 1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 16}) sweep_through_the_end(ed, e);
}

// With the artwork: one element of each rule, at the artwork's sizes.
struct frame_art : editor_test {};

TEST_F(frame_art, holding_a_scale_button_through_the_end_of_every_scale_never_fails) {
    for (int e : {0, 1, 11}) sweep_through_the_end(ed, e);
}

} // namespace
