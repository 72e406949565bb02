// frame.h - draws one editor frame from the state the update left: the panel
// under the background, the background, the panel over it, the 21 elements at
// their places (decoded, recoloured and scaled afresh), the save button; then
// flips the screen. It changes no state; with no screen it draws nothing.
#pragma once

#include "editor/panel.h" // panel_layer

void draw_frame(editor& ed);

// The panel's controls and labels of one layer (the black ground with the
// lowest one).
void draw_panel(editor& ed, panel_layer layer);
