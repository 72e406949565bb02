// grid.h - a grid shaded into a picture: a line every `spacing` pixels from an
// area's upper left corner, and stronger lines on the area's centre column
// and row. Each pixel of a line is shaded toward black where it is light and
// toward white where it is dark, so that the grid reads on any background
// while the picture shows through it; a pixel where lines cross is shaded
// once, by the stronger line.
//
// A 32-bit surface is shaded by its channels' masks directly; any other
// depth through SDL's own mapping of each pixel.
//
//   shade_grid(screen, preview, 8);   // over the background, under the elements
#pragma once

#include <SDL.h>

// How far a line moves a pixel toward black or white, in 256ths.
constexpr int grid_faint  = 40;
constexpr int grid_strong = 96;

// One channel of c shaded by `amount` 256ths toward black (light) or white.
constexpr Uint8 shade_channel(Uint8 c, bool light, int amount) {
    return static_cast<Uint8>(light ? c - c * amount / 256 : c + (255 - c) * amount / 256);
}
// Whether a colour counts as light: by its weighted brightness.
constexpr bool light_colour(Uint8 r, Uint8 g, Uint8 b) {
    return 2 * r + 5 * g + b >= 128 * 8;
}

// Shades the grid into the part of area that lies within the surface.
void shade_grid(SDL_Surface* surface, const SDL_Rect& area, int spacing);
