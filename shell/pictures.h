// pictures.h - start-up of all twenty built-in pictures in their fixed order.
#pragma once

#include "shell/editor.h"

// Step 1 of start-up: the eleven streamed pictures, bBUTTON first.
bool unpack_pictures(editor& ed);
// Step 4: the nine once-loaded pictures (overlays with alpha, bBG as the
// background, the two fonts, the count-down picture, save button, colour bar)
// and the panel positions set on the way.
bool load_pictures(editor& ed);
