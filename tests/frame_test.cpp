// frame_test.cpp - the update and draw_frame against a plain rendering of the
// same frame (every picture decoded afresh, recoloured, scaled whole and
// blitted whole with SDL, which writes the clipped corner back; the selected
// element's outline, the struck fields, the grid, the hover outline and a
// drag's guides pixel by pixel): the same screen, positions and sizes. Then
// skipped elements and a refused resize.
#include "draw/picture_fit.h"
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "draw/grid.h"
#include "editor/frame.h"
#include "editor/marks.h"
#include "editor/panel.h"
#include "editor/repeat.h"
#include "editor/update.h"
#include "model/scale_rules.h"
#include "support.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// picture shrunk to w x h the plain way: each pixel the sum of every source
// pixel's channels weighted by the area they share, divided by the pixel's
// area and rounded (areas in units of 1/(picture's w * w) by 1/(picture's h * h)).
SDL_Surface* box_shrunk(SDL_Surface* picture, int w, int h) {
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    const int64_t sw = picture->w, sh = picture->h;
    auto shared = [](int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
        return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
    };
    for (int64_t y = 0; y < h; y++)
        for (int64_t x = 0; x < w; x++) {
            uint64_t sum[3] = {};
            for (int64_t sy = y * sh / h; sy * h < (y + 1) * sh; sy++)
                for (int64_t sx = x * sw / w; sx * w < (x + 1) * sw; sx++) {
                    const uint64_t area = shared(sx * w, sx * w + w, x * sw, x * sw + sw) *
                                          shared(sy * h, sy * h + h, y * sh, y * sh + sh);
                    Uint8 c[3];
                    SDL_GetRGB(pixel_at(picture, int(sx), int(sy)), picture->format, c, c + 1, c + 2);
                    for (int k = 0; k < 3; k++) sum[k] += c[k] * area;
                }
            const uint64_t whole = uint64_t(sw * sh);
            Uint32& p            = static_cast<Uint32*>(out->pixels)[y * out->pitch / 4 + x];
            p = Uint32((sum[0] + whole / 2) / whole << 16 | (sum[1] + whole / 2) / whole << 8 |
                       (sum[2] + whole / 2) / whole);
        }
    return out;
}

// The frame as plainly as it can be drawn, the held-button steps idle: the
// panel's texts whole (with a caret in a field being typed into, a field no
// save keeps struck through in red on its eighth row, and the selected
// element's drawn size right of the colour field), the background (and `over`
// on it, cut at the preview's edges; with the grid, every eighth row and
// column shaded toward black where light and toward white where dark, the
// centre column and row more), the elements in the order buttons, icons,
// numbers, status items, each blitted with its own pos as SDL's destination,
// then the pixels round the box of the element ed.input.hover in their dashes of
// two, the selected one's drawn box outlined pixel by pixel in white and
// black dashes of two and ed.input.guides' column and row, all within the preview.
// The fields show ed's values (after the update: what a save would write).
void plain_frame(editor& ed, layout& m, SDL_Surface* to, SDL_Surface* background, SDL_Surface* over) {
    auto box = [&](SDL_Rect r, Uint32 v) { SDL_FillRect(to, &r, v); }; // SDL clips r in place
    // classic SDL 1.2 moves the corner of a blit clipped away wholly to the
    // clip edge; SDL2 (sdl12-compat) leaves it, the program keeps classic's way
    auto blit = [&](SDL_Surface* p, SDL_Rect* at) {
        if (p && SDL_UpperBlit(p, nullptr, to, at) == 0 && (at->w == 0 || at->h == 0)) {
            at->x = std::max(at->x, to->clip_rect.x);
            at->y = std::max(at->y, to->clip_rect.y);
        }
    };
    auto text = [&](SDL_Rect at, const char* t, font_id f) { draw_text(at, t, to, font(ed.pictures, f)); };
    const panel_row* row = panel_table;
    struct box_of {
        int x, y, w, h;
    } outline{}, hover{}; // the selected element's drawn box, the hovered one's
    box(panel_area, 0);
    for (panel_control c : {ctl_color_field, ctl_scale_field, ctl_x_field, ctl_y_field}) {
        box(row[c].at, 0xFFFFFF);
        text(row[c].at, field_text(ed.input, ed.design.model, value_field(row[c].argument)).s, font_digits);
        // the caret, 2 x 12 from a column into the cell after the places typed and two rows down
        if (ed.input.editing == row[c].argument)
            box({Sint16(row[c].at.x + 7 * ed.input.entry_len + 1), Sint16(row[c].at.y + 2), 2, 12}, 0x10141C);
        if (field_never_saved(ed.design.model, value_field(row[c].argument)))
            box({row[c].at.x, Sint16(row[c].at.y + 7), row[c].at.w, 1}, 0xE00000);
    }
    { // the selected element's drawn size, when it is drawn (its overlay too, for a button)
        const int e    = m.selected;
        SDL_Surface* p = fresh_picture(ed.pictures, element_table[e].picture, true);
        SDL_Surface* o =
            e <= el_c_right_button ? fresh_picture(ed.pictures, element_table[e].overlay, true) : nullptr;
        SDL_Surface *zp = zoom_surface(p, 1, element_factor(m, e)),
                    *zo = o ? zoom_surface(o, 1, element_factor(m, e)) : nullptr;
        if (zp && (!o || zo)) {
            char size[16];
            std::snprintf(size, sizeof size, "%04Xx%04X", zp->w, zp->h);
            text({250, 248, 0, 0}, size, font_labels);
        }
        for (SDL_Surface* q : {p, o, zp, zo}) SDL_FreeSurface(q);
    }
    text(row[ctl_x_minus].at, "- X +", font_labels);
    text(row[ctl_y_minus].at, "- Y +", font_labels);
    const char* name = element_table[m.selected].name;
    // "-", the name 14 px on, "+" one cell after it
    text(row[ctl_selector_minus].at, "-", font_labels);
    text({22, 296, 0, 0}, name, font_labels);
    text({Sint16(29 + 7 * std::strlen(name)), 296, 0, 0}, "+", font_labels);
    SDL_Rect corner = {0, 0, 0, 0}, bar = row[ctl_color_bar].at, save = row[ctl_save].at;
    blit(background, &corner);
    if (over) {
        SDL_Rect preview = {0, 0, 320, 240};
        SDL_SetClipRect(to, &preview);
        blit(over, &(corner = {0, 0, 0, 0}));
        SDL_SetClipRect(to, nullptr);
    }
    for (int y = 0; ed.window.grid && y < 240; y++)
        for (int x = 0; x < 320; x++) {
            const int by = x == 160 || y == 120 ? grid_strong : x % 8 == 0 || y % 8 == 0 ? grid_faint : 0;
            if (!by) continue;
            Uint8 c[3];
            SDL_GetRGB(pixel_at(to, x, y), to->format, c, c + 1, c + 2);
            const bool light = c[0] * 2 + c[1] * 5 + c[2] >= 1024;
            for (Uint8& v : c) v = Uint8(light ? v - v * by / 256 : v + (255 - v) * by / 256);
            box({Sint16(x), Sint16(y), 1, 1}, SDL_MapRGB(to->format, c[0], c[1], c[2]));
        }
    blit(kept_picture(ed.pictures, pic_color_picker), &bar);
    text(row[ctl_scale_minus].at, "- Scale +", font_labels);

    for (element_id e :
         {el_a_button,       el_b_button,      el_c_up_button,     el_c_down_button, el_c_left_button,
          el_c_right_button, el_a_button_icon, el_b_button_icon,   el_c_up_icon,     el_c_down_icon,
          el_c_left_icon,    el_c_right_icon,  el_b_button_number, el_c_down_number, el_c_left_number,
          el_c_right_number, el_rupee_icon,    el_rupee_number,    el_hearts,        el_map,
          el_magic_meter}) {
        const element_row& r = element_table[e];
        SDL_Rect& pos        = m.elements[e].pos;
        const SDL_Color& c   = m.colors[r.color_slot == no_color ? 0 : r.color_slot].value;
        if (r.tint == tint_bar) // the Magic Meter's bar, 100 x 8 at +7, +3, under its frame
            box({Sint16(pos.x + 7), Sint16(pos.y + 3), 100, 8}, Uint32(c.r << 16 | c.g << 8 | c.b));
        SDL_Surface* p = fresh_picture(ed.pictures, r.picture, e < el_b_button_number); // the numbers opaque
        SDL_Surface* o = e <= el_c_right_button ? fresh_picture(ed.pictures, r.overlay, true) : nullptr;
        if (e <= el_map && e != el_rupee_number)
            recolor(p, c.r, c.g, c.b, 255);     // the Rupee Number keeps its own colours
        const float f   = element_factor(m, e); // 1 for those drawn at their own size
        SDL_Surface *zp = zoom_surface(p, 1, f), *zo = o ? zoom_surface(o, 1, f) : nullptr;
        SDL_Surface* top = o ? zo : kept_picture(ed.pictures, r.overlay);
        if (zp && (!o || zo)) {
            m.element_sizes[e] = {zp->w, zp->h};
            const int in =
                e == el_a_button ? 7 : 0; // the A Button is drawn 7 px right of and below its corner
            pos.x = Sint16(pos.x + in);
            pos.y = Sint16(pos.y + in);
            if (e == m.selected) outline = {pos.x, pos.y, zp->w, zp->h};
            if (e == ed.input.hover) hover = {pos.x - 1, pos.y - 1, zp->w + 2, zp->h + 2};
            blit(zp, &pos);
            blit(top, &pos);
            pos.x = Sint16(pos.x - in);
            pos.y = Sint16(pos.y - in);
        }
        for (SDL_Surface* q : {p, o, zp, zo}) SDL_FreeSurface(q); // which takes null
    }
    // a frame of dashes two pixels long, light first along each side from the upper left corner
    auto dashes = [&](box_of b, SDL_Color light, SDL_Color dark) {
        auto dot = [&](int x, int y, int along) {
            const SDL_Color c = along / 2 % 2 ? dark : light;
            if (x >= 0 && x < 320 && y >= 0 && y < 240)
                box({Sint16(x), Sint16(y), 1, 1}, SDL_MapRGB(to->format, c.r, c.g, c.b));
        };
        for (int i = 0; i < b.w; i++) dot(b.x + i, b.y, i), dot(b.x + i, b.y + b.h - 1, i);
        for (int i = 0; i < b.h; i++) dot(b.x, b.y + i, i), dot(b.x + b.w - 1, b.y + i, i);
    };
    dashes(hover, hover_light, hover_dark);
    dashes(outline, {255, 255, 255, 0}, {0, 0, 0, 0});
    if (ed.input.guides.down) dashes({ed.input.guides.x, 0, 1, 240}, guide_light, guide_dark);
    if (ed.input.guides.across) dashes({0, ed.input.guides.y, 320, 1}, guide_light, guide_dark);
    blit(kept_picture(ed.pictures, pic_save), &save);
}

// Each test begins with a pass: the held-button steps are idle after it.
struct frame : editor_test {
    // The plain frame's background and the picture over it; the editor's own when null.
    SDL_Surface *background = nullptr, *over = nullptr;
    // The update and draw_frame, and the plain frame, from the same screen and layout.
    void same_frame(const char* what) {
        SCOPED_TRACE(what);
        SDL_Surface *s = ed.window.screen, *plain = copy_of(s);
        layout m = ed.design.model;
        update_editor(ed);
        draw_frame(ed);
        // the fields from the updated layout, whose places are m's (below)
        plain_frame(ed, m, plain, background ? background : ed.pictures.background, over);
        EXPECT_TRUE(same_pixels(s, plain)) << "pixels";
        EXPECT_EQ(changes(ed.design.model), changes(m)) << "positions";
        EXPECT_EQ(std::memcmp(ed.design.model.element_sizes, m.element_sizes, sizeof m.element_sizes), 0)
            << "sizes";
        SDL_FreeSurface(plain);
    }
};

TEST_F(frame, matches_the_plain_frame_at_home_and_edited) {
    // the dummy driver's own cursor, drawn where the pointer jumps to, is not the editor's
    SDL_ShowCursor(SDL_DISABLE);
    passes(1);
    same_frame("home");
    // the marks for placing: the grid and the outline of the element a press would take (the C-Left
    // Icon's pixel inside the A Button Icon's box); a drag's guides, where the Rupee Icon's left
    // meets the Magic Meter's and its top the Rupee Number's; the hover outline alone; none in the panel;
    // then the caret of an entry
    // clang-format off
    const struct { const char* script; int hover; guide_lines guides; } marks[] = {
        {"g motion@231,22",                 el_c_left_icon, {}},
        {"press@30,210",                    -1,             {}},                    // held: no hover outline
        {"motion@28,214",                   -1,             {true, true, 18, 206}},
        {"release@28,214 g motion@100,48",  el_magic_meter, {}},
        {"motion@150,300",                  -1,             {}},
        {"click:y_field",                   -1,             {}},
        {"click:color_field 1 g a b c",     -1,             {}},
        {"click:x_field 1 2",               -1,             {}},
        {"click@150,300",                   -1,             {}}};                   // the entry ends
    // clang-format on
    for (auto& r : marks) {
        push_script(r.script);
        drain();
        same_frame(r.script);
        EXPECT_TRUE(ed.input.hover == r.hover && ed.input.guides == r.guides) << r.script;
    }
    layout& m = ed.design.model;
    for (int k = 0; k < color_count; k++)
        m.colors[k].value = {Uint8(37 * k + 3), Uint8(255 - 29 * k), Uint8(91 * k), 0};
    // the A Button by 527/382, the A Button Icon with a = 3, b = 9
    const std::pair<scale_id, int32_t> scales[] = {{sc_a_button, 0xFF00},          {sc_b_button, 0x40},
                                                   {sc_c_up_button, 0x200},        {sc_c_down_button, 0x11},
                                                   {sc_a_button_icon, 0x90},       {sc_b_button_icon, 0x30},
                                                   {sc_a_button_icon_second, 0x10}};
    for (auto [k, v] : scales) m.scales[k].value = v;
    // clang-format off
    const struct { element_id e; int x, y; } moves[] = {
        {el_a_button, -20, -30}, {el_b_button, -200, 100}, {el_c_down_button, 250, 180},
        {el_c_left_button, -700, -700}, {el_b_button_icon, 300, -40}, {el_map, 290, 230}, {el_hearts, -50, 2},
        {el_b_button_number, 30, 210}, {el_magic_meter, 20, 200}}; // the last two on the Rupee Icon
    // clang-format on
    for (auto [e, x, y] : moves) pos(e) = {Sint16(x), Sint16(y), 0, 0};
    m.selected = el_map;
    same_frame("edited: corners left of or above the window are held at its edge");
    same_frame("edited, positions written back");
    EXPECT_TRUE(pos(el_a_button).x == -7 && pos(el_a_button).y == -7 && pos(el_c_left_button).x == 0 &&
                pos(el_c_down_button).x == 250);

    // every scaled element at the largest size its four hex digits still draw, at and across the edges
    for (const element_row& row : element_table) {
        if (row.scale_slot == no_scale) continue;
        const int32_t largest[]        = {0, 5, 0xFFFB, 95}; // by rule: own size, divisor, inverted, pair
        m.scales[row.scale_slot].value = largest[row.rule];
        if (row.rule == rule_pair) m.scales[scale_table[row.scale_slot].partner].value = 1;
    }
    const int corners[][2] = {{0, 0}, {-3000, -3000}, {319, 239}, {-1, 200}, {150, -2000}};
    m.selected = el_b_button; // its outline thousands of pixels long, seen where it crosses the preview
    for (auto [x, y] : corners) {
        for (int e = 0; e < element_count; e++) pos(e) = {Sint16(x + e), Sint16(y + 2 * e), 0, 0};
        same_frame("largest");
    }

    // over a paletted picture narrower and taller than the preview: cut at the preview's lower edge, the
    // built-in background beside it; screenshots: 16:9, 16:10 and one a pixel wider than the preview
    // stretched, each axis on its own, against a plain box filter; one wider but lower than the preview
    // drawn as it is; last 4:3 shrunk, the background of what follows
    // clang-format off
    const struct { int w, h, bits; bool shrunk; const char* what; } pictures[] = {
        {200, 300, 8, false, "over a paletted picture"},    {854, 480, 24, true, "over a 16:9 screenshot"},
        {1280, 800, 24, true, "over a 16:10 screenshot"},   {321, 240, 24, true, "over a picture a pixel wider"},
        {400, 200, 24, false, "over a picture wider and lower"}, {1440, 1080, 24, true, "over a screenshot"}};
    // clang-format on
    SDL_Color palette[256];
    for (int i = 0; i < 256; i++) palette[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
    start_scales(m);
    start_elements(m);
    background = copy_of(ed.pictures.background);
    for (auto& r : pictures) {
        const Uint32 rgb     = r.bits > 8; // masks for 24 bits, none for a palette
        SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, r.w, r.h, r.bits, 0xFF0000 * rgb,
                                                    0xFF00 * rgb, 0xFF * rgb, 0);
        if (!rgb) SDL_SetPalette(picture, SDL_LOGPAL, palette, 0, 256);
        for (int y = 0; y < r.h; y++)
            for (int x = 0; x < r.w; x++) {
                Uint8* p = static_cast<Uint8*>(picture->pixels) + y * picture->pitch + r.bits / 8 * x;
                p[0]     = Uint8(rgb ? x * 7 ^ y : x ^ y);
                if (rgb) p[1] = Uint8(x + y * 3), p[2] = Uint8((x / 9) * (y / 5));
            }
        replace_background(ed.pictures, fit_picture(picture, background, 320, 240));
        over = r.shrunk ? box_shrunk(picture, 320, 240) : picture;
        same_frame(r.what);
        if (over != picture) SDL_FreeSurface(over);
        SDL_FreeSurface(picture);
    }
    SDL_FreeSurface(background);
    background = over = nullptr;
    m.selected        = el_hearts; // its place and colour struck through, its outline at the corner
    same_frame("the Hearts over the screenshot");
    pos(el_c_up_icon) = {Sint16(pos(el_c_up_button).x + 4), Sint16(pos(el_c_up_button).y + 4), 0, 0};
    m.selected        = el_c_up_button; // its scale struck; outlined over the icon that covers it
    same_frame("under another element");
}

TEST_F(frame, elements_that_cannot_be_drawn_are_skipped_and_a_refused_resize_draws_nothing) {
    passes(1);
    // (the sizes at the game's home scales are the home frame's, compared with docs/editor.png end to end)
    pos(el_a_button) = {32767, 32765, 0, 0};
    passes(1); // where the A Button's inset would wrap: left where it is
    EXPECT_TRUE(pos(el_a_button).x == 32767 && pos(el_a_button).y == 32765);

    // an element that cannot be drawn is skipped and keeps its size
    // clang-format off
    const struct { element_id e; scale_id slot; int32_t value; } cases[] = {
        {el_b_button, sc_b_button, 0}, {el_b_button, sc_b_button, 1}, // divisor 0; 527 times: far too large;
        {el_b_button, sc_b_button, -1},                               // so small nothing is left
        {el_a_button, sc_a_button, 0xFFFF}, {el_a_button, sc_a_button, 0xFFFE}, // the A Button's divisor 0 and 1
        {el_a_button_icon, sc_a_button_icon_second, 0},  // division by the second value;
        {el_a_button_icon, sc_a_button_icon, 47},        // the first below 48;
        {el_a_button_icon, sc_a_button_icon_second, 49}}; // b = 0
    // clang-format on
    for (auto& c : cases) {
        SCOPED_TRACE(c.e);
        start_scales(ed.design.model);
        ed.design.model.scales[c.slot].value = c.value;
        for (auto& s : ed.design.model.element_sizes) s = {77, 66};
        passes(1);
        for (auto& s : ed.design.model.element_sizes)
            EXPECT_EQ(s.w == 77 && s.h == 66, &s == ed.design.model.element_sizes + c.e);
    }

    push_script("resize@-5,10"); // a size SDL refuses: after it the steps still run and nothing is drawn
    press(ctl_x_plus);           // X "+": a step at the press, then one a pass
    passes(1);
    ed.clock.now_ms += repeat_delay_ms;
    passes(2); // once it is held long enough
    EXPECT_TRUE(ed.window.screen == nullptr && pos(el_a_button).x == 32767 + 3 - 65536);
}

} // namespace
