// outline.h - a one-pixel frame of dashes, two colours taking turns, such as
// the editor marks the selected element with: light and dark together read on
// any background. The frame lies on the box's own outermost pixels; only the
// part inside the clip rectangle is drawn, so a box far larger than the
// surface costs no more than the part that is seen.
//
//   dashed_outline(screen, {x, y, w, h}, preview, white, black);
#pragma once

#include <SDL.h>

// Pixels of one dash.
constexpr int dash_length = 2;

// A box in plain ints: an element's may start far off the surface and be
// thousands of pixels wide.
struct outline_box {
    int x, y, w, h;
};

// Draws the box's top and bottom rows, then its left and right columns, in
// dashes of dash_length counted from its upper left corner: the first dash of
// each row and column light, the next dark, and so on. Nothing for an empty
// box; clip lies within the surface.
void dashed_outline(SDL_Surface* surface, const outline_box& box, const SDL_Rect& clip, Uint32 light,
                    Uint32 dark);
