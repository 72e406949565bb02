// tables.cpp - the constant tables of the layout model: home corners, names,
// scale and colour homes, and the game's RAM offsets of every value.
#include "model/layout.h"

// clang-format off
const int16_t element_homes[element_count][2] = {
    // x    y
    {186,   9}, //  0 A Button
    {160,  17}, //  1 B Button
    {254,  16}, //  2 C-Up Button
    {249,  34}, //  3 C-Down Button
    {227,  18}, //  4 C-Left Button
    {271,  18}, //  5 C-Right Button
    { 26, 206}, //  6 Rupee Icon
    { 42, 206}, //  7 Rupee Number
    {  0,   0}, //  8 Hearts
    {216, 150}, //  9 Map
    { 18,  42}, // 10 Magic Meter
    {186,   9}, // 11 A Button Icon
    {160,  17}, // 12 B Button Icon
    {247,  20}, // 13 C-Up Icon
    {249,  34}, // 14 C-Down Icon
    {227,  18}, // 15 C-Left Icon
    {271,  18}, // 16 C-Right Icon
    {162,  35}, // 17 B Button Number
    {250,  51}, // 18 C-Down Number
    {227,  35}, // 19 C-Left Number
    {272,  35}, // 20 C-Right Number
};

// Each name is exactly 15 characters, centred with spaces.
const char* const element_name_table[element_count + 1] = {
    "    A Button   ",
    "    B Button   ",
    "  C-Up Button  ",
    " C-Down Button ",
    " C-Left Button ",
    " C-Right Button",
    "   Rupee Icon  ",
    "  Rupee Number ",
    "     Hearts    ",
    "      Map      ",
    "  Magic Meter  ",
    " A Button Icon ",
    " B Button Icon ",
    "   C-Up Icon   ",
    "  C-Down Icon  ",
    "  C-Left Icon  ",
    " C-Right Icon  ",
    "B Button Number",
    " C-Down Number ",
    " C-Left Number ",
    " C-Right Number",
    "",
};

const int32_t scale_homes[scale_count] = {
    65156, //  0 A Button (FE84; a larger value draws larger)
    575,   //  1 B Button
    876,   //  2 C-Up Button
    620,   //  3 C-Down Button
    620,   //  4 C-Left Button
    620,   //  5 C-Right Button
    48,    //  6 A Button Icon, first value
    550,   //  7 B Button Icon
    680,   //  8 C-Up Icon
    680,   //  9 C-Down Icon
    680,   // 10 C-Left Icon
    680,   // 11 C-Right Icon
    16,    // 12 A Button Icon, second value
};

const uint8_t color_homes[color_count][3] = {
    // r    g    b
    { 90,  90, 255}, // 0 A Button
    {  0, 150,   0}, // 1 B Button
    {255, 160,   0}, // 2 C buttons (all four)
    {200, 255, 100}, // 3 Rupee Icon
    {255, 255, 255}, // 4 Rupee Number
    {255, 255, 255}, // 5 Hearts
    {  0, 255, 255}, // 6 Map
    {  0, 200,   0}, // 7 Magic Meter
};

const int32_t code_offset_table[offset_count] = {
    // A: positions of elements 0-10 (x, y)
    0x2114C6, 0x2114C4, //  0 A Button
    0x211230, 0x211238, //  1 B Button
    0x211220, 0x211222, //  2 C-Up Button
    0x211234, 0x21123C, //  3 C-Down Button
    0x211232, 0x21123A, //  4 C-Left Button
    0x211236, 0x21123E, //  5 C-Right Button
    0x08AB55, 0x08AB52, //  6 Rupee Icon
    0x08ADDB, 0x08AFC6, //  7 Rupee Number
    0,        0,        //  8 Hearts
    0x2117DE, 0x2117E0, //  9 Map
    0x211506, 0x211508, // 10 Magic Meter
    // B: scale slots 0-5
    0x2114C8, 0x211240, 0, 0x211244, 0x211242, 0x211246,
    // C: positions of elements 6-20 (x, y)
    0x0BF3D2, 0x0BF3D6, //  6 Rupee Icon
    0x0BF66A, 0x0BF86A, //  7 Rupee Number
    0,        0,        //  8 Hearts
    0x2117DE, 0x2117E0, //  9 Map
    0x211506, 0x211508, // 10 Magic Meter
    0x2114CC, 0x2114CA, // 11 A Button Icon
    0x211248, 0x211250, // 12 B Button Icon
    0x210F54, 0x210F56, // 13 C-Up Icon
    0x21124C, 0x211254, // 14 C-Down Icon
    0x21124A, 0x211252, // 15 C-Left Icon
    0x21124E, 0x211256, // 16 C-Right Icon
    0x2119A4, 0x2119AC, // 17 B Button Number
    0x2119A8, 0x2119B0, // 18 C-Down Number
    0x2119A6, 0x2119AE, // 19 C-Left Number
    0x2119AA, 0x2119B2, // 20 C-Right Number
    // D: scale slots 6-11
    0x2114CE, 0x211258, 0, 0x21125A, 0x21125C, 0x21125E,
    // E: colour bytes r, g, b
    0x2114D0, 0x2114D2, 0x2114D4, // slot 0
    0x2111FA, 0x2111FC, 0x2111FE, // slot 1
    0x2111F2, 0x2111F4, 0x2111F6, // slot 2
    0x211948, 0x21194A, 0x21194C, // slot 6
    0x08AAFA, 0x08AAFB, 0x08AB0E, // slot 3
    0x2111A4, 0x2111A6, 0x2111A8, // slot 7
    // outside every section
    0,
};

// The colour slot whose r, g, b lie at each triple of section E.
static const int section_e_slots[6] = {0, 1, 2, 6, 3, 7};
// clang-format on

color_channel color_channel_of(int offset_index) {
    int k = offset_index - section_e;
    return {section_e_slots[k / 3], k % 3};
}
