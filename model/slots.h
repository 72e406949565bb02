// slots.h - the 13 scale slots and 8 colour slots: their game values (homes),
// where the game keeps them, and how the Scale buttons step them.
//
// Elements name their slots in elements.h; several elements may share one
// (the four C buttons share col_c_buttons). A slot the game does not keep has
// no offset and is never written to code.txt nor read from basecode.txt.
// Nothing here draws.
#pragma once

#include "model/table_check.h"

#include <cstdint>

enum scale_id {
    no_scale = -1,
    sc_a_button,
    sc_b_button,
    sc_c_up_button,
    sc_c_down_button,
    sc_c_left_button,
    sc_c_right_button,
    sc_a_button_icon,
    sc_b_button_icon,
    sc_c_up_icon,
    sc_c_down_icon,
    sc_c_left_icon,
    sc_c_right_icon,
    sc_a_button_icon_second, // moves with sc_a_button_icon
    scale_count
};

enum color_id {
    no_color = -1,
    col_a_button,
    col_b_button,
    col_c_buttons,
    col_rupee_icon,
    col_rupee_number,
    col_hearts,
    col_map,
    col_magic_meter,
    color_count
};

struct scale_row {
    scale_id id;
    const char* name;
    int32_t home;     // the game's own scale word
    int32_t offset;   // where the game keeps it; 0: nowhere
    int32_t plus;     // what "+" adds (a larger picture); "-" subtracts it
    scale_id partner; // a slot that moves with this one (no_scale: none)
    int32_t partner_plus;
};

struct color_row {
    color_id id;
    const char* name;
    uint8_t r, g, b;    // the game's own colour
    int32_t offsets[3]; // where the game keeps r, g and b; 0: nowhere
    int code_order;     // where its lines stand among the colours' in code.txt (-1: none)
};

// clang-format off
inline constexpr scale_row scale_table[] = {
// slot                      name                             home    offset    "+"  partner                  "+"
{sc_a_button,             "A Button",                     65156, 0x2114C8,  1,  no_scale,                0}, // FE84; a larger value draws larger
{sc_b_button,             "B Button",                       575, 0x211240, -1,  no_scale,                0},
{sc_c_up_button,          "C-Up Button",                    876,        0, -1,  no_scale,                0},
{sc_c_down_button,        "C-Down Button",                  620, 0x211244, -1,  no_scale,                0},
{sc_c_left_button,        "C-Left Button",                  620, 0x211242, -1,  no_scale,                0},
{sc_c_right_button,       "C-Right Button",                 620, 0x211246, -1,  no_scale,                0},
{sc_a_button_icon,        "A Button Icon",                   48, 0x2114CE,  3,  sc_a_button_icon_second, 1}, // the ratio 3 : 1
{sc_b_button_icon,        "B Button Icon",                  550, 0x211258, -1,  no_scale,                0},
{sc_c_up_icon,            "C-Up Icon",                      680,        0, -1,  no_scale,                0},
{sc_c_down_icon,          "C-Down Icon",                    680, 0x21125A, -1,  no_scale,                0},
{sc_c_left_icon,          "C-Left Icon",                    680, 0x21125C, -1,  no_scale,                0},
{sc_c_right_icon,         "C-Right Icon",                   680, 0x21125E, -1,  no_scale,                0},
{sc_a_button_icon_second, "A Button Icon, second value",     16,        0, -1,  no_scale,                0},
};
static_assert(one_row_each(scale_table, scale_count, &scale_row::id), "one row for every scale_id, in its order");

inline constexpr color_row color_table[] = {
// slot               name              r    g    b     r offset  g offset  b offset    code order
{col_a_button,     "A Button",         90,  90, 255, {0x2114D0, 0x2114D2, 0x2114D4},  0},
{col_b_button,     "B Button",          0, 150,   0, {0x2111FA, 0x2111FC, 0x2111FE},  1},
{col_c_buttons,    "C Buttons",       255, 160,   0, {0x2111F2, 0x2111F4, 0x2111F6},  2},
{col_rupee_icon,   "Rupee Icon",      200, 255, 100, {0x08AAFA, 0x08AAFB, 0x08AB0E},  4},
{col_rupee_number, "Rupee Number",    255, 255, 255, {0,        0,        0},        -1}, // not drawn
{col_hearts,       "Hearts",          255, 255, 255, {0,        0,        0},        -1},
{col_map,          "Map",               0, 255, 255, {0x211948, 0x21194A, 0x21194C},  3},
{col_magic_meter,  "Magic Meter",       0, 200,   0, {0x2111A4, 0x2111A6, 0x2111A8},  5}, // the fill of its bar
};
static_assert(one_row_each(color_table, color_count, &color_row::id), "one row for every color_id, in its order");
// clang-format on

// The colour slot whose lines stand at place n among the colours' (no_color: none).
constexpr color_id color_in_code_order(int n) {
    for (const color_row& c : color_table)
        if (c.code_order == n) return c.id;
    return no_color;
}
// Each place is taken once, and a slot the game keeps has one.
constexpr bool code_orders_unique() {
    int taken = 0;
    for (const color_row& c : color_table) {
        if (c.code_order < 0) continue;
        int same = 0;
        for (const color_row& d : color_table) same += d.code_order == c.code_order;
        if (same != 1 || c.code_order >= color_count) return false;
        taken++;
    }
    for (const color_row& c : color_table)
        if ((c.offsets[0] != 0) != (c.code_order >= 0)) return false;
    return taken > 0;
}
static_assert(code_orders_unique(), "each colour kept by the game has its own place in the code order");
