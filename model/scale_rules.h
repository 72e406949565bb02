// scale_rules.h - how the game turns a scale slot into the factor an element
// is drawn with, and how the Scale buttons step a slot.
//
// A factor of 0 means the slot values give no drawable scale (a divisor of 0,
// or the A Button Icon's first value below 48); the element is then skipped.
// Nothing here draws; what size a factor gives is surface_ops' zoom_size.
#pragma once

#include "model/layout.h"

// 527 / value, the value taken as an unsigned 32-bit divisor.
float general_factor(int32_t value);
// The A Button: divisor d + d/2 with d = FFFF - value, in unsigned 32 bits.
float a_button_factor(int32_t value);
// The A Button Icon: a = N/48, b = N/second with N the first value,
// f = b * (32.125 / a) / 95.
float a_icon_factor(int32_t first, int32_t second);
// The factor element e is drawn with, by its row's rule: 1 for an element
// drawn at its own size, 0 for a scale that cannot be drawn.
float element_factor(const layout& m, int e);

// One step of the Scale buttons on slot k: direction +1 ("+", a larger
// picture) adds the slot's plus step (and its partner's), -1 subtracts it.
// 32-bit values, wrapping.
void step_scale(layout& m, int k, int direction);

// The game keeps a scale in a 16-bit word: 0000 to FFFF.
constexpr int32_t scale_word_max = 0xFFFF;
// step_scale, but only when every value it changes stays within 0000 to
// FFFF; false (and nothing changed) when one would leave it.
bool step_scale_in_word(layout& m, int k, int direction);
