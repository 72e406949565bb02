// pick.cpp - the elements under the pointer, by their pixels and by their boxes.
#include "editor/pick.h"

#include "draw/rect.h"
#include "draw/surface_ops.h"
#include "editor/state.h"

#include <algorithm>
#include <iterator>

namespace {

// Which pixels of surface s show.
picture_mask mask_of(SDL_Surface* s) {
    picture_mask m;
    if (!s) return m;
    m.w = s->w;
    m.h = s->h;
    m.shows.assign(static_cast<size_t>(m.w) * m.h, 1);
    if (!s->format->Amask) return m; // opaque: every pixel shows
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            Uint32 pixel    = 0;
            const Uint8* at = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            std::copy(at, at + bpp, reinterpret_cast<Uint8*>(&pixel)); // the machine's byte order, as SDL's
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, s->format, &r, &g, &b, &a);
            m.shows[static_cast<size_t>(y) * m.w + x] = a >= shows_from_alpha;
        }
    SDL_UnlockSurface(s);
    return m;
}

// The masks of every built-in picture an element draws, made once.
const pick_masks& masks(pick_masks& k, picture_store& pictures) {
    if (k.made) return k;
    for (const element_row& row : element_table)
        for (picture_id id : {row.picture, row.overlay}) {
            if (id == pic_none || !k.of[id].shows.empty()) continue;
            SDL_Surface* s = is_stream(id) ? fresh_picture(pictures, id, true) : kept_picture(pictures, id);
            k.of[id]       = mask_of(s);
            if (s && is_stream(id)) SDL_FreeSurface(s);
        }
    k.made = true;
    return k;
}

// Whether picture mask m, drawn with its corner at `at` (scaled by f when
// scaled, as the frame scales it), shows a pixel at (x, y).
bool picture_shows(const picture_mask& m, const SDL_Rect& at, float f, bool scaled, int x, int y) {
    int w = m.w, h = m.h;
    if (m.shows.empty() || (scaled && !zoom_size(m.w, m.h, 1.0f, f, &w, &h))) return false;
    const int64_t lx = int64_t{x} - at.x, ly = int64_t{y} - at.y;
    if (lx < 0 || ly < 0 || lx >= w || ly >= h) return false;
    // the source pixel zoom_part samples for it
    const double by = static_cast<double>(f);
    const int sx    = scaled ? std::min(static_cast<int>(lx / by), m.w - 1) : static_cast<int>(lx);
    const int sy    = scaled ? std::min(static_cast<int>(ly / by), m.h - 1) : static_cast<int>(ly);
    return m.shows[static_cast<size_t>(sy) * m.w + sx];
}

// The picking box: from the corner (without the inset), the drawn size and one pixel more.
bool in_box(const layout& m, int e, int x, int y) {
    const SDL_Rect& p     = m.elements[e].pos;
    const element_size& s = m.element_sizes[e];
    const int64_t px = p.x, py = p.y;
    return px <= x && x < px + s.w + 1 && py <= y && y < py + s.h + 1;
}

// The elements a press at (x, y) chooses among, in the order it takes them.
int under(editor& ed, int x, int y, int (&list)[element_count]) {
    int n = 0;
    for (element_id e : pick_order)
        if (element_shows_at(ed, e, x, y)) list[n++] = e;
    if (n > 0) return n;
    for (element_id e : pick_order)
        if (in_box(ed.design.model, e, x, y)) list[n++] = e;
    return n;
}

} // namespace

bool element_shows_at(editor& ed, int e, int x, int y) {
    if (e < 0 || e >= element_count || !ed.design.places[e].drawn) return false;
    const element_row& row     = element_table[e];
    const element_place& place = ed.design.places[e];
    const bool scaled          = row.rule != rule_own_size;
    const pick_masks& k        = masks(ed.input.masks, ed.pictures);
    if (row.tint == tint_bar) {
        const SDL_Rect& at = place.at;
        if (int64_t{x} >= at.x + meter_bar.x && int64_t{x} < at.x + meter_bar.x + meter_bar.w &&
            int64_t{y} >= at.y + meter_bar.y && int64_t{y} < at.y + meter_bar.y + meter_bar.h)
            return true;
    }
    if (picture_shows(k.of[row.picture], place.at, place.factor, scaled, x, y)) return true;
    return row.overlay != pic_none &&
           picture_shows(k.of[row.overlay], place.held_at, place.factor, scaled, x, y);
}

int element_at(editor& ed, int x, int y) {
    int list[element_count];
    const int n = under(ed, x, y, list);
    if (n == 0) return -1;
    const press_cycle& c = ed.input.cycle;
    if (!c.on || c.x != x || c.y != y) return list[0];
    const int* last = std::find(list, list + n, c.last);
    return last == list + n ? list[0] : list[(last - list + 1) % n];
}

void took_element(input_state& input, int e, int x, int y) {
    input.cycle = {true, x, y, e};
}

void pointer_at(input_state& input, int x, int y) {
    if (input.cycle.on && (input.cycle.x != x || input.cycle.y != y)) input.cycle.on = false;
}
