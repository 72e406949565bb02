// picture_input.h - a picture from the user's disk (the background) read as
// the kind its name says: a BMP by SDL (its header checked first by
// bmp_input), a PNG by stb_image (draw/stb_image.cpp); a JPEG is known by its
// first bytes but not read (stb_image.cpp says why). The size is read from
// the header and refused above the limits below before anything is decoded;
// what comes back is opaque. Does not choose or open files, and says nothing
// itself: the caller (editor/background) does.
//
// Memory: a BMP takes its surface (and, of 32 bits, a copy without alpha);
// a PNG takes what stb_image holds at once - the file's compressed data, the
// data unpacked, and the picture at its own depth, then converted - counted
// block by block against png_memory_limit; the picture comes back in the
// decoder's own pixels, not copied. Another thread may stop a read: once
// *stop is set, every read from the file and every block of the decoder
// fails, and read_picture returns soon.
//
//   picture_problem why;
//   decoded_picture p = read_picture(rw, picture_png, why);
//   if (p.surface) ... free_picture(p); else tell(why.reason, why.detail);
#pragma once

#include <SDL.h>
#include <atomic>
#include <cstddef>
#include <string>

enum picture_kind { picture_bmp, picture_png, picture_jpeg, picture_unknown };

// The largest picture read, in pixels a side. Larger ones are refused from
// their header: a 16000x16000 BMP would take 1.5 GB decoded.
constexpr int picture_side_limit = 8192;
// The most pixels read: an 8K screenshot's, the largest a user brings (an
// 8000x8000 PNG of one colour, 195 kB, took 380 MiB and seconds to decode).
constexpr int picture_pixels_w = 7680, picture_pixels_h = 4320;
constexpr long long picture_pixel_limit = 1LL * picture_pixels_w * picture_pixels_h;
// The most pixels of a PNG of 16 bits a channel: stb_image unpacks it whole at
// 16 bits and converts it twice, 16 bytes a pixel at its peak for RGBA, so a
// quarter as many - a 4K screenshot's - which takes less than an 8-bit 8K one.
constexpr int deep_png_pixels_w = 3840, deep_png_pixels_h = 2160;
constexpr long long deep_png_pixel_limit = 1LL * deep_png_pixels_w * deep_png_pixels_h;
// The most memory stb_image holds at once for one PNG: the largest picture
// within the limits needs its unpacked data and the picture, each 4 bytes a
// pixel for an 8-bit RGBA 8K one (133 MB), beside its compressed data in a
// block up to as large. A PNG whose data unpacks to more than its header
// calls for fails at this.
constexpr size_t png_memory_limit = size_t(picture_pixel_limit) * 4 * 3;

// Why a picture cannot be used.
struct picture_problem {
    std::string reason; // short, in the start-up font's characters (letters, digits, space, "-", ".")
    std::string detail; // the decoder's own words, or the size claimed ("" when none)
};

// "BMP", "PNG", "JPEG" ("" for picture_unknown).
const char* picture_kind_name(picture_kind kind);

// The kind the first bytes at rw's position show: "BM", PNG's eight-byte
// signature, or JPEG's FF D8 FF. rw is left where it was.
picture_kind picture_kind_of(SDL_RWops* rw);

// The size of the picture at rw's position, of the kind its name says, from
// its header alone: false with why when the bytes are another kind of
// picture, no picture of that kind, a JPEG, larger than picture_side_limit a
// side, of more pixels than picture_pixel_limit, or a PNG of 16 bits a
// channel of more than deep_png_pixel_limit. rw is left where it was.
bool claimed_picture_size(SDL_RWops* rw, picture_kind kind, int* w, int* h, picture_problem& why);

// A decoded picture: its surface, of 1 to 4 bytes a pixel without alpha, and
// the decoder's pixels that it shows (a PNG's; null for a BMP, whose surface
// holds its own). free_picture frees both.
struct decoded_picture {
    SDL_Surface* surface;
    void* pixels;
};
void free_picture(decoded_picture& p);

// The picture decoded, after claimed_picture_size's checks (a PNG's
// transparency and a 32-bit BMP's fourth bytes are not used); no surface,
// with why, when it is refused, does not decode or was stopped (*stop set
// meanwhile: why "stopped").
decoded_picture read_picture(SDL_RWops* rw, picture_kind kind, picture_problem& why,
                             const std::atomic<bool>* stop = nullptr);
