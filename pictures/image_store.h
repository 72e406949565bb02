// image_store.h - the built-in pictures: BMP files kept in a scrambled stored
// form, unpacked to temporary files at start and decoded from there.
//
// Stored form of a file O of n bytes: S[n-1-i] = O[i] + 95 (i even) or
// O[i] + 128 (i odd), modulo 256 - the file back to front, bytes raised.
#pragma once

#include "pictures/store_form.h" // store_form, unstore_form: the rule on bytes

#include <SDL.h>
#include <cstddef>
#include <cstdio>

// A built-in picture unpacked to a temporary file, decoded afresh at will.
struct image_stream {
    FILE* file;
    SDL_RWops* rw; // wraps file; closing it would not close the file
    // The file's bytes, kept in memory as they were written: decodes read
    // them from here, the same picture without a system call. Null for a
    // stream made without them, which then decodes from its file.
    unsigned char* bytes;
    size_t size;
};

// Reads a stored form from in (any position; in is closed) and returns a new
// temporary stream holding the BMP, positioned after its last byte; nullptr
// when the input could not be read or no temporary file could be written.
FILE* neformattedpas(FILE* in);

// Unpacks a stored array to a temporary file wrapped for SDL, keeping a copy
// of the file's bytes for the decodes; all null when a temporary file could
// not be made.
image_stream unpack_image(const unsigned char* stored, size_t n);
// Closes the file (removing it), frees the wrapper and the bytes; the stream
// is all null after. Takes streams with any of them missing.
void close_stream(image_stream& s);
// Unpacks and decodes once; the temporary file is removed again. nullptr
// when unpacking or decoding failed.
SDL_Surface* load_image(const unsigned char* stored, size_t n);
// Decodes a fresh surface that the caller frees, from the kept bytes or,
// without them, from the rewound file (nullptr for a stream never made).
SDL_Surface* decode_stream(image_stream& s);
// The 32-bit picture s with each pixel's top byte as its alpha and source-alpha
// blending on, so that blits blend by that byte. On classic SDL 1.2 that is s
// itself with the alpha mask in its format; on sdl12-compat, which blits by a
// surface of its own made when s was, a new surface with the same pixels made
// with the alpha mask (s is freed; nullptr when it cannot be made). Use the
// result in place of s. A null picture or one of another depth comes back as
// it is.
[[nodiscard]] SDL_Surface* enable_pixel_alpha(SDL_Surface* s);

// The picture in the pixel format of screen, when drawing it that way gives
// the same pixels: an opaque picture (neither colour key nor alpha blending)
// of another format is converted once - by the very conversion each of its
// blits would do - and the original freed, so that its blits become plain
// copies. Any other picture, or a null one, comes back as it is.
SDL_Surface* in_screen_format(SDL_Surface* picture, SDL_Surface* screen);
