// layout.h - the HUD layout model: 21 elements, 13 scale slots, 8 colour slots
// and the game's RAM offsets of every editable value.
//
// Every editable value is a pair, current and home. Homes are the game's own
// values, set once at start and never written again; a value counts as changed
// when it differs from its home. This file holds no drawing and no file I/O.
#pragma once

#include <SDL.h>
#include <cstdint>

constexpr int element_count = 21;
constexpr int scale_count   = 13;
constexpr int color_count   = 8;
constexpr int offset_count  = 83;
constexpr int no_slot       = -1;

struct hud_element {
    SDL_Rect pos;  // current corner; w and h are written back by the blit
    SDL_Rect home; // built-in corner (x, y only)
};

struct element_size {
    int32_t w, h; // size of the element as last drawn
};

struct scale_slot {
    int32_t value, home;
};

struct color_slot {
    SDL_Color value, home;
};

struct layout {
    hud_element elements[element_count];
    element_size element_sizes[element_count];
    scale_slot scales[scale_count];
    color_slot colors[color_count];
    int32_t code_offsets[offset_count];
    const char* element_names[element_count + 1];
    int32_t selected;
};

// ---- constant tables ------------------------------------------------------

extern const int16_t element_homes[element_count][2]; // x, y
extern const char* const element_name_table[element_count + 1];
extern const int32_t scale_homes[scale_count];
extern const uint8_t color_homes[color_count][3]; // r, g, b
extern const int32_t code_offset_table[offset_count];

// Sections of code_offsets (first index of each, and one past the last).
constexpr int section_a   = 0;  // positions of elements 0-10
constexpr int section_b   = 22; // scale slots 0-5
constexpr int section_c   = 28; // positions of elements 6-20
constexpr int section_d   = 58; // scale slots 6-11
constexpr int section_e   = 64; // colour bytes
constexpr int section_end = 82;

// Colour slot and channel (0 r, 1 g, 2 b) named by a section E index.
struct color_channel {
    int slot, channel;
};
color_channel color_channel_of(int offset_index);

// ---- start values (called once by the run sequence) -----------------------

void start_scales(layout& m);   // homes, then values := homes
void start_tables(layout& m);   // code_offsets and element_names
void start_elements(layout& m); // home corners, then pos := home
void start_colors(layout& m);   // homes, then values := homes
void start_layout(layout& m);   // all of the above and the sizes at zero

// ---- slot maps --------------------------------------------------------------

// The scale slot an element has of its own (0-5 buttons, 6-11 icons), or no_slot.
int scale_slot_of(int element);
// The colour slot an element has of its own (elements 0-10), or no_slot.
int color_slot_of(int element);

// ---- 16-bit coordinates -----------------------------------------------------

// A coordinate is a signed 16-bit value; arithmetic on it wraps.
inline Sint16 wrap16(int64_t v) {
    return static_cast<Sint16>(static_cast<uint16_t>(static_cast<uint64_t>(v)));
}
// 32-bit two's-complement add without undefined behaviour.
inline int32_t wrap_add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
