// slots.cpp - the scale and colour slot tables.
#include "model/slots.h"

// clang-format off
const scale_row scale_table[scale_count] = {
//   home    offset    "+"  partner "+"          serves
    {65156, 0x2114C8,  1,  -1,     0}, //  0 A Button (FE84; a larger value draws larger)
    {  575, 0x211240, -1,  -1,     0}, //  1 B Button
    {  876,        0, -1,  -1,     0}, //  2 C-Up Button
    {  620, 0x211244, -1,  -1,     0}, //  3 C-Down Button
    {  620, 0x211242, -1,  -1,     0}, //  4 C-Left Button
    {  620, 0x211246, -1,  -1,     0}, //  5 C-Right Button
    {   48, 0x2114CE,  3,  12,     1}, //  6 A Button Icon, first value; slot 12 keeps the ratio 3 : 1
    {  550, 0x211258, -1,  -1,     0}, //  7 B Button Icon
    {  680,        0, -1,  -1,     0}, //  8 C-Up Icon
    {  680, 0x21125A, -1,  -1,     0}, //  9 C-Down Icon
    {  680, 0x21125C, -1,  -1,     0}, // 10 C-Left Icon
    {  680, 0x21125E, -1,  -1,     0}, // 11 C-Right Icon
    {   16,        0, -1,  -1,     0}, // 12 A Button Icon, second value
};

const color_row color_table[color_count] = {
//    r    g    b     r offset  g offset  b offset       serves
    { 90,  90, 255, {0x2114D0, 0x2114D2, 0x2114D4}}, // 0 A Button
    {  0, 150,   0, {0x2111FA, 0x2111FC, 0x2111FE}}, // 1 B Button
    {255, 160,   0, {0x2111F2, 0x2111F4, 0x2111F6}}, // 2 the four C buttons
    {200, 255, 100, {0x08AAFA, 0x08AAFB, 0x08AB0E}}, // 3 Rupee Icon
    {255, 255, 255, {0,        0,        0}},        // 4 Rupee Number (not drawn)
    {255, 255, 255, {0,        0,        0}},        // 5 Hearts
    {  0, 255, 255, {0x211948, 0x21194A, 0x21194C}}, // 6 Map
    {  0, 200,   0, {0x2111A4, 0x2111A6, 0x2111A8}}, // 7 Magic Meter (the fill of its bar)
};
// clang-format on

const std::array<int, 6> color_code_order = {0, 1, 2, 6, 3, 7};
