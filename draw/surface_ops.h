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

// The size zoom_surface(source, aspect, factor) makes, without making it;
// false (w and h untouched) when it would make nothing. The second form takes
// the source's width and height.
bool zoom_size(const SDL_Surface* source, float aspect, float factor, int* w, int* h);
bool zoom_size(int source_w, int source_h, float aspect, float factor, int* w, int* h);
// The part (x, y, w, h) of what zoom_surface(source, aspect, factor) makes,
// as a surface of its own of the part's size: the same pixels, format and
// flags, without scaling the rest. nullptr when zoom_surface would make
// nothing or the part does not lie within its size.
SDL_Surface* zoom_part(SDL_Surface* source, float aspect, float factor, SDL_Rect part);

// A part of a picture in plain ints: while it is clipped it may be empty.
struct blit_area {
    int x, y, w, h;
};
// SDL_UpperBlit's clipping of classic SDL 1.2: part of a w x h picture, its
// corner drawn at `at`, against the clip rectangle. part becomes the part of
// the picture that is drawn and at's corner where it lands (at's w and h are
// not touched). False when nothing is drawn.
bool clip_blit(blit_area& part, int w, int h, SDL_Rect& at, const SDL_Rect& clip);

// SDL_UpperBlit(picture, part, target, at) of classic SDL 1.2 - the same
// clipping, the same pixels, the same result and the same rectangle written
// back into at - on every SDL 1.2: a blit clipped away wholly also moves at's
// corner to the clip rectangle's edge, which SDL2 beneath sdl12-compat leaves
// where it was. A picture in the target's own pixel format without colour key
// or alpha blending has its rows copied with memcpy: SDL's own copy writes
// the rows with non-temporal stores, past the cache and byte by byte at their
// ends, so that small copies crawl and every later blend reads the screen back
// from memory. Any other picture goes to SDL_LowerBlit after the clipping.
int blit_copy(SDL_Surface* picture, SDL_Rect* part, SDL_Surface* target, SDL_Rect* at);
// blit_copy of all of picture with its corner at (x, y), leaving no rectangle.
void blit_opaque(SDL_Surface* picture, SDL_Surface* target, Sint16 x, Sint16 y);

// The same pixels in a new surface of picture's depth and colour masks with
// the alpha mask amask (0: none). Made anew because sdl12-compat blits an
// SDL2 surface of its own that never sees a mask changed afterwards. picture
// is freed; nullptr when the copy cannot be made.
SDL_Surface* with_alpha_mask(SDL_Surface* picture, Uint32 amask);
