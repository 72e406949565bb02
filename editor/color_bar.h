// color_bar.h - the colour bar's per-pass step: while a press on the bar is
// held, the selected element's colour follows the pointer's x (color_walk);
// it also serves as the one-shot refresh of the colour and position texts
// after a selection changed. The press and release are input's.
#pragma once

#include "editor/state.h"

void color_pick_step(editor& ed);
