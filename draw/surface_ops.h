// surface_ops.h - in-place recolouring and nearest-neighbour scaling of the
// element pictures. Both work on software surfaces' pixel memory directly.
#pragma once

#include <SDL.h>

// Each byte of each 32-bit pixel becomes (-byte * factor) mod 256, with the
// factors b, g, r, a for bytes 0 to 3: 255 becomes the factor, 0 stays 0.
void recolor(SDL_Surface* surface, int r, int g, int b, int a);

// The largest scaled picture the editor draws, in either direction.
constexpr int zoom_limit = 4096;

// A new surface, w*aspect*factor by h*factor (truncated), sampled nearest
// neighbour from source (1 to 4 bytes per pixel). Returns nullptr, making
// nothing, when a size would be zero, above zoom_limit or not a number. The
// caller frees the result; source is kept.
SDL_Surface* zoom_surface(SDL_Surface* source, float aspect, float factor);
