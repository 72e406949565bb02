// frame.cpp - one editor frame, in a fixed order: the panel (fields, values,
// labels, selector), the background, the colour bar and "- Scale +", the three
// held-button steps, the buttons, icons, numbers, status items and Magic
// Meter, the save button; then the flip and the pause.
//
// Element pictures are never kept recoloured or scaled: each is decoded afresh
// from its stream, changed, drawn and freed within the frame. A scaled picture
// is made only where it lands inside the screen - the same pixels, drawn at
// the same place, as the whole of it - while element_sizes gets its whole
// size. Each element's own pos is the blit's destination, so the clipped
// corner is written back: an element moved left of or above the window is
// held at 0 from the next frame on (the A Button, drawn 7 px right of and
// below its corner, at -7).
#include "ui/frame.h"

#include "draw/surface_ops.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "ui/color_bar.h"
#include "ui/input.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace {

constexpr int value_field_shift = 43; // the X and Y values stand right of their labels
constexpr int a_button_inset    = 7;  // the A Button is drawn 7 px right of and below its corner
constexpr int meter_x = 7, meter_y = 3, meter_w = 100, meter_h = 8; // the Magic Meter's bar

// The picture each element is decoded from.
constexpr stream_id icon_stream[]   = {s_action, s_bow, s_navi, s_bow, s_bow, s_bow}; // 11-16
constexpr stream_id status_stream[] = {s_rupee, s_999, s_hearts, s_map};              // 6-9

bool drawable(float f) {
    return std::isfinite(f) && f > 0.0f;
}

bool fits16(int v) {
    return v >= -32768 && v <= 32767;
}

// A fresh decode of a streamed picture, with its alpha channel when asked;
// nullptr when the stream is missing or does not decode.
SDL_Surface* decode(editor& ed, stream_id id, bool alpha) {
    image_stream& s = ed.streams[id];
    if (!s.rw) return nullptr;
    SDL_Surface* p = decode_stream(s);
    if (p && alpha) p = enable_pixel_alpha(p);
    return p;
}

void free_all(std::initializer_list<SDL_Surface*> pictures) {
    for (SDL_Surface* p : pictures)
        if (p) SDL_FreeSurface(p);
}

// A white area takes on the colour exactly; the alpha byte is kept.
void tint(SDL_Surface* p, const SDL_Color& c) {
    recolor(p, c.r, c.g, c.b, 255);
}

// Blits a whole picture with rect as destination, writing the clipped corner
// and drawn size back into rect as classic SDL 1.2 does (blit_copy).
void blit(SDL_Surface* p, SDL_Surface* screen, SDL_Rect* rect) {
    if (p) blit_copy(p, nullptr, screen, rect);
}

void fill(SDL_Surface* screen, SDL_Rect r, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_FillRect(screen, &r, SDL_MapRGB(screen->format, red, green, blue));
}

void record_size(layout& m, int e, const SDL_Surface* p) {
    m.element_sizes[e] = {p->w, p->h};
}

// ---- elements ------------------------------------------------------------------

// Draws what zoom_surface(p, 1, f) - w by h - blitted with pos as destination
// would draw, and writes back into pos what that blit would: the clipped
// corner and the drawn size. Only the part that lands inside the screen's clip
// rectangle is scaled, so a picture scaled thousands of pixels wide costs no
// more than the window it is seen in.
void blit_scaled(SDL_Surface* p, float f, int w, int h, SDL_Surface* screen, SDL_Rect* pos) {
    // SDL_UpperBlit's clipping of a whole source against the clip rectangle
    const SDL_Rect& clip = screen->clip_rect;
    int x = pos->x, y = pos->y, sx = 0, sy = 0;
    int d = clip.x - x;
    if (d > 0) w -= d, x += d, sx += d;
    d = x + w - clip.x - clip.w;
    if (d > 0) w -= d;
    d = clip.y - y;
    if (d > 0) h -= d, y += d, sy += d;
    d = y + h - clip.y - clip.h;
    if (d > 0) h -= d;
    pos->x = static_cast<Sint16>(x);
    pos->y = static_cast<Sint16>(y);
    if (w <= 0 || h <= 0) {
        pos->w = pos->h = 0;
        return;
    }
    SDL_Rect seen     = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w),
                         static_cast<Uint16>(h)};
    SDL_Surface* part = zoom_part(p, 1.0f, f, seen);
    if (!part) return;
    blit(part, screen, pos); // lies wholly inside: pos keeps its corner and gets w, h
    SDL_FreeSurface(part);
}

struct scaled_size {
    int w = 0, h = 0;
};

void draw_button(editor& ed, int e) {
    layout& m = ed.model;
    float f   = element_factor(m, e);
    if (!drawable(f)) return;
    SDL_Surface* face    = decode(ed, s_button, true);
    SDL_Surface* overlay = decode(ed, s_buttonoverlay, true);
    scaled_size big_face, big_overlay;
    if (face && overlay && zoom_size(face, 1.0f, f, &big_face.w, &big_face.h) &&
        zoom_size(overlay, 1.0f, f, &big_overlay.w, &big_overlay.h)) {
        tint(face, m.colors[color_slot_of(e)].value);
        m.element_sizes[e] = {big_face.w, big_face.h};
        SDL_Rect& pos      = m.elements[e].pos;
        int inset          = e == 0 ? a_button_inset : 0;
        // a corner so far right or down that the inset would wrap is off the
        // window anyway; it is left where it is
        if (fits16(pos.x + inset) && fits16(pos.y + inset)) {
            pos.x = static_cast<Sint16>(pos.x + inset);
            pos.y = static_cast<Sint16>(pos.y + inset);
            blit_scaled(face, f, big_face.w, big_face.h, ed.screen, &pos);
            blit_scaled(overlay, f, big_overlay.w, big_overlay.h, ed.screen, &pos);
            pos.x = static_cast<Sint16>(pos.x - inset);
            pos.y = static_cast<Sint16>(pos.y - inset);
        }
    }
    free_all({face, overlay});
}

void draw_icon(editor& ed, int e) {
    layout& m = ed.model;
    float f   = element_factor(m, e);
    if (!drawable(f)) return;
    SDL_Surface* icon = decode(ed, icon_stream[e - 11], true);
    if (!icon) return;
    if (e == 13) { // drawn at its own size
        record_size(m, e, icon);
        blit(icon, ed.screen, &m.elements[e].pos);
    } else if (scaled_size big; zoom_size(icon, 1.0f, f, &big.w, &big.h)) {
        m.element_sizes[e] = {big.w, big.h};
        blit_scaled(icon, f, big.w, big.h, ed.screen, &m.elements[e].pos);
    }
    SDL_FreeSurface(icon);
}

void draw_numbers(editor& ed) {
    SDL_Surface* number = decode(ed, s_99, false); // one copy, drawn four times
    if (!number) return;
    for (int e = 17; e <= 20; e++) {
        record_size(ed.model, e, number);
        blit(number, ed.screen, &ed.model.elements[e].pos);
    }
    SDL_FreeSurface(number);
}

void draw_status(editor& ed, int e) {
    layout& m      = ed.model;
    SDL_Surface* p = decode(ed, status_stream[e - 6], true);
    if (!p) return;
    SDL_Surface* overlay = e == 6   ? ed.rupee_overlay
                           : e == 8 ? ed.hearts_overlay
                           : e == 9 ? ed.map_overlay
                                    : nullptr;
    if (e != 7) tint(p, m.colors[color_slot_of(e)].value); // the Rupee Number keeps its own colours
    SDL_Rect& pos = m.elements[e].pos;
    blit(p, ed.screen, &pos);
    blit(overlay, ed.screen, &pos);
    record_size(m, e, p);
    SDL_FreeSurface(p);
}

void draw_magic_meter(editor& ed) {
    layout& m     = ed.model;
    SDL_Rect& pos = m.elements[10].pos;
    // the bar lies under the frame picture at a fixed size, whatever the frame's
    if (fits16(pos.x + meter_x) && fits16(pos.y + meter_y)) {
        const SDL_Color& c = m.colors[7].value;
        SDL_Rect bar = {static_cast<Sint16>(pos.x + meter_x), static_cast<Sint16>(pos.y + meter_y), meter_w,
                        meter_h};
        fill(ed.screen, bar, c.r, c.g, c.b);
    }
    SDL_Surface* border = decode(ed, s_magicborder, true);
    if (!border) return;
    blit(border, ed.screen, &pos);
    record_size(m, 10, border);
    SDL_FreeSurface(border);
}

} // namespace

// ---- panel -------------------------------------------------------------------

void draw_panel(editor& ed) {
    SDL_Surface* s = ed.screen;
    fill(s, ed.panel_rect, 0, 0, 0);
    fill(s, ed.color_field, 255, 255, 255);
    fill(s, ed.scale_field, 255, 255, 255);
    drawtext(ed.color_field, ed.color_text, s, 0);
    drawtext(ed.scale_field, ed.scale_text, s, 0);

    SDL_Rect x_value = ed.x_control, y_value = ed.y_control;
    x_value.x = static_cast<Sint16>(x_value.x + value_field_shift);
    y_value.x = static_cast<Sint16>(y_value.x + value_field_shift);
    drawtext(ed.x_control, "- X +", s, 1);
    fill(s, x_value, 255, 255, 255);
    drawtext(x_value, ed.x_text, s, 0);
    drawtext(ed.y_control, "- Y +", s, 1);
    fill(s, y_value, 255, 255, 255);
    drawtext(y_value, ed.y_text, s, 0);

    // selector: "-", the name 14 px on, "+" one cell after the name
    const char* name = ed.model.element_names[ed.model.selected];
    SDL_Rect at      = ed.selector_pos;
    drawtext(at, "-", s, 1);
    at.x = static_cast<Sint16>(at.x + 14);
    drawtext(at, name, s, 1);
    at.x = static_cast<Sint16>(at.x + 7 * static_cast<int>(std::strlen(name)) + 7);
    drawtext(at, "+", s, 1);
}

// ---- scale factors -------------------------------------------------------------

float general_factor(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    if (v == 0) return 0.0f;
    return static_cast<float>(527.0 / static_cast<double>(static_cast<float>(v)));
}

float a_button_factor(int32_t value) {
    uint32_t d = 65535u - static_cast<uint32_t>(value);
    return general_factor(static_cast<int32_t>(d + d / 2));
}

float a_icon_factor(int32_t first, int32_t second) {
    uint32_t n = static_cast<uint32_t>(first), by = static_cast<uint32_t>(second);
    if (by == 0) return 0.0f;
    uint32_t a = n / 48, b = n / by;
    if (a == 0 || b == 0) return 0.0f;
    double f = static_cast<double>(b) * (32.125 / static_cast<double>(static_cast<float>(a))) / 95.0;
    return static_cast<float>(f);
}

float element_factor(const layout& m, int e) {
    if (e == 0) return a_button_factor(m.scales[0].value);
    if (e == 11) return a_icon_factor(m.scales[6].value, m.scales[12].value);
    if (e == 13) return 1.0f; // the C-Up Icon is drawn at its own size
    int k = scale_slot_of(e);
    return k == no_slot ? 1.0f : general_factor(m.scales[k].value);
}

// ---- the frame -------------------------------------------------------------------

void draw_frame(editor& ed) {
    SDL_Surface* s = ed.screen;
    if (s) {
        // the opaque pictures are brought into the screen's format the first
        // time they are drawn (bg.bmp too, which may come after start-up), so
        // that drawing them is a plain copy
        for (SDL_Surface** p : {&ed.background, &ed.color_picker, &ed.save_button})
            *p = in_screen_format(*p, s);
        draw_panel(ed);
        blit_opaque(ed.background, s, 0, 0);
        blit_opaque(ed.color_picker, s, ed.color_bar_pos.x, ed.color_bar_pos.y);
        drawtext(ed.scale_label_pos, "- Scale +", s, 1);
    }
    color_pick_step(ed);
    nudge_step(ed);
    scale_step(ed);
    if (s) {
        for (int e = 0; e <= 5; e++) draw_button(ed, e);
        for (int e = 11; e <= 16; e++) draw_icon(ed, e);
        draw_numbers(ed);
        for (int e = 6; e <= 9; e++) draw_status(ed, e);
        draw_magic_meter(ed);
        blit_opaque(ed.save_button, s, ed.save_button_pos.x, ed.save_button_pos.y);
        SDL_Flip(s);
    }
    if (ed.running && ed.scale_dir == 0 && ed.frame_delay_ms != 0) SDL_Delay(ed.frame_delay_ms);
}
