// move_rules.cpp - the offset a move may take, and the note of a fixed value tried.
#include "editor/move_rules.h"

#include "editor/state.h"

#include <algorithm>

namespace {

// Whether any element moving with e (with whole_set) keeps this axis fixed.
bool axis_fixed(int e, bool whole_set, value_field axis) {
    for (int m = 0; m < element_count; m++)
        if ((m == e || (whole_set && moves_with(m, e))) && never_saved(m, axis)) return true;
    return false;
}

// The offsets [lo, hi] (lo <= 0 <= hi) one axis of a whole set may take from
// the corners `from` (x or y): every member's corner keeps its 16-bit
// coordinate with its inset, and every member the update holds at the edge
// stays at or past it. A member already beyond a limit holds the set there.
struct range {
    int64_t lo, hi;
};
range set_range(const editor& ed, int e, const SDL_Rect (&from)[element_count], bool across) {
    range r{INT64_MIN, INT64_MAX};
    for (int m = 0; m < element_count; m++) {
        if (!moves_with(m, e)) continue;
        const int64_t at = across ? from[m].x : from[m].y, inset = element_table[m].inset;
        r.lo = std::max(r.lo, -32768 - at);
        r.hi = std::min(r.hi, 32767 - inset - at);
        if (ed.window.screen && ed.design.places[m].drawn) {
            const int64_t edge = across ? ed.window.screen->clip_rect.x : ed.window.screen->clip_rect.y;
            r.lo               = std::max(r.lo, edge - inset - at);
        }
    }
    return {std::min<int64_t>(r.lo, 0), std::max<int64_t>(r.hi, 0)};
}

} // namespace

move_result move_elements(editor& ed, int e, bool whole_set, const SDL_Rect (&from)[element_count],
                          int64_t dx, int64_t dy) {
    move_result r{dx, dy, false};
    if (e < 0 || e >= element_count) return {0, 0, false};
    whole_set          = whole_set && element_table[e].cluster != cluster_none;
    const bool fixed_x = axis_fixed(e, whole_set, field_x), fixed_y = axis_fixed(e, whole_set, field_y);
    r.fixed_tried = (fixed_x && dx != 0) || (fixed_y && dy != 0);
    if (fixed_x) r.dx = 0;
    if (fixed_y) r.dy = 0;
    if (whole_set) {
        const range x = set_range(ed, e, from, true), y = set_range(ed, e, from, false);
        r.dx = std::clamp(r.dx, x.lo, x.hi);
        r.dy = std::clamp(r.dy, y.lo, y.hi);
    }
    for (int m = 0; m < element_count; m++) {
        if (m != e && !(whole_set && moves_with(m, e))) continue;
        SDL_Rect& pos = ed.design.model.elements[m].pos;
        if (!fixed_x) pos.x = wrap16(int64_t{from[m].x} + r.dx);
        if (!fixed_y) pos.y = wrap16(int64_t{from[m].y} + r.dy);
    }
    if (r.fixed_tried) show_note(ed.note, note_fixed_value, ed.clock.now_ms);
    return r;
}

bool refuse_fixed(editor& ed, value_field f) {
    if (!never_saved(ed.design.model.selected, f)) return false;
    show_note(ed.note, note_fixed_value, ed.clock.now_ms);
    return true;
}
