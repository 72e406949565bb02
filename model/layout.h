// layout.h - the HUD layout model: the current place of every element, the
// current value of every scale and colour slot, each beside its home (the
// game's own value, from elements.h and slots.h), and the selection.
//
// A value counts as changed when it differs from its home; homes are set at
// start and never written again. This file holds no drawing and no file I/O.
//
//   layout m{};
//   start_layout(m);                 // every value at its home
//   m.elements[el_map].pos.x += 4;   // now the Map's x is changed
#pragma once

#include "model/elements.h"
#include "model/slots.h"

#include <SDL.h>
#include <cstdint>

struct hud_element {
    SDL_Rect pos;  // current corner (x, y); w and h carry nothing
    SDL_Rect home; // the game's corner (x, y)
};

struct element_size {
    int32_t w, h; // the element's size as last drawn (after scaling)
};

struct scale_slot {
    int32_t value, home;
};

struct color_slot {
    SDL_Color value, home; // r, g, b; the fourth byte carries nothing
};

struct layout {
    hud_element elements[element_count];
    element_size element_sizes[element_count]; // written by the editor's update
    scale_slot scales[scale_count];
    color_slot colors[color_count];
    int32_t selected; // the element being edited
};

// ---- start values (the run sequence calls them in its fixed order) ------------

void start_scales(layout& m);   // homes, then values := homes
void start_elements(layout& m); // home corners, then pos := home
void start_colors(layout& m);   // homes, then values := homes
void start_layout(layout& m);   // all three, the sizes at zero, element 0 selected

// ---- back to the game's own values ------------------------------------------------

// Element e's corner, scale slot (with the slot that moves with it) and colour
// slot back at their homes. A slot other elements share - the four C buttons'
// one colour - goes back for all of them. Nothing for an e outside the table.
void reset_element(layout& m, int e);
// Every value back at its home; the selection and the sizes stay.
void reset_values(layout& m);

// ---- 16- and 32-bit arithmetic -----------------------------------------------------

// A coordinate is a signed 16-bit value; arithmetic on it wraps.
inline Sint16 wrap16(int64_t v) {
    return static_cast<Sint16>(static_cast<uint16_t>(static_cast<uint64_t>(v)));
}
// Whether v is a coordinate without wrapping.
inline bool fits16(int64_t v) {
    return v >= -32768 && v <= 32767;
}
// 32-bit two's-complement add without undefined behaviour.
inline int32_t wrap_add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
