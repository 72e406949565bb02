// codes.h - every place in the game's memory that a layout value lives at, in
// the fixed order in which code.txt is written and basecode.txt is matched:
//
//   A  x, y of every button and status item
//   B  the scale of every button
//   C  x, y of every status item, icon and number (status items are in A too)
//   D  the scale of every icon
//   E  r, g, b of the colour slots, in their code order
//
// The table is derived from the element and slot tables at compile time, its
// size counted from them: a value the game does not keep (offset 0) has no
// entry; one it reads but does not write (read_only) has one that is read
// from basecode.txt and never written to code.txt.
#pragma once

#include "model/layout.h"

#include <array>
#include <cstdint>

enum code_kind { code_x, code_y, code_scale, code_red, code_green, code_blue };
enum code_section { section_a, section_b, section_c, section_d, section_e };

struct code_entry {
    int32_t offset; // in the game's memory
    bool written;   // code.txt holds it when it changed
    code_kind kind;
    int index; // the element, scale slot or colour slot
    code_section section;
};

namespace code_derivation {

// Calls visit with every entry, in the table's order.
template <class Visit> constexpr void each_code(Visit visit) {
    auto place = [&](game_offset o, code_kind kind, int index, code_section s) {
        if (o.at != 0) visit(code_entry{o.at, o.written, kind, index, s});
    };
    for (const element_row& row : element_table)
        if (in_first_section(row.id)) {
            place(row.first.x, code_x, row.id, section_a);
            place(row.first.y, code_y, row.id, section_a);
        }
    for (const element_row& row : element_table)
        if (row.group == group_button && row.scale_slot != no_scale)
            place(scale_table[row.scale_slot].offset, code_scale, row.scale_slot, section_b);
    for (const element_row& row : element_table)
        if (in_second_section(row.id)) {
            place(row.second.x, code_x, row.id, section_c);
            place(row.second.y, code_y, row.id, section_c);
        }
    for (const element_row& row : element_table)
        if (row.group == group_icon && row.scale_slot != no_scale)
            place(scale_table[row.scale_slot].offset, code_scale, row.scale_slot, section_d);
    for (int n = 0; n < color_count; n++)
        if (const color_id k = color_in_code_order(n); k != no_color)
            for (int ch = 0; ch < 3; ch++)
                place(color_table[k].offsets[ch], code_kind(code_red + ch), k, section_e);
}

constexpr int count_codes() {
    int n = 0;
    each_code([&](const code_entry&) { n++; });
    return n;
}

} // namespace code_derivation

constexpr int code_count = code_derivation::count_codes();

inline constexpr std::array<code_entry, code_count> code_table = [] {
    std::array<code_entry, code_count> t{};
    int n = 0;
    code_derivation::each_code([&](const code_entry& c) { t[n++] = c; });
    return t;
}();

// The value an entry names, as the game holds it (a coordinate as its 16-bit
// pattern, a colour channel as its byte), current or home.
uint32_t code_value(const layout& m, const code_entry& c);
uint32_t code_home(const layout& m, const code_entry& c);
// Sets the value an entry names: the low 16 bits for coordinates and scales,
// the low 8 bits for a colour channel.
void set_code_value(layout& m, const code_entry& c, uint32_t value);
