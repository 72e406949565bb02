// pick.h - which element a press in the preview takes.
//
// The elements with a pixel of their own showing under the pointer come
// first - a pixel of the picture, of its overlay or of the Magic Meter's bar,
// where this frame drew them, at least a quarter opaque (shows_from_alpha),
// whatever lies over it - in the picking order (numbers, icons, buttons,
// status items: model/elements.h); where no element shows a pixel there, the
// elements whose picking box holds the pointer (from the element's corner,
// its drawn size and one pixel more), in the same order. A press takes the
// first. A second press at the place the first left the pointer (the centre
// of the element taken, where the pointer jumped), with no motion between,
// takes the one after the element taken last, round to the first again: a
// covered button can be picked by pressing again. The hover outline marks
// the element the next press would take.
//
// Which pixels of each built-in picture show is worked out the first time it
// is asked for, and kept for the run (the pictures never change).
#pragma once

#include "editor/state.h" // pick_masks, press_cycle

#include <SDL.h>

// A pixel this opaque or more shows.
constexpr Uint8 shows_from_alpha = 64;

// The element a press at (x, y) in the editor's pixels would take, or -1.
int element_at(editor& ed, int x, int y);
// Whether element e shows a pixel of its own at (x, y) in this frame.
bool element_shows_at(editor& ed, int e, int x, int y);
// A press took element e and the pointer was put at (x, y): the press after
// it there, without motion between, takes the next element.
void took_element(input_state& input, int e, int x, int y);
// The pointer is at (x, y): away from where the last press left it, the
// next press there starts afresh.
void pointer_at(input_state& input, int x, int y);
