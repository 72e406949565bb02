// elements.h - the 21 HUD elements: one row each, holding everything that is
// particular to an element - its name, home corner, pictures, slots, game
// offsets and how it is drawn.
//
// Code loops over element_table (and over draw_order and pick_order, which
// are derived from the groups); no element is named by a bare number outside
// this table. Adding an element means one row here, its pictures, and its
// scale or colour slot in slots.h if it has new ones. Nothing here draws or
// reads files.
#pragma once

#include "model/picture_names.h"

#include <SDL.h>
#include <array>
#include <cstdint>

enum element_id {
    el_a_button,
    el_b_button,
    el_c_up_button,
    el_c_down_button,
    el_c_left_button,
    el_c_right_button,
    el_rupee_icon,
    el_rupee_number,
    el_hearts,
    el_map,
    el_magic_meter,
    el_a_button_icon,
    el_b_button_icon,
    el_c_up_icon,
    el_c_down_icon,
    el_c_left_icon,
    el_c_right_icon,
    el_b_button_number,
    el_c_down_number,
    el_c_left_number,
    el_c_right_number,
    element_count
};

// The four groups the editor treats alike: they set the drawing order, the
// picking order and which code sections hold an element's position.
enum element_group { group_button, group_status, group_icon, group_number, group_count };

// How an element's scale slot becomes the factor it is drawn with (scale_rules.h).
enum scale_rule {
    rule_own_size, // drawn at its picture's size, whatever its slot holds
    rule_divisor,  // 527 / value: a larger value draws smaller
    rule_inverted, // the A Button: divisor d + d/2 with d = FFFF - value
    rule_pair,     // the A Button Icon: its slot and the partner slot together
};

// What the element's colour slot colours.
enum tint_kind {
    tint_none,    // kept but not drawn (the Rupee Number) or no colour at all
    tint_picture, // the picture is recoloured
    tint_bar,     // a bar under the picture is filled with it (the Magic Meter)
};

constexpr int no_slot = -1;

// Where the game keeps an element's x and y; 0 for a value it does not keep.
struct offset_pair {
    int32_t x, y;
};

struct element_row {
    const char* name;      // exactly 15 characters, centred with spaces
    Sint16 home_x, home_y; // the game's own corner
    element_group group;
    picture_id picture; // drawn at the corner
    picture_id overlay; // drawn over it at the same corner, scaled like it (pic_none: nothing)
    bool alpha;         // decoded with its alpha channel (every picture but the numbers')
    int scale_slot;     // the slot the scale field and buttons edit (no_slot: none)
    scale_rule rule;
    int color_slot; // the slot the colour bar and field edit (no_slot: none)
    tint_kind tint;
    Sint16 inset;       // drawn this far right of and below its corner
    offset_pair first;  // positions of buttons and status items (section A)
    offset_pair second; // positions of status items, icons and numbers (section C)
};

extern const element_row element_table[element_count];

// The Magic Meter's bar: at this place from its corner, under its frame picture.
constexpr SDL_Rect meter_bar = {7, 3, 100, 8};

// Groups in drawing order (buttons, icons, numbers, status items) and in
// picking order (numbers before icons before buttons, so a number or icon on
// its button is picked first); within a group, table order.
using element_order = std::array<element_id, element_count>;
extern const element_order draw_order;
extern const element_order pick_order;

// Whether an element's position has a section A or section C pair.
bool in_first_section(element_id e);
bool in_second_section(element_id e);

// The slot an element edits, or no_slot (also for an index outside the table).
int scale_slot_of(int element);
int color_slot_of(int element);
