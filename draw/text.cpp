// text.cpp - draw_text: one line of text in a 7x16 bitmap font strip.
//
// Glyphs are copied opaquely (the fonts have no colour key). It does not wrap,
// measure or clip text itself; the blit (blit_copy, SDL_UpperBlit's clipping)
// clips each glyph to the surface.
#include "draw/text.h"

#include "draw/surface_ops.h"

namespace {

constexpr int cell_width  = glyph_width;
constexpr int cell_height = glyph_height;
constexpr int max_chars   = 255;

// Points fontbox at the glyph of c. A space empties the box; any other
// character not in the strip keeps the glyph chosen last.
void select_cell(SDL_Rect& fontbox, signed char c) {
    if (c >= '0' && c <= '9')
        fontbox.x = static_cast<Sint16>(cell_width * (c - '0'));
    else if (c >= 'A' && c <= 'Z')
        fontbox.x = static_cast<Sint16>(cell_width * (c - 'A' + 10));
    else if (c >= 'a' && c <= 'z')
        fontbox.x = static_cast<Sint16>(cell_width * (c - 'a' + 10));
    else if (c == '-')
        fontbox.x = 252;
    else if (c == '+')
        fontbox.x = 259;
    else if (c == '.')
        fontbox.x = 266;
    else if (c == '?')
        fontbox.x = 273;
    else if (c == ' ')
        fontbox.w = 0;
}

} // namespace

void draw_text(SDL_Rect dest, const char* text, SDL_Surface* surface, SDL_Surface* font) {
    if (font == nullptr || surface == nullptr || text == nullptr) return;
    SDL_Rect fontbox = {0, 0, cell_width, cell_height}; // the glyph cell being drawn
    SDL_Rect at      = dest;
    for (int n = 0; n < max_chars && text[n] != '\0'; n++) {
        select_cell(fontbox, static_cast<signed char>(text[n]));
        // The blit writes its clipped rectangle back; give it a copy so a
        // glyph clipped at the left or top edge does not shift the rest.
        SDL_Rect cell = at;
        if (fontbox.w != 0) blit_copy(font, &fontbox, surface, &cell); // SDL_UpperBlit, quicker
        at.x = static_cast<Sint16>(static_cast<Uint16>(at.x) + static_cast<Uint16>(cell_width));
        if (fontbox.w == 0) fontbox.w = cell_width;
    }
}
