// codes.h - every place in the game's memory that a layout value lives at, in
// the fixed order in which code.txt is written and basecode.txt is matched:
//
//   A  x, y of every button and status item
//   B  the scale of every button
//   C  x, y of every status item, icon and number (status items are in A too)
//   D  the scale of every icon
//   E  r, g, b of the colour slots, in color_code_order
//
// The table is derived from the element and slot tables; an entry of offset 0
// stands for a value the game does not keep, which is neither written nor read.
#pragma once

#include "model/layout.h"

#include <array>
#include <cstdint>

enum code_kind { code_x, code_y, code_scale, code_red, code_green, code_blue };
enum code_section { section_a, section_b, section_c, section_d, section_e };

struct code_entry {
    int32_t offset; // in the game's memory; 0: none
    code_kind kind;
    int index; // the element, scale slot or colour slot
    code_section section;
};

// 22 + 6 + 30 + 6 + 18 entries for the game's 21 elements and their slots.
constexpr int code_count = 82;
extern const std::array<code_entry, code_count> code_table;

// The value an entry names, as the game holds it (a coordinate as its 16-bit
// pattern, a colour channel as its byte), current or home.
uint32_t code_value(const layout& m, const code_entry& c);
uint32_t code_home(const layout& m, const code_entry& c);
// Sets the value an entry names: the low 16 bits for coordinates and scales,
// the low 8 bits for a colour channel.
void set_code_value(layout& m, const code_entry& c, uint32_t value);
