// frame.h - draws one editor frame from the state the update left: the panel
// under the background, the background, the panel over it, the 21 elements at
// their places (decoded, recoloured and scaled afresh), the selected one's
// outline, the save button, the note, the code view over the preview when it
// shows (editor/code_view.h); then flips the screen. It changes no state; with
// no screen it draws nothing.
#pragma once

#include "editor/panel.h" // panel_layer

void draw_frame(editor& ed);

// The panel's controls and labels of one layer (the black ground with the
// lowest one).
void draw_panel(editor& ed, panel_layer layer);
// The selected element's outline: a one-pixel frame of white and black
// dashes on the outermost pixels of its drawn box this frame (its place and
// drawn size as the update left them), drawn over every element so that it
// shows also where another covers it, and only within the preview: the part
// of an element beyond the window's edge or over the panel has none. An
// element not drawn this frame has none.
void draw_selection(const design_state& design, const window_state& window);
