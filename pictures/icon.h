// icon.h - the program's icon, drawn from the built-in pictures: the A Button
// in its home colour with its overlay and the "ACT" icon over it, laid out as
// the editor draws them at their home places and scales. It is the one
// drawing behind every icon of the program: the window's (program/
// window_icon), the desktop's and the one in hudwright.exe (both written by
// tools/make_icon), so none can drift from the artwork or from each other.
//
// The pictures are laid over each other on a canvas of icon_canvas_side
// pixels (8 for each pixel of the 32x32 button picture), and the canvas is
// reduced to the size asked for by averaging areas, so small icons are smooth
// rather than sampled. The same pictures always give the same pixels, on
// every SDL. Nothing here touches a window.
//
//   SDL_Surface* icon = draw_icon(ed.pictures, 32);   // caller frees it
#pragma once

#include <SDL.h>

struct picture_store;

constexpr int icon_canvas_side = 256; // the drawing's own size, the largest icon

// A new side x side 32-bit surface of pixels 0xAARRGGBB (alpha not
// premultiplied; a clear pixel is 0), for side 1 to icon_canvas_side, set to
// blend by its alpha as SDL sets a surface with an alpha mask.
// nullptr when side is outside that range or a picture cannot be decoded or
// scaled. Takes the store after unpack_pictures.
SDL_Surface* draw_icon(picture_store& p, int side);
