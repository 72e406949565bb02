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
#include "model/slots.h"
#include "model/table_check.h"

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

// A place in the game's memory (0: none). One the game reads but never
// writes from this table's value is read_only: basecode.txt may set it,
// code.txt never holds it (the game keeps the value at another offset too).
struct game_offset {
    int32_t at   = 0;
    bool written = true;
    constexpr game_offset(int32_t offset = 0, bool writes = true) : at(offset), written(writes) {}
};
constexpr game_offset read_only(int32_t at) {
    return {at, false};
}

// Where the game keeps an element's x and y.
struct offset_pair {
    game_offset x, y;
};

struct element_row {
    element_id id;
    const char* name;      // exactly 15 characters, centred with spaces
    Sint16 home_x, home_y; // the game's own corner
    element_group group;
    picture_id picture;  // drawn at the corner
    picture_id overlay;  // drawn over it at the same corner, scaled like it (pic_none: nothing)
    bool alpha;          // decoded with its alpha channel (every picture but the numbers')
    scale_id scale_slot; // the slot the scale field and buttons edit (no_scale: none)
    scale_rule rule;
    color_id color_slot; // the slot the colour bar and field edit (no_color: none)
    tint_kind tint;
    Sint16 inset;       // drawn this far right of and below its corner
    offset_pair first;  // positions of buttons and status items (section A)
    offset_pair second; // positions of status items, icons and numbers (section C)
};

// clang-format off
inline constexpr element_row element_table[] = {
// element             name               home x, y  group         picture           overlay              alpha  scale                    rule           colour            tint          inset  first (A)                        second (C)
{el_a_button,        "    A Button   ",   186,   9, group_button, pic_button,       pic_button_overlay,  true,  sc_a_button,             rule_inverted, col_a_button,     tint_picture, 7,     {0x2114C6, 0x2114C4},            {}},
{el_b_button,        "    B Button   ",   160,  17, group_button, pic_button,       pic_button_overlay,  true,  sc_b_button,             rule_divisor,  col_b_button,     tint_picture, 0,     {0x211230, 0x211238},            {}},
{el_c_up_button,     "  C-Up Button  ",   254,  16, group_button, pic_button,       pic_button_overlay,  true,  sc_c_up_button,          rule_divisor,  col_c_buttons,    tint_picture, 0,     {0x211220, 0x211222},            {}},
{el_c_down_button,   " C-Down Button ",   249,  34, group_button, pic_button,       pic_button_overlay,  true,  sc_c_down_button,        rule_divisor,  col_c_buttons,    tint_picture, 0,     {0x211234, 0x21123C},            {}},
{el_c_left_button,   " C-Left Button ",   227,  18, group_button, pic_button,       pic_button_overlay,  true,  sc_c_left_button,        rule_divisor,  col_c_buttons,    tint_picture, 0,     {0x211232, 0x21123A},            {}},
{el_c_right_button,  " C-Right Button",   271,  18, group_button, pic_button,       pic_button_overlay,  true,  sc_c_right_button,       rule_divisor,  col_c_buttons,    tint_picture, 0,     {0x211236, 0x21123E},            {}},
{el_rupee_icon,      "   Rupee Icon  ",    26, 206, group_status, pic_rupee,        pic_rupee_overlay,   true,  no_scale,                rule_own_size, col_rupee_icon,   tint_picture, 0,     {read_only(0x08AB55), 0x08AB52}, {0x0BF3D2, 0x0BF3D6}},
{el_rupee_number,    "  Rupee Number ",    42, 206, group_status, pic_999,          pic_none,            true,  no_scale,                rule_own_size, col_rupee_number, tint_none,    0,     {read_only(0x08ADDB), 0x08AFC6}, {0x0BF66A, 0x0BF86A}},
{el_hearts,          "     Hearts    ",     0,   0, group_status, pic_hearts,       pic_hearts_overlay,  true,  no_scale,                rule_own_size, col_hearts,       tint_picture, 0,     {},                              {}},
{el_map,             "      Map      ",   216, 150, group_status, pic_map,          pic_map_overlay,     true,  no_scale,                rule_own_size, col_map,          tint_picture, 0,     {0x2117DE, 0x2117E0},            {0x2117DE, 0x2117E0}},
{el_magic_meter,     "  Magic Meter  ",    18,  42, group_status, pic_magic_border, pic_none,            true,  no_scale,                rule_own_size, col_magic_meter,  tint_bar,     0,     {0x211506, 0x211508},            {0x211506, 0x211508}},
{el_a_button_icon,   " A Button Icon ",   186,   9, group_icon,   pic_action,       pic_none,            true,  sc_a_button_icon,        rule_pair,     no_color,         tint_none,    0,     {},                              {0x2114CC, 0x2114CA}},
{el_b_button_icon,   " B Button Icon ",   160,  17, group_icon,   pic_bow,          pic_none,            true,  sc_b_button_icon,        rule_divisor,  no_color,         tint_none,    0,     {},                              {0x211248, 0x211250}},
{el_c_up_icon,       "   C-Up Icon   ",   247,  20, group_icon,   pic_navi,         pic_none,            true,  sc_c_up_icon,            rule_own_size, no_color,         tint_none,    0,     {},                              {0x210F54, 0x210F56}},
{el_c_down_icon,     "  C-Down Icon  ",   249,  34, group_icon,   pic_bow,          pic_none,            true,  sc_c_down_icon,          rule_divisor,  no_color,         tint_none,    0,     {},                              {0x21124C, 0x211254}},
{el_c_left_icon,     "  C-Left Icon  ",   227,  18, group_icon,   pic_bow,          pic_none,            true,  sc_c_left_icon,          rule_divisor,  no_color,         tint_none,    0,     {},                              {0x21124A, 0x211252}},
{el_c_right_icon,    " C-Right Icon  ",   271,  18, group_icon,   pic_bow,          pic_none,            true,  sc_c_right_icon,         rule_divisor,  no_color,         tint_none,    0,     {},                              {0x21124E, 0x211256}},
{el_b_button_number, "B Button Number",   162,  35, group_number, pic_99,           pic_none,            false, no_scale,                rule_own_size, no_color,         tint_none,    0,     {},                              {0x2119A4, 0x2119AC}},
{el_c_down_number,   " C-Down Number ",   250,  51, group_number, pic_99,           pic_none,            false, no_scale,                rule_own_size, no_color,         tint_none,    0,     {},                              {0x2119A8, 0x2119B0}},
{el_c_left_number,   " C-Left Number ",   227,  35, group_number, pic_99,           pic_none,            false, no_scale,                rule_own_size, no_color,         tint_none,    0,     {},                              {0x2119A6, 0x2119AE}},
{el_c_right_number,  " C-Right Number",   272,  35, group_number, pic_99,           pic_none,            false, no_scale,                rule_own_size, no_color,         tint_none,    0,     {},                              {0x2119AA, 0x2119B2}},
};
// clang-format on
static_assert(one_row_each(element_table, element_count, &element_row::id),
              "one row for every element_id, in its order");

// The Magic Meter's bar: at this place from its corner, under its frame picture.
constexpr SDL_Rect meter_bar = {7, 3, 100, 8};

// Groups in drawing order (buttons, icons, numbers, status items) and in
// picking order (numbers before icons before buttons, so a number or icon on
// its button is picked first); within a group, table order.
using element_order = std::array<element_id, element_count>;
extern const element_order draw_order;
extern const element_order pick_order;

// Whether an element's position has a section A or section C pair.
constexpr bool in_first_section(element_id e) {
    return element_table[e].group == group_button || element_table[e].group == group_status;
}
constexpr bool in_second_section(element_id e) {
    return element_table[e].group != group_button;
}

// The slot an element edits, or none (also for an index outside the table).
scale_id scale_slot_of(int element);
color_id color_slot_of(int element);
