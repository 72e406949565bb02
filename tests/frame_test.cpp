// frame_test.cpp - draw_frame against a plain rendering of the same frame (every
// picture decoded afresh, recoloured, scaled whole and blitted whole): the same
// screen, positions and sizes. Then the game's scales, skipped elements and a refused resize.
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "support.h"
#include "ui/frame.h"

#include <algorithm>
#include <cstring>

namespace {

SDL_Surface* decode(image_stream& s, bool alpha) {
    SDL_Surface* p = decode_stream(s);
    if (p && alpha) p = enable_pixel_alpha(p);
    return p;
}

// The frame as plainly as it can be drawn, the held-button steps idle.
void plain_frame(editor& ed, layout& m, SDL_Surface* to) {
    auto box  = [&](SDL_Rect r, Uint32 v) { SDL_FillRect(to, &r, v); }; // SDL clips r in place
    auto blit = [&](SDL_Surface* p, SDL_Rect* at) {
        if (!p) return;
        SDL_UpperBlit(p, nullptr, to, at);
        // classic SDL 1.2 moves the corner of a blit clipped away wholly to the
        // clip edge; SDL2 (sdl12-compat) leaves it, the program keeps classic's way
        if (at->w == 0 || at->h == 0)
            at->x = std::max(at->x, to->clip_rect.x), at->y = std::max(at->y, to->clip_rect.y);
    };
    box(ed.panel_rect, 0);
    for (auto [at, text] : {std::pair{ed.color_field, ed.color_text}, {ed.scale_field, ed.scale_text}})
        box(at, 0xFFFFFF), drawtext(at, text, to, 0);
    for (auto [at, label, value] : // each value 43 px right of its label
         {std::tuple{ed.x_control, "- X +", ed.x_text}, {ed.y_control, "- Y +", ed.y_text}})
        drawtext(at, label, to, 1), at.x = Sint16(at.x + 43), box(at, 0xFFFFFF), drawtext(at, value, to, 0);
    const char* name = m.element_names[m.selected];
    drawtext({8, 296, 0, 0}, "-", to, 1); // the selector: the name 14 px on, "+" one cell after it
    drawtext({22, 296, 0, 0}, name, to, 1);
    drawtext({Sint16(29 + 7 * std::strlen(name)), 296, 0, 0}, "+", to, 1);
    SDL_Rect corner = {0, 0, 0, 0}, bar = ed.color_bar_pos, save = ed.save_button_pos;
    blit(ed.background, &corner);
    blit(ed.color_picker, &bar);
    drawtext(ed.scale_label_pos, "- Scale +", to, 1);

    // clang-format off
    const stream_id picture[] = {s_button, s_button, s_button, s_button, s_button, s_button, s_rupee, s_999, s_hearts,
        s_map, s_magicborder, s_action, s_bow, s_navi, s_bow, s_bow, s_bow, s_99, s_99, s_99, s_99};
    // clang-format on
    SDL_Surface* const fixed[] = {ed.rupee_overlay, nullptr, ed.hearts_overlay, ed.map_overlay}; // 6-9
    for (int e : {0, 1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 6, 7, 8, 9, 10}) {
        SDL_Rect& pos      = m.elements[e].pos;
        const SDL_Color& c = m.colors[color_slot_of(e) == no_slot ? 0 : color_slot_of(e)].value;
        if (e == 10) // the Magic Meter's bar, 100 x 8 at +7, +3, under its frame
            box({Sint16(pos.x + 7), Sint16(pos.y + 3), 100, 8}, Uint32(c.r << 16 | c.g << 8 | c.b));
        SDL_Surface* p = decode(ed.streams[picture[e]], e < 17); // the numbers opaque
        SDL_Surface* o = e <= 5 ? decode(ed.streams[s_buttonoverlay], true) : nullptr;
        if (e <= 9 && e != 7) recolor(p, c.r, c.g, c.b, 255); // the Rupee Number keeps its own colours
        const float f   = element_factor(m, e);               // 1 for those drawn at their own size
        SDL_Surface *zp = zoom_surface(p, 1, f), *zo = o ? zoom_surface(o, 1, f) : nullptr;
        SDL_Surface* top = o ? zo : e >= 6 && e <= 9 ? fixed[e - 6] : nullptr;
        if (zp && (!o || zo)) {
            m.element_sizes[e] = {zp->w, zp->h};
            const int in       = e == 0 ? 7 : 0; // the A Button is drawn 7 px right of and below its corner
            pos.x = Sint16(pos.x + in), pos.y = Sint16(pos.y + in);
            blit(zp, &pos), blit(top, &pos);
            pos.x = Sint16(pos.x - in), pos.y = Sint16(pos.y - in);
        }
        for (SDL_Surface* q : {p, o, zp, zo}) SDL_FreeSurface(q); // which takes null
    }
    blit(ed.save_button, &save);
}

struct frame : editor_test {
    void SetUp() override {
        editor_test::SetUp();
        draw_frame(ed); // fills the value texts; the held-button steps are idle after it
        ASSERT_EQ(ed.picking_color | ed.scale_button | ed.nudge | ed.scale_dir, 0);
    }
    element_size size(int e) const { return ed.model.element_sizes[e]; }

    // draw_frame and the plain frame from the same screen and layout.
    void same_frame(const char* what) {
        SCOPED_TRACE(what);
        SDL_Surface *s = ed.screen, *plain = SDL_ConvertSurface(s, s->format, SDL_SWSURFACE);
        layout m = ed.model;
        plain_frame(ed, m, plain);
        draw_frame(ed);
        EXPECT_TRUE(same_pixels(s, plain)) << "pixels";
        EXPECT_EQ(std::memcmp(ed.model.elements, m.elements, sizeof m.elements), 0) << "positions";
        EXPECT_EQ(std::memcmp(ed.model.element_sizes, m.element_sizes, sizeof m.element_sizes), 0) << "sizes";
        SDL_FreeSurface(plain);
    }
};

TEST_F(frame, matches_the_plain_frame_at_home_and_edited) {
    same_frame("home");
    layout& m = ed.model;
    for (int k = 0; k < color_count; k++)
        m.colors[k].value = {Uint8(37 * k + 3), Uint8(255 - 29 * k), Uint8(91 * k), 0};
    // slot 0 the A Button's (by 527/382), 6 and 12 the A Button Icon's (a = 3, b = 9)
    const int scales[][2] = {{0, 0xFF00}, {1, 0x40}, {2, 0x200}, {3, 0x11}, {6, 0x90}, {7, 0x30}, {12, 0x10}};
    for (auto [k, v] : scales) m.scales[k].value = v;
    const int moves[][3] = {
        {0, -20, -30}, {1, -200, 100}, {3, 250, 180}, {4, -700, -700}, {12, 300, -40},
        {9, 290, 230}, {8, -50, 2},    {17, 30, 210}, {10, 20, 200}}; // 17, 10 on the Rupee Icon
    for (auto& p : moves) pos(p[0]) = {Sint16(p[1]), Sint16(p[2]), 0, 0};
    m.selected = 9;
    same_frame("edited: corners left of or above the window are held at its edge");
    same_frame("edited, positions written back");
    EXPECT_TRUE(pos(0).x == -7 && pos(0).y == -7 && pos(4).x == 0 && pos(3).x == 250);
}

TEST_F(frame, elements_are_drawn_at_the_games_home_scales_and_skipped_where_they_cannot_be_drawn) {
    // clang-format off
    const struct { int e; stream_id s; double f; } rows[] = {{0, s_button, 527 / 568.0}, {1, s_button, 527 / 575.0},
        {11, s_action, 96.375 / 95}, {12, s_bow, 527 / 550.0}, {13, s_navi, 1}, {9, s_map, 1}};
    // clang-format on
    for (auto& r : rows) {
        SDL_Surface* p = decode(ed.streams[r.s], false);
        EXPECT_TRUE(size(r.e).w == int(p->w * r.f) && size(r.e).h == int(p->h * r.f)) << r.e;
        EXPECT_FLOAT_EQ(element_factor(ed.model, r.e), float(r.f)) << r.e;
        SDL_FreeSurface(p);
    }

    pos(0) = {32767, 32765, 0, 0}; // where the A Button's inset would wrap: left where it is
    passes(1);
    EXPECT_TRUE(pos(0).x == 32767 && pos(0).y == 32765);

    // an element that cannot be drawn is skipped and keeps its size
    // clang-format off
    const struct { int e, slot; int32_t value; } cases[] = {
        {1, 1, 0}, {1, 1, 1}, {1, 1, -1},       // divisor 0; 527 times: far too large; so small nothing is left
        {0, 0, 0xFFFF}, {0, 0, 0xFFFE},         // the A Button's divisor 0 and 1
        {11, 12, 0}, {11, 6, 47}, {11, 12, 49}}; // division by slot 12; slot 6 below 48; b = 0
    // clang-format on
    for (auto& c : cases) {
        SCOPED_TRACE(c.e);
        start_scales(ed.model);
        ed.model.scales[c.slot].value = c.value;
        for (auto& s : ed.model.element_sizes) s = {77, 66};
        passes(1);
        for (int e = 0; e < element_count; e++) EXPECT_EQ(size(e).w == 77 && size(e).h == 66, e == c.e) << e;
    }

    SDL_Event resize{}; // after a refused resize the steps still run and nothing is drawn
    resize.type = SDL_VIDEORESIZE, resize.resize.w = -5, resize.resize.h = 10; // a size SDL refuses
    SDL_PushEvent(&resize);
    push_press(160, 280); // X "+"
    passes(3);
    EXPECT_TRUE(ed.screen == nullptr && pos(0).x == 32767 + 3 - 65536);
}

} // namespace
