// pictures.h - start-up of all twenty built-in pictures in their fixed order.
#pragma once

#include "shell/editor.h"

// Step 1 of start-up: the eleven streamed pictures, bBUTTON first.
bool unpack_pictures(editor& ed);
// Step 4: the nine once-loaded pictures (overlays with alpha, bBG as the
// background, the two fonts, the count-down picture, save button, colour bar)
// and the panel positions set on the way.
bool load_pictures(editor& ed);
// Once the window is open: the opaque once-loaded pictures and both fonts in
// the screen's pixel format, so that drawing them is a plain copy.
void fit_pictures_to_screen(editor& ed);
