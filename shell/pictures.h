// pictures.h - start-up of all twenty built-in pictures in their fixed order.
#pragma once

#include "shell/editor.h"

// Step 1 of start-up: the eleven streamed pictures, bBUTTON first.
bool unpack_pictures(editor& ed);
// Step 4: the nine once-loaded pictures (overlays with alpha, bBG as the
// background, the two fonts, the count-down picture, save button, colour bar)
// and the panel positions set on the way.
bool load_pictures(editor& ed);
// Once the window is open: both fonts in the screen's pixel format, so that
// drawing a glyph is a plain copy. (The frame does the same for the pictures
// it draws; the count-down picture, drawn for four seconds, is left as it is.)
void fit_fonts_to_screen(editor& ed);
