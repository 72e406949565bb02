// update.h - the editor's update, between the event drain and the frame: the
// held-button steps (colour bar, arrows, Scale buttons), then where every
// element is drawn this frame, its drawn size, and the rule that holds an
// element at the window's left and top edge. After it the frame only draws.
#pragma once

#include <SDL.h>

struct editor;
struct panel_note_state;
enum nudge_direction : int;

// One pass's update: the opaque pictures brought into the screen's format,
// color_pick_step, nudge_step, scale_step, note_step, place_elements,
// hover_step, and then a finished change recorded for undo (editor/undo.h).
void update_editor(editor& ed);

// The selected element moves by pixels in direction d (nudge_left: x less,
// nudge_down: y more); with whole_set, the rest of its set (moves_with) too,
// by the same pixels or as far as the set can go (editor/move_rules.h). A
// value the game keeps fixed does not move.
void nudge_selected(editor& ed, nudge_direction d, int pixels, bool whole_set = false);
// While an X or Y button is held: from repeat_delay_ms after its press (which
// moved the element itself), one pixel a pass (X "-" left, X "+" right,
// Y "-" down, Y "+" up).
void nudge_step(editor& ed);
// While a Scale button is held: the steps due by the time held (repeat.h),
// the press's own included, each within the limits of scale_limits.h.
void scale_step(editor& ed);
// A note that lasts a while (a good save's) goes after its time (editor/panel.h).
void note_step(panel_note_state& note, Uint32 now_ms);

// Where each element is drawn this frame (places), and its drawn size
// (element_sizes; kept as it was for an element skipped because its scale
// cannot be drawn). An element drawn with its corner left of or above the
// window is held at the edge from the next frame on: its corner (less its
// inset) becomes 0 there. With no screen nothing is placed or held.
void place_elements(editor& ed);
// The element a press would take (editor/pick.h), outlined while the pointer
// is over the preview and no button is held: ed.input.hover, else -1.
void hover_step(editor& ed);
