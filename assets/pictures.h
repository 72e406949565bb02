// pictures.h - the twenty built-in pictures, each a BMP file in its stored
// form (see pictures/store_form.h) with its length in bytes.
//
// The arrays are made at build time by tools/pack_picture from the BMPs in
// this folder (bBUTTON from button.bmp, b99 from 99.bmp, ...); the BMPs in
// turn are drawn by tools/draw_art. Change a picture by editing its BMP or
// the generator, never the arrays.
#pragma once

#include <cstddef>

#define HUDWRIGHT_PICTURE(name)                                                                              \
    extern const unsigned char name[];                                                                       \
    extern const size_t name##_size;

// Streamed: decoded afresh for every drawing.
HUDWRIGHT_PICTURE(bBUTTON)        // 32x32, 32 bits: white disc, its shape in alpha
HUDWRIGHT_PICTURE(bBUTTONOVERLAY) // 32x32, 32 bits: rim, shading and gloss over the disc
HUDWRIGHT_PICTURE(bNAVI)          // 16x16, 32 bits: the C-Up Icon, a winged light
HUDWRIGHT_PICTURE(bBOW)           // 32x32, 32 bits: item icon of the B and C buttons
HUDWRIGHT_PICTURE(bACTION)        // 48x32, 32 bits: the A Button's word "ACT"
HUDWRIGHT_PICTURE(b99)            // 13x11, 24 bits, opaque: the item count box
HUDWRIGHT_PICTURE(b999)           // 26x14, 32 bits: rupee count digits
HUDWRIGHT_PICTURE(bRUPEE)         // 16x16, 32 bits: white gem
HUDWRIGHT_PICTURE(bHEARTS)        // 120x17, 32 bits: white row of hearts
HUDWRIGHT_PICTURE(bMAP)           // 80x73, 32 bits: white minimap floor, see-through
HUDWRIGHT_PICTURE(bMAGICBORDER)   // 114x14, 32 bits: frame around the 100x8 fill at +7,+3
// Decoded once at start.
HUDWRIGHT_PICTURE(bRUPEEOVERLAY)  // 16x16, 32 bits: facets and outline of the gem
HUDWRIGHT_PICTURE(bHEARTSOVERLAY) // 120x17, 32 bits: outlines, shine, empty hearts
HUDWRIGHT_PICTURE(bMAPOVERLAY)    // 80x73, 32 bits: walls, tiles and markers
HUDWRIGHT_PICTURE(bBG)            // 320x240, 24 bits: the default preview background
HUDWRIGHT_PICTURE(bCHARACTERS)    // 280x16, 24 bits: 40 cells, dark on white (font 0)
HUDWRIGHT_PICTURE(bSPLASH)        // 320x240, 24 bits: the count-down screen
HUDWRIGHT_PICTURE(bSAVE)          // 24x24, 24 bits: the save button, on black
HUDWRIGHT_PICTURE(bALPHABET)      // 280x16, 24 bits: 40 cells, light on black (font 1)
HUDWRIGHT_PICTURE(bCOLORPICKER)   // 178x16, 24 bits: the colour a click picks

#undef HUDWRIGHT_PICTURE
