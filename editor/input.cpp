// input.cpp - the editor's event drain: keys with the typed hexadecimal entry,
// the arrow keys and undo, dragging, the three-stage press (save button,
// panel controls, selector and element pick), release, quit and resize.
//
// Every hit box comes from the panel table and is inclusive at both ends.
// Every press acts at once, however soon it is released: a +/- button takes
// its first step, the colour bar picks, a new selection shows all four
// values. Nothing here draws, and the repeats of a held button are the
// update's.
#include "editor/input.h"

#include "draw/hex.h"
#include "editor/panel.h"
#include "editor/color_bar.h"
#include "editor/ending.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "editor/unsaved.h"
#include "editor/update.h"
#include "editor/value_texts.h"

#include <cstring>

namespace {

// ---- the four value fields ---------------------------------------------------

// An entry that ends before it is complete applies nothing: its field shows
// the element's value again.
void end_entry(editor& ed) {
    const value_field f = ed.editing;
    if (f == field_none) return;
    ed.editing = field_none;
    refresh_field_text(ed, f);
}

// A press on a value field: its edit mode starts (any other one ends) with an
// empty text; the entry buffer keeps its bytes, only the count restarts.
void start_edit(editor& ed, value_field f) {
    end_entry(ed);
    ed.editing           = f;
    ed.entry_len         = 0;
    field_text(ed, f)[0] = '\0';
}

// The character a key stores in an entry, or 0 for a key that stores nothing.
char hex_key(SDLKey k) {
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<char>('0' + (k - SDLK_0));
    if (k >= SDLK_KP0 && k <= SDLK_KP9) return static_cast<char>('0' + (k - SDLK_KP0));
    if (k >= SDLK_a && k <= SDLK_f) return static_cast<char>('A' + (k - SDLK_a));
    return 0;
}

// A completed entry goes into the selected element's current value.
void apply_entry(editor& ed, value_field f, int32_t v) {
    layout& m     = ed.model;
    SDL_Rect& pos = m.elements[m.selected].pos;
    switch (f) {
    case field_color: {
        int k = color_slot_of(m.selected);
        if (k == no_slot) return;
        uint32_t u        = static_cast<uint32_t>(v);
        m.colors[k].value = SDL_Color{static_cast<Uint8>(u >> 16), static_cast<Uint8>(u >> 8),
                                      static_cast<Uint8>(u), m.colors[k].value.unused};
        return;
    }
    case field_scale: {
        int k = scale_slot_of(m.selected);
        if (k != no_slot) m.scales[k].value = v;
        return;
    }
    case field_x: pos.x = wrap16(v); return;
    case field_y: pos.y = wrap16(v); return;
    default: return;
    }
}

// Shift, Ctrl, Alt, AltGr, Super (Meta), Caps Lock and Num Lock: keys that
// change other keys, and take no place in an entry.
bool modifier_key(SDLKey k) {
    switch (k) {
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LALT:
    case SDLK_RALT:
    case SDLK_MODE: // AltGr
    case SDLK_LMETA:
    case SDLK_RMETA:
    case SDLK_LSUPER:
    case SDLK_RSUPER:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCK: return true;
    default: return false;
    }
}

// The way an arrow key moves the selected element on screen.
nudge_direction arrow_direction(SDLKey k) {
    switch (k) {
    case SDLK_LEFT: return nudge_left;
    case SDLK_RIGHT: return nudge_right;
    case SDLK_UP: return nudge_up;
    case SDLK_DOWN: return nudge_down;
    default: return nudge_none;
    }
}

constexpr int shift_arrow_pixels = 8;

// ---- event handlers ----------------------------------------------------------

// A key during an entry: a hex digit is stored, Backspace takes one back, and
// any other key takes its place without storing anything.
void entry_key(editor& ed, SDLKey k) {
    const value_field f = ed.editing;
    unsigned len        = field_length(f);

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

    char* text = field_text(ed, f);
    std::memcpy(text, ed.entry_buf, len);
    text[len] = '\0';

    if (ed.entry_len == len) {
        ed.editing = field_none;
        apply_entry(ed, f, strtohex(text));
    }
}

// Outside an entry: the arrows move the selected element (with Shift by
// eight pixels), Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo. During one,
// every key keeps its meaning for the entry (Ctrl+Z is a z there).
void on_key(editor& ed, const SDL_keysym& key) {
    const SDLKey k = key.sym;
    if (k == SDLK_ESCAPE) ed.running = 0;
    if (modifier_key(k)) return;
    if (ed.editing != field_none) {
        entry_key(ed, k);
        return;
    }
    const bool shift = key.mod & KMOD_SHIFT, ctrl = key.mod & KMOD_CTRL;
    if (nudge_direction d = arrow_direction(k); d != nudge_none) {
        nudge_selected(ed, d, shift ? shift_arrow_pixels : 1);
        ed.arrow_run = true;
        return;
    }
    end_arrow_run(ed);
    if (ctrl && k == SDLK_z && !shift)
        undo_change(ed);
    else if (ctrl && (k == SDLK_y || k == SDLK_z))
        redo_change(ed);
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

// A selection change shows the new element's four values at once (and once
// more in the coming pass).
void select_element(editor& ed, int e) {
    ed.model.selected = e;
    ed.scale_button   = scale_refresh;
    ed.picking_color  = pick_refresh;
    refresh_value_texts(ed);
}

// A press on a +/- button: its first step at once; the update repeats it
// while the button is held.
void press_held_button(editor& ed) {
    ed.held_since_ms     = ed.now_ms;
    ed.scale_steps_taken = 0;
}

// What a press on a control does.
void act(editor& ed, const panel_row& row) {
    switch (row.action) {
    case press_save: save_layout(ed); break;
    case press_pick_color:
        ed.picking_color = pick_held;
        pick_color(ed);
        break;
    case press_scale:
        if (scale_slot_of(ed.model.selected) != no_slot) {
            ed.scale_button = scale_held;
            ed.scale_dir    = static_cast<scale_direction>(row.argument);
            press_held_button(ed);
            scale_step(ed);
        }
        break;
    case press_nudge:
        ed.nudge = static_cast<nudge_direction>(row.argument);
        press_held_button(ed);
        nudge_selected(ed, ed.nudge, 1);
        break;
    case press_edit: start_edit(ed, static_cast<value_field>(row.argument)); break;
    case press_select: {
        const int n = ed.model.selected + row.argument;
        select_element(ed, n < 0 ? element_count - 1 : n >= element_count ? 0 : n);
        break;
    }
    }
}

// The first control of a stage whose box holds the pointer, or null.
const panel_row* hit(press_stage stage, int px, int py) {
    for (const panel_row& row : panel_table)
        if (row.stage == stage && inside(row.box, px, py)) return &row;
    return nullptr;
}

bool in_element_box(const layout& m, int e, int px, int py) {
    const SDL_Rect& p     = m.elements[e].pos;
    const element_size& s = m.element_sizes[e];
    int64_t x = p.x, y = p.y;
    return x <= px && px <= x + s.w && y <= py && py <= y + s.h;
}

// A press in the preview picks the first element whose box holds it, the
// numbers before the icons before the rest, and starts dragging it.
void pick_element(editor& ed, int px, int py) {
    if (ed.dragging) return; // a second button during a drag
    layout& m = ed.model;
    for (element_id e : pick_order) {
        if (!in_element_box(m, e, px, py)) continue;
        const SDL_Rect& p     = m.elements[e].pos;
        const element_size& s = m.element_sizes[e];
        ed.dragging           = 1;
        // each coordinate taken as an unsigned 16-bit one
        move_pointer(ed, static_cast<Uint16>(static_cast<int64_t>(p.x) + s.w / 2),
                     static_cast<Uint16>(static_cast<int64_t>(p.y) + s.h / 2));
        select_element(ed, e);
        return;
    }
}

void on_press(editor& ed, int px, int py) {
    end_arrow_run(ed);
    if (ed.note == note_failed) ed.note = note_none; // shown until the next press
    // 1. the save button; the press goes on to the panel all the same
    if (const panel_row* row = hit(stage_save, px, py)) act(ed, *row);
    // 2. the panel's controls; a press on none of them ends every edit
    if (const panel_row* row = hit(stage_panel, px, py)) {
        act(ed, *row);
    } else {
        end_entry(ed);
        ed.scale_button  = scale_idle;
        ed.picking_color = pick_idle;
    }
    // 3. the selector, else the preview
    if (const panel_row* row = hit(stage_selector, px, py))
        act(ed, *row);
    else if (py < selector_row_y)
        pick_element(ed, px, py);
}

void on_release(editor& ed) {
    ed.picking_color = pick_idle;
    ed.scale_button  = scale_idle;
    ed.dragging      = 0;
    ed.scale_dir     = scale_none;
    ed.nudge         = nudge_none;
}

} // namespace

// ---- the drain -----------------------------------------------------------------------

void poll_editor_events(editor& ed) {
    if (!ed.manual_clock) ed.now_ms = SDL_GetTicks();
    SDL_Event& ev = ed.event;
    while (SDL_PollEvent(&ev)) {
        event_to_editor(ed, ev);
        switch (ev.type) {
        case SDL_KEYDOWN:
            if (!screen_key(ed, ev.key.keysym)) on_key(ed, ev.key.keysym); // Ctrl+= and Ctrl+-: the zoom
            break;
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
        case SDL_SYSWMEVENT: notice_window_event(ed, ev); break;
        case SDL_VIDEORESIZE:
            // A mode SDL refuses leaves no screen; the frame then draws nothing
            // until a later resize succeeds.
            resize_screen(ed, ev.resize.w, ev.resize.h);
            break;
        default: break;
        }
    }
    notice_signal(ed);
}
