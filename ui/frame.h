// frame.h - draws one editor frame: panel, preview with all 21 elements, save
// button; flips the screen and paces the loop.
#pragma once

#include "shell/editor.h"

// One pass's drawing: panel texts, background, colour bar, the three held-
// button steps, the elements (decoded, recoloured and scaled afresh), the save
// button, the flip and the pause. With no screen it runs the steps and paces.
void draw_frame(editor& ed);

// The panel: black ground, the value fields and their texts, the X and Y
// labels and the element selector.
void draw_panel(editor& ed);

// ---- scale factors ------------------------------------------------------------
// A factor of 0 means the slot values give no drawable scale (a divisor of 0,
// or the A Button Icon's first value below 48); the element is then skipped.

// 527 / value, the value taken as an unsigned 32-bit divisor.
float general_factor(int32_t value);
// The A Button: divisor d + d/2 with d = FFFF - value, in unsigned 32 bits.
float a_button_factor(int32_t value);
// The A Button Icon: a = N/48, b = N/second with N the first value,
// f = b * (32.125 / a) / 95.
float a_icon_factor(int32_t first, int32_t second);
// The factor element e is drawn with: 1 for the elements drawn at their own
// size, 0 for a scale that cannot be drawn.
float element_factor(const layout& m, int e);
