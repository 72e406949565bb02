// frame.h - draws one editor frame: panel, preview with all 21 elements, save
// button; flips the screen and paces the loop.
#pragma once

#include "shell/editor.h"

void draw_frame(editor& ed);
