// marks.cpp - the grid, the hover outline, the guides and the size, drawn.
#include "editor/marks.h"

#include "draw/grid.h"
#include "draw/outline.h"
#include "draw/text.h"
#include "editor/panel.h"
#include "editor/state.h"
#include "model/hex.h"

#include <cstdio>

namespace {

Uint32 mapped(const SDL_Surface* s, SDL_Color c) {
    return SDL_MapRGB(s->format, c.r, c.g, c.b);
}

} // namespace

size_string size_text(const design_state& design) {
    size_string t{};
    const int e = design.model.selected;
    if (e < 0 || e >= element_count || !design.places[e].drawn) return t;
    const element_size& s = design.model.element_sizes[e];
    std::snprintf(t.s, sizeof t.s, "%sx%s", hex_string(static_cast<uint32_t>(s.w), 4).s,
                  hex_string(static_cast<uint32_t>(s.h), 4).s);
    return t;
}

void draw_grid(const window_state& window) {
    if (window.grid) shade_grid(window.screen, preview_area, grid_spacing);
}

void draw_hover(editor& ed) {
    const int e = ed.input.hover;
    if (e < 0 || e >= element_count || !ed.design.places[e].drawn) return;
    const SDL_Rect& at    = ed.design.places[e].at;
    const element_size& s = ed.design.model.element_sizes[e];
    dashed_outline(ed.window.screen, {at.x - 1, at.y - 1, s.w + 2, s.h + 2}, preview_area,
                   mapped(ed.window.screen, hover_light), mapped(ed.window.screen, hover_dark));
}

void draw_guides(const window_state& window, const guide_lines& g) {
    const SDL_Rect& p  = preview_area;
    SDL_Surface* s     = window.screen;
    const Uint32 light = mapped(s, guide_light), dark = mapped(s, guide_dark);
    if (g.down) dashed_outline(s, {g.x, p.y, 1, p.h}, p, light, dark);
    if (g.across) dashed_outline(s, {p.x, g.y, p.w, 1}, p, light, dark);
}

void draw_size(editor& ed) {
    draw_text(size_label, size_text(ed.design).s, ed.window.screen, font(ed.pictures, font_labels));
}
