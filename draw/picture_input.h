// picture_input.h - a picture from the user's disk (the background) read as
// the kind its name says: a BMP by SDL (its header checked first by
// bmp_input), a PNG by stb_image (draw/stb_image.cpp); a JPEG is known by its
// first bytes but not read (stb_image.cpp says why). The size is read from
// the header and refused above picture_side_limit before anything is
// decoded; what comes back is opaque. Does not choose or open files, and says
// nothing itself: the caller (editor/background) does.
//
//   picture_problem why;
//   if (SDL_Surface* p = read_picture(rw, picture_png, why)) ... else tell(why.reason, why.detail);
#pragma once

#include <SDL.h>
#include <string>

enum picture_kind { picture_bmp, picture_png, picture_jpeg, picture_unknown };

// The largest picture read, in pixels a side. Larger ones are refused from
// their header: a 16000x16000 BMP would take 1.5 GB decoded.
constexpr int picture_side_limit = 8192;

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
// picture, no picture of that kind, a JPEG, or larger than picture_side_limit
// a side. rw is left where it was.
bool claimed_picture_size(SDL_RWops* rw, picture_kind kind, int* w, int* h, picture_problem& why);

// The picture decoded, after claimed_picture_size's checks: a new surface of
// 1 to 4 bytes a pixel without alpha (a PNG's transparency and a 32-bit BMP's
// fourth bytes are not used), which the caller frees; nullptr with why when
// it is refused or does not decode.
SDL_Surface* read_picture(SDL_RWops* rw, picture_kind kind, picture_problem& why);
