// color_bar.h - the colour bar: a press on it picks the colour under the
// pointer at once, and while the press is held the per-pass step goes on
// following the pointer's x (color_walk); the step also serves as the
// one-shot refresh of the colour and position texts after a selection
// changed. The press and release are input's.
#pragma once

struct input_state;
struct layout;

// The selected element's colour (if it has one) becomes the colour under
// the pointer's x; the colour and position texts show it.
void pick_color(layout& m, const input_state& input);
// The same while a press on the bar is held.
void color_pick_step(layout& m, const input_state& input);
