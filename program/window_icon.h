// window_icon.h - the window's icon: the program's own (pictures/icon.h), given
// to SDL after its start and before the window opens - SDL 1.2 takes an icon
// only then (sdl12-compat ignores one given later).
//
// On X11 it is 32x32, the size SDL 1.2 is made for, handed over as each SDL
// 1.2 keeps it best. Classic SDL 1.2 gives the window manager a one-bit mask
// and the icon's colours, the icon first blended onto black if it is set to
// blend: so it gets the colours as they are and a mask of the pixels at least
// half opaque. sdl12-compat keeps the icon's alpha when it is given no mask,
// and makes every pixel wholly opaque or clear by one: so it gets none.
//
// On Windows nothing is given: SDL's window class takes the icon built into
// hudwright.exe (named SDL_app, the class's name; tools/windows/hudwright.rc.in)
// in every size Windows asks for, where SDL_WM_SetIcon would put a 32x32 copy of
// 256 colours in its place.
#pragma once

#include <SDL.h>
#include <vector>

struct picture_store;

// The one-bit mask SDL_WM_SetIcon takes for a 32-bit icon whose top byte is
// alpha: a row of (w + 7) / 8 bytes for each row of pixels, the first pixel
// in the high bit, 1 where a pixel is at least half opaque.
std::vector<Uint8> icon_mask(const SDL_Surface* icon);

// Gives SDL the window's icon (nothing when it cannot be drawn: the window
// then opens with the desktop's own). Takes the store after unpack_pictures.
void set_window_icon(picture_store& p);
