// update.cpp - the update of one editor pass: the held-button steps (by the
// editor's clock), the save note's time, the placing of every element for the
// frame, the element a press would take, and the undo step of a change that
// has ended.
#include "editor/update.h"
#include "editor/state.h"

#include "draw/rect.h"
#include "editor/color_bar.h"
#include "editor/move_rules.h"
#include "editor/panel.h"
#include "editor/pick.h"
#include "editor/repeat.h"
#include "editor/scale_limits.h"
#include "editor/undo.h"

namespace {

// The edge of the screen an element is held at.
Sint16 held(Sint16 v, int edge) {
    return v < edge ? static_cast<Sint16>(edge) : v;
}

} // namespace

void nudge_selected(editor& ed, nudge_direction d, int pixels, bool whole_set) {
    SDL_Rect from[element_count];
    for (int e = 0; e < element_count; e++) from[e] = ed.design.model.elements[e].pos;
    const int dx = d == nudge_right ? pixels : d == nudge_left ? -pixels : 0;
    const int dy = d == nudge_down ? pixels : d == nudge_up ? -pixels : 0;
    if (dx || dy) move_elements(ed, ed.design.model.selected, whole_set, from, dx, dy);
}

void nudge_step(editor& ed) {
    if (ed.input.nudge_held != nudge_none && arrow_repeats(ed.clock.now_ms - ed.input.held_since_ms))
        nudge_selected(ed, ed.input.nudge_held, 1);
}

void scale_step(editor& ed) {
    const int e = ed.design.model.selected;
    if (ed.input.scale_held == scale_none || scale_slot_of(e) == no_scale) return;
    const Uint64 due = scale_steps_due(ed.clock.now_ms - ed.input.held_since_ms);
    for (; ed.input.scale_steps_taken < due; ed.input.scale_steps_taken++)
        if (!step_scale_drawn(ed.design.model, ed.pictures, e, ed.input.scale_held == scale_plus ? 1 : -1)) {
            ed.input.scale_steps_taken = due; // at a limit: the steps due are dropped, not saved up
            break;
        }
}

void note_step(panel_note_state& note, Uint32 now_ms) {
    const Uint32 lasts = panel_notes[note.shown].lasts_ms;
    if (lasts && now_ms - note.since_ms >= lasts) note.shown = note_none;
}

void place_elements(editor& ed) {
    layout& m = ed.design.model;
    for (element_place& p : ed.design.places) p.drawn = false;
    if (!ed.window.screen) return;
    const SDL_Rect& clip = ed.window.screen->clip_rect;
    for (int e = 0; e < element_count; e++) {
        const element_row& row = element_table[e];
        element_place& place   = ed.design.places[e];
        float f                = 1.0f;
        element_size size{};
        if (!element_drawn_size(m, ed.pictures, e, f, size)) continue;
        m.element_sizes[e] = size;
        SDL_Rect& pos      = m.elements[e].pos;
        // a corner so far right or down that the inset would wrap is off the
        // window anyway; it is left where it is
        if (!fits16(pos.x + row.inset) || !fits16(pos.y + row.inset)) continue;
        place.drawn  = true;
        place.factor = f;
        place.at     = {static_cast<Sint16>(pos.x + row.inset), static_cast<Sint16>(pos.y + row.inset), 0, 0};
        place.held_at = {held(place.at.x, clip.x), held(place.at.y, clip.y), 0, 0};
        pos.x         = static_cast<Sint16>(place.held_at.x - row.inset);
        pos.y         = static_cast<Sint16>(place.held_at.y - row.inset);
    }
}

void hover_step(editor& ed) {
    const bool over = ed.input.pointer_in && inside(preview_area, ed.input.pointer_x, ed.input.pointer_y);
    ed.input.hover  = over && !ed.input.buttons_down && !ed.input.dragging
                          ? element_at(ed, ed.input.pointer_x, ed.input.pointer_y)
                          : -1;
}

void update_editor(editor& ed) {
    fit_pictures_to_screen(ed.pictures, ed.window.screen);
    color_pick_step(ed.design.model, ed.input);
    nudge_step(ed);
    scale_step(ed);
    note_step(ed.note, ed.clock.now_ms);
    place_elements(ed);
    hover_step(ed);
    record_change(ed.design, ed.input);
}
