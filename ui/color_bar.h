// color_bar.h - the colour bar: a stepped walk through the hues that turns a
// position on the bar into a colour, and the per-pass pick step.
#pragma once

#include "shell/editor.h"

struct rgb {
    int r, g, b;
};

// The colour a click at bar position n (x - 8) picks.
rgb color_walk(int n);
// Once per pass: while picking, the selected element's colour follows the
// pointer's x; in both picking states the colour and position texts refresh.
void color_pick_step(editor& ed);
