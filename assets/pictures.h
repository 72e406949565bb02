// pictures.h - the twenty built-in pictures, each a BMP file in its stored
// form (see pictures/store_form.h) with its length in bytes: bBUTTON and
// bBUTTON_size, b99 and b99_size, ... for every line of model/picture_names.h.
//
// The arrays are made at build time by tools/pack_picture from the BMPs in
// this folder (bBUTTON from button.bmp, b99 from 99.bmp, ...); the BMPs in
// turn are drawn by tools/draw_art. Change a picture by editing its BMP or
// the generator, never the arrays.
#pragma once

#include "model/picture_names.h"

#include <cstddef>

#define HUDWRIGHT_DECLARE_PICTURE(id, array, held, alpha)                                                    \
    extern const unsigned char b##array[];                                                                   \
    extern const size_t b##array##_size;
HUDWRIGHT_PICTURES(HUDWRIGHT_DECLARE_PICTURE)
#undef HUDWRIGHT_DECLARE_PICTURE
