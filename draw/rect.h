// rect.h - rectangles as SDL gives them (x, y, w, h): whether a point lies in
// one. Every box of the editor - a panel control, a prompt's answer, an
// element's picking box - is tested with it: the left and top edges count,
// the right and bottom ones (x + w, y + h) do not.
#pragma once

#include <SDL.h>

constexpr bool inside(const SDL_Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}
