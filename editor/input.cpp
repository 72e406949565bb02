// input.cpp - the editor's event drain: keys with the typed hexadecimal entry
// (Escape ends it), the key table's keys (arrows, with Ctrl the element's
// set; reset, undo, the selection, save, zoom, the grid, the code view, the
// copy), dragging (a set with Ctrl; snapping to other elements and the
// preview unless Shift is held), the three-stage press (save button, panel
// controls, selector and element pick), release, the pointer's place, quit
// and resize. While the code view shows, it takes every key and press; the
// clipboard's requests are served in every drain.
//
// Every hit box comes from the panel table, every key from the key table.
// Every press acts at once, however soon it is released: a +/- button takes
// its first step, the colour bar picks, a new selection shows all four
// values. Nothing here draws, and the repeats of a held button are the
// update's.
#include "editor/input.h"
#include "editor/state.h"

#include "draw/rect.h"
#include "editor/clipboard.h"
#include "editor/code_view.h"
#include "editor/color_bar.h"
#include "editor/ending.h"
#include "editor/fields.h"
#include "editor/keys.h"
#include "editor/move_rules.h"
#include "editor/panel.h"
#include "editor/pick.h"
#include "editor/window.h"
#include "editor/snap.h"
#include "editor/undo.h"
#include "editor/save.h"
#include "editor/update.h"

namespace {

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

// The previous (-1) or next (+1) element; after the last comes the first.
void select_element(layout& m, int step) {
    const int n = m.selected + step;
    m.selected  = n < 0 ? element_count - 1 : n >= element_count ? 0 : n;
}

// ---- event handlers ----------------------------------------------------------

void on_release(input_state& input);

// R puts the selected element back to the game's own place, scale and
// colour, Shift+R the whole layout: one step of its own either way.
void reset_to_home(design_state& design, input_state& input, bool whole_layout) {
    end_change(design, input);
    if (whole_layout)
        reset_values(design.model);
    else
        reset_element(design.model, design.model.selected);
    end_change(design, input);
}

// What a key of the key table does.
void act_on_key(editor& ed, const key_row& row, SDLMod mod) {
    switch (row.action) {
    case key_nudge:
        nudge_selected(ed, static_cast<nudge_direction>(row.argument),
                       mod & KMOD_SHIFT ? shift_arrow_pixels : 1, mod & KMOD_CTRL);
        ed.input.arrow_run = true;
        break;
    case key_reset: reset_to_home(ed.design, ed.input, row.argument == reset_layout); break;
    case key_undo: undo_change(ed.design, ed.input); break;
    case key_redo: redo_change(ed.design, ed.input); break;
    case key_select: select_element(ed.design.model, row.argument); break;
    case key_save: save_layout(ed); break;
    case key_zoom:
        zoom_step(ed, row.argument);
        ed.input.pointer_in = false; // where the pointer is in the new window is known at its next motion
        break;
    case key_grid: ed.window.grid = !ed.window.grid; break;
    case key_codes:
        on_release(ed.input); // nothing changes under the view: every held button and a drag let go
        show_codes(ed.codes, ed.design.model);
        break;
    case key_copy: copy_codes(ed); break;
    }
}

// While the code view shows it takes every key: C turns its page, any other
// closes it (Escape does not quit) and does nothing else, but Ctrl+C copies too.
void key_in_code_view(editor& ed, const SDL_keysym& key) {
    const key_row* row = key_for(key.sym, key.mod);
    if (!row || row->action != key_codes) hide_codes(ed.codes);
    if (row && (row->action == key_codes || row->action == key_copy)) act_on_key(ed, *row, key.mod);
}

// Outside an entry a key does what its row in the key table says; any other
// key than an arrow ends a run of arrow keys, and Escape quits. During one,
// every key keeps its meaning for the entry (Ctrl+Z is a z there, and r a key
// that takes a place) but Escape, which ends the entry without taking it:
// the field shows its value again.
void on_key(editor& ed, const SDL_keysym& key) {
    const SDLKey k = key.sym;
    if (ed.codes.shown && !modifier_key(k)) return key_in_code_view(ed, key);
    if (k == SDLK_ESCAPE && ed.input.editing != field_none) return end_entry(ed.input);
    if (k == SDLK_ESCAPE) ed.run.running = false;
    if (modifier_key(k)) return;
    if (ed.input.editing != field_none) {
        entry_key(ed.input, ed.design.model, k);
        return;
    }
    const key_row* row = key_for(k, key.mod);
    if (!row || row->action != key_nudge) end_arrow_run(ed.design, ed.input);
    if (row) act_on_key(ed, *row, key.mod);
}

// The boxes a dragged element snaps to: the preview, and the drawn box of
// every other element drawn this frame but those of its set in a Ctrl drag,
// which move with it.
int snap_targets(const design_state& design, bool drag_set, int e, outline_box (&to)[element_count + 1]) {
    int n   = 0;
    to[n++] = {preview_area.x, preview_area.y, preview_area.w, preview_area.h};
    for (int other = 0; other < element_count; other++) {
        if (other == e || (drag_set && moves_with(other, e)) || !design.places[other].drawn) continue;
        const SDL_Rect& at    = design.places[other].at;
        const element_size& s = design.model.element_sizes[other];
        to[n++]               = {at.x, at.y, s.w, s.h};
    }
    return n;
}

// The element's centre follows the pointer, its drawn box snapped to the
// nearest line of another within snap_distance (editor/snap.h) unless Shift
// is held or the pointer is still where the press put it; in a Ctrl drag the
// rest of its set keeps its offsets to the element as they were at the
// press, and the set stops where one of it meets its edge
// (editor/move_rules.h). A guide shows only where the element lands on it.
void on_motion(editor& ed, int px, int py) {
    if (!ed.input.dragging || py > drag_limit_y) return;
    const int e           = ed.design.model.selected;
    const element_size& s = ed.design.model.element_sizes[e];
    const SDL_Rect& from  = ed.input.drag_from[e];
    int64_t dx = int64_t{px} - s.w / 2 - from.x, dy = int64_t{py} - s.h / 2 - from.y;
    ed.input.guides = {};
    if (!ed.input.cycle.on && !(SDL_GetModState() & KMOD_SHIFT) && ed.design.places[e].drawn) {
        outline_box targets[element_count + 1];
        const int n = snap_targets(ed.design, ed.input.drag_set, e, targets);
        const int inset =
            element_table[e].inset; // the box where it is drawn (a pointer's 16 bits off at most)
        const snap_result r =
            snap({static_cast<int>(from.x + inset + dx), static_cast<int>(from.y + inset + dy), s.w, s.h},
                 targets, n);
        dx += r.dx;
        dy += r.dy;
        ed.input.guides = r.guides;
    }
    const move_result taken = move_elements(ed, e, ed.input.drag_set, ed.input.drag_from, dx, dy);
    ed.input.guides.down    = ed.input.guides.down && taken.dx == dx && !taken.fixed_tried;
    ed.input.guides.across  = ed.input.guides.across && taken.dy == dy && !taken.fixed_tried;
}

// A press on a +/- button: its first step at once; the update repeats it
// while the button is held.
void press_held_button(input_state& input, Uint32 now_ms) {
    input.held_since_ms     = now_ms;
    input.scale_steps_taken = 0;
}

// What a press on a control does.
void act(editor& ed, const panel_row& row) {
    switch (row.action) {
    case press_save: save_layout(ed); break;
    case press_pick_color:
        if (refuse_fixed(ed, field_color)) break;
        ed.input.picking_color = true;
        pick_color(ed.design.model, ed.input);
        break;
    case press_scale:
        if (scale_slot_of(ed.design.model.selected) != no_scale && !refuse_fixed(ed, field_scale)) {
            ed.input.scale_held = static_cast<scale_direction>(row.argument);
            press_held_button(ed.input, ed.clock.now_ms);
            scale_step(ed);
        }
        break;
    case press_nudge:
        ed.input.nudge_held = static_cast<nudge_direction>(row.argument);
        press_held_button(ed.input, ed.clock.now_ms);
        nudge_selected(ed, ed.input.nudge_held, 1);
        break;
    case press_edit:
        if (!refuse_fixed(ed, static_cast<value_field>(row.argument)))
            start_entry(ed.input, ed.design.model, static_cast<value_field>(row.argument));
        break;
    case press_select: select_element(ed.design.model, row.argument); break;
    }
}

// The first control of a stage whose box holds the pointer, or null.
const panel_row* hit(press_stage stage, int px, int py) {
    for (const panel_row& row : panel_table)
        if (row.stage == stage && inside(row.box, px, py)) return &row;
    return nullptr;
}

// A press in the preview picks the element editor/pick.h says, and starts
// dragging it; the pointer jumps to its centre. With Ctrl held at the press
// (SDL's modifier state: a press carries none of its own) its set with it,
// until the release, whatever Ctrl does meanwhile.
void pick_element(editor& ed, int px, int py) {
    if (ed.input.dragging) return; // a second button during a drag
    const int e = element_at(ed, px, py);
    if (e < 0) return;
    layout& m             = ed.design.model;
    const SDL_Rect& p     = m.elements[e].pos;
    const element_size& s = m.element_sizes[e];
    ed.input.dragging     = true;
    ed.input.drag_set     = SDL_GetModState() & KMOD_CTRL;
    ed.input.guides       = {};
    for (int other = 0; other < element_count; other++) ed.input.drag_from[other] = m.elements[other].pos;
    // each coordinate taken as an unsigned 16-bit one
    const pointer_place at = move_pointer(ed.window, static_cast<Uint16>(static_cast<int64_t>(p.x) + s.w / 2),
                                          static_cast<Uint16>(static_cast<int64_t>(p.y) + s.h / 2));
    ed.input.pointer_x     = static_cast<Uint16>(at.x);
    ed.input.pointer_y     = static_cast<Uint16>(at.y);
    took_element(ed.input, e, at.x, at.y);
    m.selected = e;
}

// Every press ends an entry without taking it (a press on a field starts
// one there).
void on_press(editor& ed, int px, int py) {
    if (ed.codes.shown) return hide_codes(ed.codes); // a press closes the code view, and does nothing else
    end_arrow_run(ed.design, ed.input);
    end_entry(ed.input);
    if (panel_notes[ed.note.shown].lasts_ms == 0) ed.note.shown = note_none; // shown until the next press
    // 1. the save button; the press goes on to the panel all the same
    if (const panel_row* row = hit(stage_save, px, py)) act(ed, *row);
    // 2. the panel's controls; a press on none of them lets go of the held ones
    if (const panel_row* row = hit(stage_panel, px, py)) {
        act(ed, *row);
    } else {
        ed.input.scale_held    = scale_none;
        ed.input.picking_color = false;
    }
    // 3. the selector, else the preview
    if (const panel_row* row = hit(stage_selector, px, py))
        act(ed, *row);
    else if (py < selector_row_y)
        pick_element(ed, px, py);
}

void on_release(input_state& input) {
    input.guides        = {};
    input.picking_color = false;
    input.scale_held    = scale_none;
    input.dragging      = false;
    input.drag_set      = false;
    input.nudge_held    = nudge_none;
}

// The pointer is at (x, y): the latest mouse event's place. A motion there
// (not a press or release, which may be queued before the jump a press made)
// ends a run of presses at one place.
void pointer_to(input_state& input, Uint16 x, Uint16 y, bool motion) {
    input.pointer_x  = x;
    input.pointer_y  = y;
    input.pointer_in = true;
    if (motion) pointer_at(input, x, y);
}

// A mouse button's bit among the eight kept in buttons_down (none for a higher one).
Uint8 button_bit(Uint8 button) {
    return button >= 1 && button <= 8 ? static_cast<Uint8>(1u << (button - 1)) : 0;
}

} // namespace

// ---- the drain -----------------------------------------------------------------------

void poll_editor_events(editor& ed) {
    if (!ed.clock.manual_clock) ed.clock.now_ms = SDL_GetTicks();
    serve_clipboard(ed.codes.clip); // nothing before the first copy
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        event_to_editor(ed.window, ev);
        switch (ev.type) {
        case SDL_KEYDOWN: on_key(ed, ev.key.keysym); break;
        case SDL_MOUSEMOTION:
            pointer_to(ed.input, ev.motion.x, ev.motion.y, true);
            on_motion(ed, ev.motion.x, ev.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            pointer_to(ed.input, ev.button.x, ev.button.y, false);
            ed.input.buttons_down |= button_bit(ev.button.button);
            on_press(ed, ev.button.x, ev.button.y);
            break;
        case SDL_MOUSEBUTTONUP:
            pointer_to(ed.input, ev.button.x, ev.button.y, false);
            ed.input.buttons_down &= static_cast<Uint8>(~button_bit(ev.button.button));
            on_release(ed.input);
            break;
        case SDL_ACTIVEEVENT: // the pointer left the window
            if ((ev.active.state & SDL_APPMOUSEFOCUS) && !ev.active.gain) ed.input.pointer_in = false;
            break;
        case SDL_QUIT: ed.run.running = false; break;
        case SDL_SYSWMEVENT: notice_window_event(ed.run, ev); break;
        case SDL_VIDEORESIZE:
            // A mode SDL refuses leaves no screen; the frame then draws nothing
            // until a later resize succeeds.
            resize_screen(ed, ev.resize.w, ev.resize.h);
            ed.input.pointer_in = false;
            break;
        default: break;
        }
    }
    notice_signal(ed.run);
}
