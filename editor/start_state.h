// start_state.h - the state the editor loop starts from, after the start-up
// screens: what they took (a layout, a background) is kept, the rest of the
// panel's state set, and the layout as the first frame draws it becomes the
// bottom of the undo history and what counts as saved.
#pragma once

#include "editor/state.h"

// Element 0 selected, no field being typed into. The elements are placed as
// the first frame will draw them, and that layout is the bottom of the undo
// history and counts as saved. Arrow keys repeat while held.
void start_editor_state(editor& ed);
