// value_texts.h - the four value texts of the panel, refreshed from the model
// for the selected element: x and y as four hex digits of their 16-bit pattern
// (-1 shows as FFFF), the scale as four digits of its low 16 bits, the colour
// as RRGGBB. An element without a scale or colour of its own shows an empty
// field. Nothing here draws.
#pragma once

#include "editor/state.h"

void refresh_x_text(editor& ed);
void refresh_y_text(editor& ed);
void refresh_scale_text(editor& ed);
void refresh_color_text(editor& ed);
// All four, for an element newly selected or changed at once.
void refresh_value_texts(editor& ed);
// The text of value field f (field_none: nothing).
void refresh_field_text(editor& ed, value_field f);
