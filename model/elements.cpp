// elements.cpp - the element table and the orders derived from its groups.
#include "model/elements.h"

// clang-format off
const element_row element_table[element_count] = {
// name               home x, y  group         picture           overlay              alpha  scale   rule           colour  tint          inset  first (A)             second (C)
{"    A Button   ",   186,   9, group_button, pic_button,       pic_button_overlay,  true,   0,      rule_inverted, 0,      tint_picture, 7,     {0x2114C6, 0x2114C4}, {0, 0}},
{"    B Button   ",   160,  17, group_button, pic_button,       pic_button_overlay,  true,   1,      rule_divisor,  1,      tint_picture, 0,     {0x211230, 0x211238}, {0, 0}},
{"  C-Up Button  ",   254,  16, group_button, pic_button,       pic_button_overlay,  true,   2,      rule_divisor,  2,      tint_picture, 0,     {0x211220, 0x211222}, {0, 0}},
{" C-Down Button ",   249,  34, group_button, pic_button,       pic_button_overlay,  true,   3,      rule_divisor,  2,      tint_picture, 0,     {0x211234, 0x21123C}, {0, 0}},
{" C-Left Button ",   227,  18, group_button, pic_button,       pic_button_overlay,  true,   4,      rule_divisor,  2,      tint_picture, 0,     {0x211232, 0x21123A}, {0, 0}},
{" C-Right Button",   271,  18, group_button, pic_button,       pic_button_overlay,  true,   5,      rule_divisor,  2,      tint_picture, 0,     {0x211236, 0x21123E}, {0, 0}},
{"   Rupee Icon  ",    26, 206, group_status, pic_rupee,        pic_rupee_overlay,   true,   no_slot, rule_own_size, 3,     tint_picture, 0,     {0x08AB55, 0x08AB52}, {0x0BF3D2, 0x0BF3D6}},
{"  Rupee Number ",    42, 206, group_status, pic_999,          pic_none,            true,   no_slot, rule_own_size, 4,     tint_none,    0,     {0x08ADDB, 0x08AFC6}, {0x0BF66A, 0x0BF86A}},
{"     Hearts    ",     0,   0, group_status, pic_hearts,       pic_hearts_overlay,  true,   no_slot, rule_own_size, 5,     tint_picture, 0,     {0, 0},               {0, 0}},
{"      Map      ",   216, 150, group_status, pic_map,          pic_map_overlay,     true,   no_slot, rule_own_size, 6,     tint_picture, 0,     {0x2117DE, 0x2117E0}, {0x2117DE, 0x2117E0}},
{"  Magic Meter  ",    18,  42, group_status, pic_magic_border, pic_none,            true,   no_slot, rule_own_size, 7,     tint_bar,     0,     {0x211506, 0x211508}, {0x211506, 0x211508}},
{" A Button Icon ",   186,   9, group_icon,   pic_action,       pic_none,            true,   6,      rule_pair,     no_slot, tint_none,   0,     {0, 0},               {0x2114CC, 0x2114CA}},
{" B Button Icon ",   160,  17, group_icon,   pic_bow,          pic_none,            true,   7,      rule_divisor,  no_slot, tint_none,   0,     {0, 0},               {0x211248, 0x211250}},
{"   C-Up Icon   ",   247,  20, group_icon,   pic_navi,         pic_none,            true,   8,      rule_own_size, no_slot, tint_none,   0,     {0, 0},               {0x210F54, 0x210F56}},
{"  C-Down Icon  ",   249,  34, group_icon,   pic_bow,          pic_none,            true,   9,      rule_divisor,  no_slot, tint_none,   0,     {0, 0},               {0x21124C, 0x211254}},
{"  C-Left Icon  ",   227,  18, group_icon,   pic_bow,          pic_none,            true,   10,     rule_divisor,  no_slot, tint_none,   0,     {0, 0},               {0x21124A, 0x211252}},
{" C-Right Icon  ",   271,  18, group_icon,   pic_bow,          pic_none,            true,   11,     rule_divisor,  no_slot, tint_none,   0,     {0, 0},               {0x21124E, 0x211256}},
{"B Button Number",   162,  35, group_number, pic_99,           pic_none,            false,  no_slot, rule_own_size, no_slot, tint_none,  0,     {0, 0},               {0x2119A4, 0x2119AC}},
{" C-Down Number ",   250,  51, group_number, pic_99,           pic_none,            false,  no_slot, rule_own_size, no_slot, tint_none,  0,     {0, 0},               {0x2119A8, 0x2119B0}},
{" C-Left Number ",   227,  35, group_number, pic_99,           pic_none,            false,  no_slot, rule_own_size, no_slot, tint_none,  0,     {0, 0},               {0x2119A6, 0x2119AE}},
{" C-Right Number",   272,  35, group_number, pic_99,           pic_none,            false,  no_slot, rule_own_size, no_slot, tint_none,  0,     {0, 0},               {0x2119AA, 0x2119B2}},
};
// clang-format on

namespace {

constexpr element_group drawing_groups[group_count] = {group_button, group_icon, group_number, group_status};
constexpr element_group picking_groups[group_count] = {group_number, group_icon, group_button, group_status};

element_order by_groups(const element_group (&groups)[group_count]) {
    element_order order{};
    int n = 0;
    for (element_group g : groups)
        for (int e = 0; e < element_count; e++)
            if (element_table[e].group == g) order[n++] = static_cast<element_id>(e);
    return order;
}

} // namespace

const element_order draw_order = by_groups(drawing_groups);
const element_order pick_order = by_groups(picking_groups);

bool in_first_section(element_id e) {
    element_group g = element_table[e].group;
    return g == group_button || g == group_status;
}

bool in_second_section(element_id e) {
    return element_table[e].group != group_button;
}

int scale_slot_of(int element) {
    return element >= 0 && element < element_count ? element_table[element].scale_slot : no_slot;
}

int color_slot_of(int element) {
    return element >= 0 && element < element_count ? element_table[element].color_slot : no_slot;
}
