// art_glyphs.h - the pixel letter designs of the artwork: the panel font's 40
// glyphs and the small digits of the item count. Designs only; the pictures
// that use them draw them. (The title of the count-down picture is drawn
// from strokes in art_scenes.cpp.)
#pragma once

#include "art_canvas.h"

// The cells of both font strips, in strip order.
constexpr char glyph_cells[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+.?";
constexpr int glyph_count    = 40;

// A glyph of the panel font: 5 wide, 9 high (the cap height), one-pixel
// strokes. Bold doubles every stroke to the right, making it 6 wide.
mask panel_glyph(int cell, bool bold);

// Digits 4 wide and 7 high for the item count box.
mask small_digit(int d);
