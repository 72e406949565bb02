// input.h - the editor's input side: the event drain with its press, drag,
// release and typed entry, and the two held-button steps.
#pragma once

#include "shell/editor.h"

// Drains every pending event and handles each in arrival order.
void poll_editor_events(editor& ed);

// Once per pass while an arrow is held: the selected element moves one pixel
// (X "-" left, X "+" right, Y "-" down, Y "+" up) and its position texts refresh.
void nudge_step(editor& ed);
// Once per pass while a scale button is held, or once after a selection
// change: steps the selected element's scale slot and refreshes scale_text.
void scale_step(editor& ed);

// The value texts, refreshed from the model for the selected element. An
// element without a scale or colour of its own shows an empty field.
void refresh_x_text(editor& ed);
void refresh_y_text(editor& ed);
void refresh_scale_text(editor& ed);
void refresh_color_text(editor& ed);
