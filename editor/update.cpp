// update.cpp - the update of one editor pass: the held-button steps and the
// placing of every element for the frame.
#include "editor/update.h"

#include "draw/surface_ops.h"
#include "editor/color_bar.h"
#include "editor/value_texts.h"
#include "model/scale_rules.h"

#include <cmath>

namespace {

bool drawable(float f) {
    return std::isfinite(f) && f > 0.0f;
}

// The size an element's picture (or overlay) is drawn at, or false when its
// factor gives none.
bool drawn_size(const picture_store& p, picture_id id, float factor, bool scaled, element_size& out) {
    const picture_size& s = p.sizes[id];
    if (!scaled) {
        out = {s.w, s.h};
        return true;
    }
    int w = 0, h = 0;
    if (!zoom_size(s.w, s.h, 1.0f, factor, &w, &h)) return false;
    out = {w, h};
    return true;
}

// The edge of the screen an element is held at.
Sint16 held(Sint16 v, int edge) {
    return v < edge ? static_cast<Sint16>(edge) : v;
}

} // namespace

void nudge_step(editor& ed) {
    if (ed.nudge == nudge_none) return;
    SDL_Rect& pos = ed.model.elements[ed.model.selected].pos;
    switch (ed.nudge) {
    case nudge_right: pos.x = wrap16(pos.x + 1); break;
    case nudge_left: pos.x = wrap16(pos.x - 1); break;
    case nudge_down: pos.y = wrap16(pos.y + 1); break;
    case nudge_up: pos.y = wrap16(pos.y - 1); break;
    default: break;
    }
    refresh_x_text(ed);
    refresh_y_text(ed);
}

void scale_step(editor& ed) {
    if (ed.scale_button == scale_idle) return;
    int k = scale_slot_of(ed.model.selected);
    if (ed.scale_button == scale_held && k != no_slot && ed.scale_dir != scale_none)
        step_scale(ed.model, k, ed.scale_dir == scale_plus ? 1 : -1);
    else if (ed.scale_button == scale_refresh)
        ed.scale_button = scale_idle;
    refresh_scale_text(ed);
}

void place_elements(editor& ed) {
    layout& m = ed.model;
    for (element_place& p : ed.places) p.drawn = false;
    if (!ed.screen) return;
    const SDL_Rect& clip = ed.screen->clip_rect;
    for (int e = 0; e < element_count; e++) {
        const element_row& row = element_table[e];
        element_place& place   = ed.places[e];
        const float f          = element_factor(m, e);
        if (!drawable(f)) continue;
        const bool scaled = row.rule != rule_own_size;
        element_size size{}, overlay{};
        if (!drawn_size(ed.pictures, row.picture, f, scaled, size)) continue;
        if (row.overlay != pic_none && is_stream(row.overlay) &&
            !drawn_size(ed.pictures, row.overlay, f, scaled, overlay))
            continue;
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

void update_editor(editor& ed) {
    fit_pictures_to_screen(ed.pictures, ed.screen);
    color_pick_step(ed);
    nudge_step(ed);
    scale_step(ed);
    place_elements(ed);
}
