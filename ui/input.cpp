// input.cpp - the editor's event drain: keys with the typed hexadecimal entry,
// dragging, the three-stage press (save button, panel controls, selector and
// element pick), release, quit and resize; and the nudge and scale steps.
//
// Every hit box is in fixed window coordinates and inclusive at both ends.
// Nothing here draws; the colour bar's own pick step lives in color_bar.cpp.
#include "ui/input.h"

#include "draw/hex.h"
#include "model/export.h"

#include <cstring>

namespace {

struct box {
    int x0, x1, y0, y1;
};

bool inside(const box& b, int x, int y) {
    return x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
}

// ---- hit boxes of the control panel ------------------------------------------

constexpr box save_box = {276, 300, 292, 316};

enum panel_control {
    c_color_bar,
    c_scale_minus,
    c_scale_plus,
    c_x_minus,
    c_x_plus,
    c_y_minus,
    c_y_plus,
    c_color_field,
    c_scale_field,
    c_x_field,
    c_y_field,
    c_none
};

// Rows 2 to 12, tested in this order; the first that holds the pointer acts.
// A sign box is one 7-pixel glyph and the column after it, 17 rows high; the
// X and Y value boxes start six pixels inside their white fields.
struct panel_row {
    panel_control control;
    box b;
};
constexpr panel_row panel_rows[] = {
    {c_color_bar, {8, 186, 248, 264}},    {c_scale_minus, {8, 15, 272, 288}},
    {c_scale_plus, {64, 71, 272, 288}},   {c_x_minus, {130, 137, 272, 288}},
    {c_x_plus, {158, 165, 272, 288}},     {c_y_minus, {230, 237, 272, 288}},
    {c_y_plus, {258, 265, 272, 288}},     {c_color_field, {200, 242, 248, 264}},
    {c_scale_field, {78, 106, 272, 288}}, {c_x_field, {179, 200, 272, 288}},
    {c_y_field, {279, 300, 272, 288}},
};

constexpr box selector_minus_box = {8, 15, 296, 312};
constexpr box selector_plus_box  = {134, 141, 296, 312};
constexpr int selector_row_y     = 296; // presses from here down never pick

// Elements are picked in this order: numbers, then icons, then the rest.
constexpr int pick_order[element_count] = {17, 18, 19, 20, 11, 12, 13, 14, 15, 16, 0,
                                           1,  2,  3,  4,  5,  6,  7,  8,  9,  10};

constexpr int drag_limit_y = 240; // motion below the preview does not drag

// ---- the four value fields ---------------------------------------------------

enum field_id { f_color, f_scale, f_x, f_y, f_none };

int& mode_of(editor& ed, field_id f) {
    switch (f) {
    case f_color: return ed.editing_color;
    case f_scale: return ed.editing_scale;
    case f_x: return ed.editing_x;
    default: return ed.editing_y;
    }
}

char* text_of(editor& ed, field_id f) {
    switch (f) {
    case f_color: return ed.color_text;
    case f_scale: return ed.scale_text;
    case f_x: return ed.x_text;
    default: return ed.y_text;
    }
}

// Characters an entry takes to complete: RRGGBB or four hex digits.
unsigned length_of(field_id f) {
    return f == f_color ? 6u : 4u;
}

field_id active_field(const editor& ed) {
    if (ed.editing_color) return f_color;
    if (ed.editing_scale) return f_scale;
    if (ed.editing_x) return f_x;
    if (ed.editing_y) return f_y;
    return f_none;
}

void end_edits(editor& ed) {
    ed.editing_color = ed.editing_scale = ed.editing_x = ed.editing_y = 0;
}

// A press on a value field: its edit mode starts (any other one ends) with an
// empty text; the entry buffer keeps its bytes, only the count restarts.
void start_edit(editor& ed, field_id f) {
    end_edits(ed);
    mode_of(ed, f)    = 1;
    ed.entry_len      = 0;
    text_of(ed, f)[0] = '\0';
}

// The character a key stores in an entry, or 0 for a key that stores nothing.
char hex_key(SDLKey k) {
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<char>('0' + (k - SDLK_0));
    if (k >= SDLK_KP0 && k <= SDLK_KP9) return static_cast<char>('0' + (k - SDLK_KP0));
    if (k >= SDLK_a && k <= SDLK_f) return static_cast<char>('A' + (k - SDLK_a));
    return 0;
}

// A completed entry goes into the selected element's current value.
void apply_entry(editor& ed, field_id f, int32_t v) {
    layout& m     = ed.model;
    SDL_Rect& pos = m.elements[m.selected].pos;
    switch (f) {
    case f_color: {
        int k = color_slot_of(m.selected);
        if (k == no_slot) return;
        uint32_t u        = static_cast<uint32_t>(v);
        m.colors[k].value = SDL_Color{static_cast<Uint8>(u >> 16), static_cast<Uint8>(u >> 8),
                                      static_cast<Uint8>(u), m.colors[k].value.unused};
        return;
    }
    case f_scale: {
        int k = scale_slot_of(m.selected);
        if (k != no_slot) m.scales[k].value = v;
        return;
    }
    case f_x: pos.x = wrap16(v); return;
    case f_y: pos.y = wrap16(v); return;
    default: return;
    }
}

// ---- event handlers ----------------------------------------------------------

void on_key(editor& ed, SDLKey k) {
    if (k == SDLK_ESCAPE) ed.running = 0;
    field_id f = active_field(ed);
    if (f == f_none) return;
    unsigned len = length_of(f);

    if (k == SDLK_BACKSPACE) {
        if (ed.entry_len == 0) return; // nothing to take back
        ed.entry_len--;
        ed.entry_buf[ed.entry_len] = '\0';
    } else {
        if (ed.entry_len >= len) return; // a full entry has already completed
        // A key that stores nothing still takes its position: the byte there
        // stays as it was, which after a typed digit is the terminator.
        if (char c = hex_key(k)) ed.entry_buf[ed.entry_len] = c;
        ed.entry_buf[ed.entry_len + 1] = '\0';
        ed.entry_len++;
    }

    char* text = text_of(ed, f);
    std::memcpy(text, ed.entry_buf, len);
    text[len] = '\0';

    if (ed.entry_len == len) {
        mode_of(ed, f) = 0;
        apply_entry(ed, f, strtohex(text));
    }
}

void on_motion(editor& ed, int px, int py) {
    if (!ed.dragging || py > drag_limit_y) return;
    layout& m             = ed.model;
    const element_size& s = m.element_sizes[m.selected];
    SDL_Rect& pos         = m.elements[m.selected].pos;
    // the element's centre follows the pointer
    pos.x = wrap16(static_cast<int64_t>(px) - s.w / 2);
    pos.y = wrap16(static_cast<int64_t>(py) - s.h / 2);
    refresh_x_text(ed);
    refresh_y_text(ed);
}

panel_control panel_hit(int px, int py) {
    for (const panel_row& r : panel_rows)
        if (inside(r.b, px, py)) return r.control;
    return c_none;
}

void on_panel(editor& ed, int px, int py) {
    bool has_scale        = scale_slot_of(ed.model.selected) != no_slot;
    panel_control control = panel_hit(px, py);
    switch (control) {
    case c_color_bar: ed.picking_color = 1; break;
    case c_scale_minus:
    case c_scale_plus:
        if (has_scale) {
            ed.scale_button = 1;
            ed.scale_dir    = control == c_scale_plus ? 1 : 2;
        }
        break;
    case c_x_plus:
    case c_x_minus:
        ed.nudge = control == c_x_plus ? 1 : 2;
        refresh_x_text(ed);
        break;
    case c_y_minus:
    case c_y_plus:
        ed.nudge = control == c_y_minus ? 3 : 4;
        refresh_y_text(ed);
        break;
    case c_color_field: start_edit(ed, f_color); break;
    case c_scale_field: start_edit(ed, f_scale); break;
    case c_x_field: start_edit(ed, f_x); break;
    case c_y_field: start_edit(ed, f_y); break;
    case c_none:
        end_edits(ed);
        ed.scale_button  = 0;
        ed.picking_color = 0;
        break;
    }
}

// A selection change: the colour and scale texts refresh in the coming pass,
// the position texts at once.
void select_element(editor& ed, int e) {
    ed.model.selected = e;
    ed.scale_button   = 2;
    ed.picking_color  = 2;
    refresh_x_text(ed);
    refresh_y_text(ed);
}

bool in_element_box(const layout& m, int e, int px, int py) {
    const SDL_Rect& p     = m.elements[e].pos;
    const element_size& s = m.element_sizes[e];
    int64_t x = p.x, y = p.y;
    return x <= px && px <= x + s.w && y <= py && py <= y + s.h;
}

void pick_element(editor& ed, int px, int py) {
    if (ed.dragging) return; // a second button during a drag
    layout& m = ed.model;
    for (int e : pick_order) {
        if (!in_element_box(m, e, px, py)) continue;
        const SDL_Rect& p     = m.elements[e].pos;
        const element_size& s = m.element_sizes[e];
        ed.dragging           = 1;
        SDL_WarpMouse(static_cast<Uint16>(static_cast<int64_t>(p.x) + s.w / 2),
                      static_cast<Uint16>(static_cast<int64_t>(p.y) + s.h / 2));
        ed.picking_color  = 2;
        ed.scale_button   = 2;
        ed.model.selected = e;
        return;
    }
}

void on_press(editor& ed, int px, int py) {
    // 1. save button; the press goes on to the panel all the same
    if (inside(save_box, px, py)) export_codes(ed.model, "code.txt");
    // 2. panel controls
    on_panel(ed, px, py);
    // 3. selector and preview
    int n = ed.model.selected;
    if (inside(selector_minus_box, px, py)) {
        select_element(ed, n == 0 ? element_count - 1 : n - 1);
    } else if (py >= selector_row_y) {
        if (inside(selector_plus_box, px, py)) select_element(ed, n == element_count - 1 ? 0 : n + 1);
    } else {
        pick_element(ed, px, py);
    }
}

void on_release(editor& ed) {
    ed.picking_color = 0;
    ed.scale_button  = 0;
    ed.dragging      = 0;
    ed.scale_dir     = 0;
    ed.nudge         = 0;
}

void copy_hex(char* text, uint32_t value, uint8_t width) {
    hex_text t = hexstring(value, width);
    std::memcpy(text, t.s, width + 1u);
}

uint32_t sign_extended(Sint16 coordinate) {
    return static_cast<uint32_t>(static_cast<int32_t>(coordinate));
}

} // namespace

// ---- value texts -------------------------------------------------------------------

void refresh_x_text(editor& ed) {
    copy_hex(ed.x_text, sign_extended(ed.model.elements[ed.model.selected].pos.x), 4);
}

void refresh_y_text(editor& ed) {
    copy_hex(ed.y_text, sign_extended(ed.model.elements[ed.model.selected].pos.y), 4);
}

void refresh_scale_text(editor& ed) {
    int k = scale_slot_of(ed.model.selected);
    if (k == no_slot) {
        ed.scale_text[0] = '\0';
        return;
    }
    copy_hex(ed.scale_text, static_cast<uint32_t>(ed.model.scales[k].value), 4);
}

void refresh_color_text(editor& ed) {
    int k = color_slot_of(ed.model.selected);
    if (k == no_slot) {
        ed.color_text[0] = '\0';
        return;
    }
    const SDL_Color& c = ed.model.colors[k].value;
    copy_hex(ed.color_text, (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b, 6);
}

// ---- the drain -----------------------------------------------------------------------

void poll_editor_events(editor& ed) {
    SDL_Event& ev = ed.event;
    while (SDL_PollEvent(&ev)) {
        switch (ev.type) {
        case SDL_KEYDOWN: on_key(ed, ev.key.keysym.sym); break;
        case SDL_MOUSEMOTION:
            ed.pointer_x = ev.motion.x;
            on_motion(ed, ev.motion.x, ev.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            ed.pointer_x = ev.button.x;
            on_press(ed, ev.button.x, ev.button.y);
            break;
        case SDL_MOUSEBUTTONUP:
            ed.pointer_x = ev.button.x;
            on_release(ed);
            break;
        case SDL_QUIT: ed.running = 0; break;
        case SDL_VIDEORESIZE:
            // A mode SDL refuses leaves no screen; the frame then draws nothing
            // until a later resize succeeds.
            ed.screen = SDL_SetVideoMode(ev.resize.w, ev.resize.h, 32, 0);
            break;
        default: break;
        }
    }
}

// ---- held-button steps -----------------------------------------------------------------

void nudge_step(editor& ed) {
    if (ed.nudge == 0) return;
    SDL_Rect& pos = ed.model.elements[ed.model.selected].pos;
    switch (ed.nudge) {
    case 1: pos.x = wrap16(pos.x + 1); break;
    case 2: pos.x = wrap16(pos.x - 1); break;
    case 3: pos.y = wrap16(pos.y + 1); break;
    case 4: pos.y = wrap16(pos.y - 1); break;
    default: break;
    }
    refresh_x_text(ed);
    refresh_y_text(ed);
}

void scale_step(editor& ed) {
    if (ed.scale_button == 0) return;
    int k = scale_slot_of(ed.model.selected);
    if (ed.scale_button == 1 && k != no_slot && ed.scale_dir != 0) {
        // "+" grows slot 0 and shrinks every other divisor; "-" the reverse.
        // Slot 6 moves by 3 and slot 12 by 1 with it, keeping their ratio.
        int32_t sign  = ed.scale_dir == 1 ? 1 : -1;
        scale_slot* s = ed.model.scales;
        if (k == 0)
            s[0].value = wrap_add32(s[0].value, sign);
        else if (k == 6) {
            s[6].value  = wrap_add32(s[6].value, 3 * sign);
            s[12].value = wrap_add32(s[12].value, sign);
        } else
            s[k].value = wrap_add32(s[k].value, -sign);
    } else if (ed.scale_button == 2) {
        ed.scale_button = 0;
    }
    refresh_scale_text(ed);
}
