// art_glyphs.h - the pixel letter designs of the artwork: the panel font's 40
// glyphs, the title letters of the count-down picture and the small digits of
// the number pictures. Designs only; art_panel.cpp and the others draw them.
#pragma once

#include "art_canvas.h"

// The cells of both font strips, in strip order.
constexpr char glyph_cells[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+.?";
constexpr int glyph_count    = 40;

// A glyph of the panel font: 5 wide, 9 high (the cap height), one-pixel
// strokes. Bold doubles every stroke to the right, making it 6 wide.
mask panel_glyph(int cell, bool bold);

// A letter of the title "Hudwright" (upper or lower case as needed): one-pixel
// strokes, 11 rows with the baseline under row 8 (rows 9 and 10 hold the
// descender of "g"); width as designed.
mask title_glyph(char c);

// Digits 4 wide and 7 high for the item count box.
mask small_digit(int d);
