// update.h - the editor's update, between the event drain and the frame: the
// held-button steps (colour bar, arrows, Scale buttons), then where every
// element is drawn this frame, its drawn size, and the rule that holds an
// element at the window's left and top edge. After it the frame only draws.
#pragma once

#include "editor/state.h"

// One pass's update: the opaque pictures brought into the screen's format,
// color_pick_step, nudge_step, scale_step, then place_elements.
void update_editor(editor& ed);

// While an arrow is held: the selected element moves one pixel (X "-" left,
// X "+" right, Y "-" down, Y "+" up) and its position texts refresh.
void nudge_step(editor& ed);
// While a Scale button is held, or once after a selection change: steps the
// selected element's scale slot and refreshes scale_text.
void scale_step(editor& ed);

// Where each element is drawn this frame (places), and its drawn size
// (element_sizes; kept as it was for an element skipped because its scale
// cannot be drawn). An element drawn with its corner left of or above the
// window is held at the edge from the next frame on: its corner (less its
// inset) becomes 0 there. With no screen nothing is placed or held.
void place_elements(editor& ed);
