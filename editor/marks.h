// marks.h - what the frame shows to help placing, besides the selection's
// outline (editor/frame.h): the grid (G), the outline of the element a press
// would take, a drag's guides and the selected element's drawn size. Each is
// drawn from state the input and the update left, and is in the frame's view
// record (editor/view.h), so that a frame is drawn when one of them changes
// and at no other time.
//
// The grid is shaded over the background under the elements (draw/grid.h),
// a line every grid_spacing pixels and stronger ones on the preview's centre
// lines. The hover outline and the guides are one-pixel lines of dashes in
// two colours of their own (light and dark: they read on any background and
// are not the selection's white and black), within the preview only: the
// hover outline on the pixels around the element's drawn box, over the
// elements and under the selection's outline; a guide across the whole
// preview over everything in it.
#pragma once

#include <SDL.h>

struct design_state;
struct editor;
struct guide_lines;
struct window_state;

constexpr int grid_spacing      = 8;
constexpr SDL_Color hover_light = {255, 224, 64, 0};
constexpr SDL_Color hover_dark  = {96, 56, 0, 0};
constexpr SDL_Color guide_light = {255, 64, 255, 0};
constexpr SDL_Color guide_dark  = {48, 0, 96, 0};

// The text of the selected element's drawn size ("001Dx001D": width x height); empty while
// it is not drawn.
struct size_string {
    char s[20]; // room for eight digits each, as hex_string may give
};
size_string size_text(const design_state& design);

// The grid, when window.grid is set; a drag's guides.
void draw_grid(const window_state& window);
void draw_guides(const window_state& window, const guide_lines& guides);
// The hover outline (ed.input.hover) and the size (in its label's place).
void draw_hover(editor& ed);
void draw_size(editor& ed);
