// slots.h - the 13 scale slots and 8 colour slots: their game values (homes),
// where the game keeps them, and how the Scale buttons step them.
//
// Elements name their slots in elements.h; several elements may share one
// (the four C buttons share colour slot 2). Nothing here draws.
#pragma once

#include <array>
#include <cstdint>

constexpr int scale_count = 13;
constexpr int color_count = 8;

struct scale_row {
    int32_t home;   // the game's own scale word
    int32_t offset; // where the game keeps it; 0: nowhere
    int32_t plus;   // what "+" adds (a larger picture); "-" subtracts it
    int partner;    // a slot that moves with this one (no partner: -1)
    int32_t partner_plus;
};

struct color_row {
    uint8_t r, g, b;    // the game's own colour
    int32_t offsets[3]; // where the game keeps r, g and b; 0: nowhere
};

extern const scale_row scale_table[scale_count];
extern const color_row color_table[color_count];

// The colour slots in the order their codes are written and read.
extern const std::array<int, 6> color_code_order;
