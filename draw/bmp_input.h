// bmp_input.h - a BMP from the user's disk (bg.bmp) made safe and alike on
// every SDL 1.2: its header checked against the file before SDL decodes it,
// and the decoded picture made opaque. Does not decode: SDL_LoadBMP_RW does.
//
//   if (bmp_fits_its_file(rw)) picture = without_alpha(SDL_LoadBMP_RW(rw, 1));
#pragma once

#include <SDL.h>
#include <cstdint>

// Whether the BMP header at rw's position describes a picture whose pixel data
// the stream holds in full: "BM", a core (12-byte) or larger header, a width
// and height above 0, 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed (plain
// or with bit-field masks: the forms classic SDL 1.2 reads), and every row the
// header claims present between the pixel data's offset and the stream's end.
// A header claiming more (100000 x 100000 pixels in a file of a few bytes) is
// refused before any decoder could allocate for it. rw is left where it was.
bool bmp_fits_its_file(SDL_RWops* rw);

// The width and height (its number of rows, top down or not) that the BMP
// header at rw's position claims, whatever the file holds: false when it is
// no BMP header. rw is left where it was.
bool bmp_claimed_size(SDL_RWops* rw, int64_t* w, int64_t* h);

// The picture with its alpha mask dropped: the same pixels in a surface made
// without one, so that every blit copies them whole. SDL2 (beneath
// sdl12-compat) reads a 32-bit BMP's fourth bytes as alpha unless all are 0;
// classic SDL 1.2 ignores them. p is freed when copied; nullptr comes back as
// it is, or when the copy cannot be made. A picture without alpha is returned.
SDL_Surface* without_alpha(SDL_Surface* p);
