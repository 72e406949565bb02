// image_store.h - the built-in pictures: BMP files kept in a scrambled stored
// form, unpacked to temporary files at start and decoded from there.
//
// Stored form of a file O of n bytes: S[n-1-i] = O[i] + 95 (i even) or
// O[i] + 128 (i odd), modulo 256 - the file back to front, bytes raised.
#pragma once

#include "shell/editor.h"

#include <cstddef>
#include <cstdio>

// Applies the stored-form rule to n bytes of a BMP file (the packer's side).
void store_form(const unsigned char* file, size_t n, unsigned char* stored);

// Reads a stored form from in (any position; in is closed) and returns a new
// temporary stream holding the BMP, positioned after its last byte; nullptr
// when no temporary file could be made.
FILE* neformattedpas(FILE* in);

// Unpacks a stored array to a temporary file wrapped for SDL; {nullptr,
// nullptr} when a temporary file could not be made.
image_stream unpack_image(const unsigned char* stored, size_t n);
// Unpacks and decodes once; the temporary file is removed again.
SDL_Surface* load_image(const unsigned char* stored, size_t n);
// Rewinds the stream and decodes a fresh surface that the caller frees.
SDL_Surface* decode_stream(image_stream& s);
// Blits of the surface then blend by each pixel's top byte.
void enable_pixel_alpha(SDL_Surface* s);
