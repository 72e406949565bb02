// text.h - draws a line of text with a bitmap font strip.
//
// A font is one strip of 7x16 glyph cells: "0"-"9", "A"-"Z", "-", "+", ".",
// "?". Lower case draws the upper-case glyph, a space draws nothing, any other
// character draws the glyph drawn last. Every character advances 7 pixels.
// It does not wrap, measure or clip text itself: each glyph's blit clips.
#pragma once

#include <SDL.h>

constexpr int glyph_width  = 7;
constexpr int glyph_height = 16;

// Draws at most 255 characters of text in font with its first cell's corner
// at dest. Does nothing when font, text or surface is missing.
void draw_text(SDL_Rect dest, const char* text, SDL_Surface* surface, SDL_Surface* font);
