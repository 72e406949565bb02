// text.h - draws a line of text with one of the two built-in bitmap fonts.
//
// A font is one strip of 7x16 glyph cells: "0"-"9", "A"-"Z", "-", "+", ".",
// "?". Lower case draws the upper-case glyph, a space draws nothing, any other
// character draws the glyph drawn last. Every character advances 7 pixels.
#pragma once

#include <SDL.h>

extern SDL_Surface* font[2]; // 0: dark digits for the white fields; 1: light text
extern SDL_Rect fontbox;     // the glyph cell being drawn

// Draws at most 255 characters of text with its first cell's corner at dest.
void drawtext(SDL_Rect dest, const char* text, SDL_Surface* surface, Uint8 font_index);
